#include "cli/terminaljob.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}
QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

namespace {

// SIGINT and SIGTERM, turned into calls on the event loop: a signal handler
// may do next to nothing, so it only writes the signal's number into a
// socket that the loop watches.
class SignalsOnLoop {
public:
    explicit SignalsOnLoop(std::function<void(int)> caught) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipe) != 0) return;
        writeEnd = pipe[1];
        notifier = std::make_unique<QSocketNotifier>(pipe[0], QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this, caught] {
            char number = 0;
            if (::read(pipe[0], &number, 1) == 1) caught(number);
        });
        struct sigaction action = {};
        action.sa_handler = [](int number) {
            const char byte = char(number);
            [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
        };
        sigemptyset(&action.sa_mask);
        for (int number : {SIGINT, SIGTERM}) sigaction(number, &action, nullptr);
    }
    ~SignalsOnLoop() {
        for (int number : {SIGINT, SIGTERM}) std::signal(number, SIG_DFL);
        writeEnd = -1;
        notifier.reset();
        for (int end : pipe)
            if (end >= 0) ::close(end);
    }

private:
    static inline int writeEnd = -1;
    int pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
};

const char* SignalName(int number) { return number == SIGINT ? "SIGINT" : "SIGTERM"; }

}  // namespace

int RunJobOnTerminal(Job& job, const TerminalStyle& style, const std::function<void()>& start) {
    const QString& program = style.program;
    int step = 0, total = 0;
    QObject::connect(&job, &Job::ProgressChanged, [&](int s, int t) { step = s, total = t; });
    if (style.echoLog) {
        QObject::connect(&job, &Job::StatusChanged, [](const QString& line) { Out() << line << Qt::endl; });
        QObject::connect(&job, &Job::LogLine, [&](const QString& line) {
            const int width = int(QString::number(total).size());
            Out() << QString("[%1/%2] ").arg(step, width).arg(total) << line << Qt::endl;
        });
    }
    QObject::connect(&job, &Job::CannotRun,
                     [&](const QString& tool) { Err() << program << ": cannot run " << tool << Qt::endl; });

    QEventLoop loop;
    QObject::connect(&job, &Job::Finished, &loop, &QEventLoop::quit);
    int stoppedBy = 0;
    SignalsOnLoop watch([&](int number) {
        if (stoppedBy == 0) {
            stoppedBy = number;
            return job.Cancel();
        }
        // Asked twice: the user will not wait for a tidy end. The job goes
        // with its caller, and its tools and working folder with it.
        loop.quit();
    });
    start();
    if (!job.Running()) return 1;  // refused before it began
    loop.exec();
    if (stoppedBy) {
        Err() << program << ": cancelled by " << SignalName(stoppedBy) << Qt::endl;
        return 128 + stoppedBy;
    }
    return job.Result() == Job::Outcome::Done ? 0 : 1;
}
