// How much processor time the program spends while the runner waits for a
// tool. Prints, for each run, the tool's wall time, this program's own CPU
// time (user + system) while the event loop waits for the run's end, and
// their ratio. A waiting runner should sleep: the ratio should stay far
// below 1.
//
// Usage: bench_runner_cpu [seconds]   (default 5)

#include "tools/processwrap.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void measure(const char* label, const QStringList& command) {
    ProcessWrap runner;
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    QEventLoop loop;
    QObject::connect(&runner, &ProcessWrap::ProcessDone, &loop, &QEventLoop::quit);
    runner.RunCommand(command);
    loop.exec();
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("%-34s lines %5lld  wall %7.3f s  own CPU %7.4f s  ratio %.5f\n", label,
                static_cast<long long>(runner.GetText().size()), wallSeconds, cpu,
                wallSeconds > 0 ? cpu / wallSeconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? QString(argv[1]).toInt() : 5;

    measure("sleep (silent tool)", {"sleep", QString::number(seconds)});

    // A cdrdao-like tool: a CR-terminated progress line every 10 ms.
    const QString fake = QDir::cleanPath(QStringLiteral(NORVANE_BIN_DIR "/../fakes/faketool"));
    if (QFile::exists(fake)) {
        QStringList command{fake};
        for (int i = 0; i < seconds * 100; ++i)
            command << QString("cr:Wrote %1 of %2 MB (Buffer 100%).").arg(i).arg(seconds * 100) << "sleep:10";
        measure("faketool (progress every 10 ms)", command);
    } else {
        std::printf("faketool not built (%s); chatty run skipped\n", qPrintable(fake));
    }
    return 0;
}
