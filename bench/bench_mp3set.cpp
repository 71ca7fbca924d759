// How much an MP3 set costs beyond the lame runs it cannot do without.
//
// Makes the MP3 set of suras 78 to 114 (564 ayas, 3 repetitions, pause 2;
// suras 78, 79 and 80 each as a group played twice) from the demo packs,
// then runs the very same lame decodes and encodes again, alone and back to
// back, and prints both wall times and the overhead of the job over them
// (joinwav, extraction, the runner, file work).
//
// Usage: bench_mp3set [QURAN_FOLDER]
//   QURAN_FOLDER  a folder holding s078_s114.mat; by default the demo pack
//                 in BUILD/bench-data/quran, made by scripts/make-demo-packs.sh
//                 when it is missing.

#include "library/quran.h"
#include "library/suracatalogue.h"
#include "production/trackpreparer.h"
#include "tools/processwrap.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
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

// Runs the tools as the window's runner does, timing each kind of run and
// keeping (by hard link, which costs next to nothing) every input lame
// reads, so that the same lame runs can be repeated alone afterwards.
class TimingRunner : public ProcessWrap {
public:
    explicit TimingRunner(const QString& stash) : stash(stash) {}

    QList<QStringList> lameRuns;           // with their inputs moved to the stash
    std::map<QString, qint64> nsByKind;    // "decode", "encode", "joinwav"
    std::map<QString, int> runsByKind;

    void RunCommand(const QStringList& args) override {
        const QString kind = Kind(args);
        if (kind != "joinwav") Keep(args, kind);
        QElapsedTimer timer;
        timer.start();
        ProcessWrap::RunCommand(args);
        nsByKind[kind] += timer.nsecsElapsed();
        ++runsByKind[kind];
    }

private:
    static QString Kind(const QStringList& args) {
        if (args.first() != "lame") return "joinwav";
        return args.contains("--decode") ? "decode" : "encode";
    }
    void Keep(const QStringList& args, const QString& kind) {
        const QString input = args[args.size() - 2];
        const QString kept = QString("%1/%2.%3").arg(stash).arg(lameRuns.size()).arg(QFileInfo(input).suffix());
        std::error_code ignored;
        std::filesystem::create_hard_link(input.toStdString(), kept.toStdString(), ignored);
        QStringList again = args;
        again[again.size() - 2] = kept;
        again.last() = stash + (kind == "decode" ? "/out.wav" : "/out.mp3");
        lameRuns << again;
    }

    QString stash;
};

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
    TimingRunner runner(work.filePath("stash"));
    TrackPreparer preparer(&runner, &quran);
    const std::vector<saya> list = BurnList();
    std::map<int, int> groupReps{{0, 0}};
    for (int g = 1; g <= kGroupedSuras; ++g) groupReps[g] = kGroupPasses;

    TrackPreparer::Job job;
    job.mp3 = true;
    job.mp3Dir = "out";
    job.bitrate = kBitrate;
    QElapsedTimer timer;
    timer.start();
    const bool ok = preparer.Run(list, groupReps, job);
    const qint64 jobNs = timer.nsecsElapsed();
    if (!ok) {
        std::fprintf(stderr, "bench_mp3set: the job failed:\n%s\n", qPrintable(preparer.Failures().join('\n')));
        return 1;
    }

    // The same lame runs, alone and back to back.
    timer.restart();
    for (const QStringList& args : runner.lameRuns) {
        QProcess lame;
        lame.setProcessChannelMode(QProcess::ForwardedChannels);
        lame.start(args.first(), args.mid(1));
        lame.waitForFinished(-1);
    }
    const qint64 lameNs = timer.nsecsElapsed();

    std::printf("MP3 set of suras %d-%d: %zu ayas, %zu tracks, -b%d\n", kFirstSura, kLastSura, list.size(),
                preparer.TrackList().size(), kBitrate);
    std::printf("  job, wall time:                  %8.2f s\n", Seconds(jobNs));
    for (const auto& [kind, ns] : runner.nsByKind)
        std::printf("    in %-8s (%4d runs):        %8.2f s\n", qPrintable(kind), runner.runsByKind[kind], Seconds(ns));
    std::printf("    everything else:               %8.2f s\n",
                Seconds(jobNs - runner.nsByKind["decode"] - runner.nsByKind["encode"] - runner.nsByKind["joinwav"]));
    std::printf("  the same %d lame runs alone:    %8.2f s\n", int(runner.lameRuns.size()), Seconds(lameNs));
    std::printf("  overhead of the job:             %8.1f %%\n", 100.0 * (jobNs - lameNs) / double(lameNs));
    return 0;
}
