// How much an MP3 set costs against the lame runs a set once took.
//
// Makes the MP3 set of suras 78 to 114 (564 ayas, 3 repetitions, pause 2;
// suras 78, 79 and 80 each as a group played twice) from the demo packs,
// one tool at a time and then one per core, then runs the baseline alone
// and back to back: the very same lame encodes, and the "lame --decode" of
// every recording the tracks are made of (the silence once, each member of
// each track), as sets were made before recordings were decoded in-process.
// It prints the wall times and the job's over the baseline. A first,
// untimed run goes through a small wrapper in front of lame that keeps
// every input lame reads, so that the same runs can be repeated alone.
//
// Usage: bench_mp3set [QURAN_FOLDER]
//   QURAN_FOLDER  a folder holding s078_s114.mat; by default the demo pack
//                 in BUILD/bench-data/quran, made by scripts/make-demo-packs.sh
//                 when it is missing.

#include "library/locations.h"
#include "library/packentry.h"
#include "library/quran.h"
#include "library/suracatalogue.h"
#include "production/trackpreparer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QThread>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <map>

namespace {

constexpr int kFirstSura = 78, kLastSura = 114;
constexpr int kReps = 3, kPause = 2, kGroupPasses = 2, kBitrate = 64;
constexpr int kGroupedSuras = 3;  // 78, 79 and 80 become groups 1, 2 and 3

QString SourceDir() { return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(".."); }

// The demo pack, made on first use.
QString DemoQuranFolder() {
    const QString folder = QDir(QStringLiteral(NORVANE_BIN_DIR)).absoluteFilePath("../bench-data/quran");
    if (QFileInfo::exists(folder + "/s078_s114.mat")) return folder;
    std::printf("making the demo pack s078_s114.mat (about a minute) ...\n");
    std::fflush(stdout);
    const int status = QProcess::execute(
        "bash", {SourceDir() + "/scripts/make-demo-packs.sh", QStringLiteral(NORVANE_BIN_DIR), folder, "78"});
    return status == 0 ? folder : QString();
}

std::vector<saya> BurnList() {
    Sura catalogue;
    std::vector<saya> list;
    for (int s = kFirstSura; s <= kLastSura; ++s) {
        const std::string sura = PadKey(std::to_string(s));
        for (int a = 1; a <= catalogue.AyaCount(sura); ++a) {
            saya e;
            e.sura = sura;
            e.aya = PadKey(std::to_string(a));
            e.reps = kReps;
            e.pause = kPause;
            e.group = s - kFirstSura < kGroupedSuras ? s - kFirstSura + 1 : 0;
            list.push_back(e);
        }
    }
    return list;
}

// A "lame" first on PATH that notes its arguments and keeps (by hard link,
// which costs next to nothing) the file it reads, then runs the real lame.
bool InstallRecordingLame(const QString& bin, const QString& stash) {
    const QString lame = QStandardPaths::findExecutable("lame");
    QFile script(bin + "/lame");
    if (lame.isEmpty() || !QDir().mkpath(bin) || !script.open(QIODevice::WriteOnly)) return false;
    script.write(QString("#!/bin/sh\nn=$(ls '%1' | wc -l)\nfor a; do last2=$prev; prev=$a; done\n"
                         "ln \"$last2\" \"%1/$n.${last2##*.}\" 2>/dev/null\n"
                         "printf '%s\\n' \"$@\" \"--end-- $n.${last2##*.}\" >> '%2'\nexec '%3' \"$@\"\n")
                     .arg(stash, stash + ".log", lame)
                     .toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin) + ":" + qgetenv("PATH"));
    return true;
}

// The recorded runs, each pointed at its kept input and a scratch output.
QList<QStringList> RecordedRuns(const QString& stash) {
    QList<QStringList> runs{QStringList{"lame"}};
    QFile log(stash + ".log");
    log.open(QIODevice::ReadOnly);
    for (const QString& line : QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith("--end-- ")) {
            runs.last() << line;
            continue;
        }
        QStringList& run = runs.last();
        run[run.size() - 2] = stash + "/" + line.mid(8);
        run.last() = stash + (run.contains("--decode") ? "/out.wav" : "/out.mp3");
        runs << QStringList{"lame"};
    }
    runs.removeLast();
    return runs;
}

// The baseline's decodes: every recording of the list taken out of its pack
// into the stash, each with its "lame --decode" run.
QList<QStringList> DecodeRuns(Quran& quran, const std::vector<saya>& list, const QString& stash) {
    QList<QStringList> runs;
    std::vector<std::string> entries{"silence.mp3"};
    for (const saya& entry : list) entries.push_back(entry.Key() + ".mp3");
    for (const std::string& entry : entries) {
        const QString name = stash + "/decode-" + QString::fromStdString(entry);
        if (WritePackEntry(quran, entry, "", name.toStdString())) return {};
        runs << QStringList{"lame", "--silent", "--decode", name, stash + "/out.wav"};
    }
    return runs;
}

// CPU seconds of this process (the job's own thread) and of the tools it
// waited for, and the peak memory of each.
struct Usage {
    double self = 0, tools = 0;
    long selfPeakKb = 0, toolPeakKb = 0;
};

Usage UsageNow() {
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    auto seconds = [](const rusage& u) {
        return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    };
    return {seconds(self), seconds(children), self.ru_maxrss, children.ru_maxrss};
}

Usage lastUsage;  // of the last MakeSet: CPU spent during it, peaks so far

// Makes the set (or, with mp3 false, the CD tracks) and gives its wall time
// in ns, or -1 when it failed.
qint64 MakeSet(Quran& quran, const std::vector<saya>& list, const std::map<int, int>& groupReps, int parallel,
               bool mp3 = true) {
    TrackPreparer preparer(&quran);
    TrackPreparer::Options job;
    job.mp3 = mp3;
    job.mp3Dir = "out";
    job.bitrate = kBitrate;
    job.parallel = parallel;
    QEventLoop loop;
    QObject::connect(&preparer, &Job::Finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    const Usage before = UsageNow();
    timer.start();
    preparer.Start(list, groupReps, job);
    loop.exec();
    const Usage after = UsageNow();
    lastUsage = {after.self - before.self, after.tools - before.tools, after.selfPeakKb, after.toolPeakKb};
    if (!mp3) Locations::Current().EndJob();  // the CD tracks are not needed
    if (preparer.Failures().isEmpty()) return timer.nsecsElapsed();
    std::fprintf(stderr, "bench_mp3set: the job failed:\n%s\n", qPrintable(preparer.Failures().join('\n')));
    return -1;
}

double Seconds(qint64 ns) { return ns / 1e9; }

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString quranFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : DemoQuranFolder();
    if (quranFolder.isEmpty() || !QFileInfo::exists(quranFolder + "/s078_s114.mat")) {
        std::fprintf(stderr, "bench_mp3set: no s078_s114.mat in %s\n", qPrintable(quranFolder));
        return 1;
    }

    QTemporaryDir work;
    QDir().mkpath(work.filePath("quran"));
    QDir().mkpath(work.filePath("out"));
    QDir().mkpath(work.filePath("stash"));
    QFile::link(QFileInfo(quranFolder + "/s078_s114.mat").absoluteFilePath(), work.filePath("quran/s078_s114.mat"));
    QDir::setCurrent(work.path());

    Quran quran;
    quran.Setup();
    const std::vector<saya> list = BurnList();
    std::map<int, int> groupReps{{0, 0}};
    for (int g = 1; g <= kGroupedSuras; ++g) groupReps[g] = kGroupPasses;

    const QByteArray path = qgetenv("PATH");
    if (!InstallRecordingLame(work.filePath("bin"), work.filePath("stash")) || MakeSet(quran, list, groupReps, 1) < 0)
        return 1;
    qputenv("PATH", path);
    const QList<QStringList> lameRuns = RecordedRuns(work.filePath("stash")) + DecodeRuns(quran, list, work.filePath("stash"));

    const int cores = QThread::idealThreadCount();
    const qint64 oneNs = MakeSet(quran, list, groupReps, 1);
    const qint64 manyNs = MakeSet(quran, list, groupReps, cores);
    const Usage many = lastUsage;
    const qint64 cdOneNs = MakeSet(quran, list, groupReps, 1, false);
    const qint64 cdManyNs = MakeSet(quran, list, groupReps, cores, false);
    if (oneNs < 0 || manyNs < 0 || cdOneNs < 0 || cdManyNs < 0) return 1;

    // The same lame runs, alone and back to back.
    QElapsedTimer timer;
    timer.start();
    for (const QStringList& args : lameRuns) {
        QProcess lame;
        lame.setProcessChannelMode(QProcess::ForwardedChannels);
        lame.start(args.first(), args.mid(1));
        lame.waitForFinished(-1);
    }
    const qint64 lameNs = timer.nsecsElapsed();

    std::printf("MP3 set of suras %d-%d: %zu ayas, -b%d\n", kFirstSura, kLastSura, list.size(), kBitrate);
    std::printf("  baseline, %d lame runs alone:   %8.2f s\n", int(lameRuns.size()), Seconds(lameNs));
    std::printf("  job, one tool at a time:         %8.2f s  (%.2f x the baseline)\n", Seconds(oneNs),
                double(oneNs) / double(lameNs));
    std::printf("  job, %d tools at a time:          %8.2f s  (%.2f x the baseline)\n", cores, Seconds(manyNs),
                double(manyNs) / double(lameNs));
    std::printf("    CPU: %.2f s in the job's own thread, %.2f s in its tools\n", many.self, many.tools);
    std::printf("CD tracks of the same list (no writing):\n");
    std::printf("  one tool at a time:              %8.2f s\n", Seconds(cdOneNs));
    std::printf("  %d tools at a time:               %8.2f s  (%.2f x one at a time)\n", cores, Seconds(cdManyNs),
                double(cdManyNs) / double(cdOneNs));
    std::printf("peak memory: the job %ld MB, the largest tool %ld MB\n", lastUsage.selfPeakKb / 1024,
                lastUsage.toolPeakKb / 1024);
    return 0;
}
