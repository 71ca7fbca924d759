// How fast the real main window adds the whole Quran to the burn list, sura
// by sura with "Add all ayas", measuring every recording on the way; and how
// measuring in-process compares with asking ffprobe about each file.
//
// Builds the eighteen sura packs in a temporary folder with one real MP3 per
// aya (four recordings of 3, 5, 7 and 10 s made once with lame at 64 kbit/s
// mono, about 24-80 KB each, reused in turn), starts the window on the
// offscreen platform in that folder, shows it, and for every sura selects
// it and runs AddAll. Then it times, in a fresh process state, measuring all
// 6236 recordings out of the packs in-process, and ffprobe on a sample of
// the same recordings written to disk, extrapolated to all of them.

#include "app/norvane.h"
#include "app/userdialogs.h"
#include "app/cdlength.h"
#include "production/totaltime.h"
#include "library/packarchive.h"
#include "library/mp3probe.h"
#include "library/quran.h"
#include "library/suracatalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int kFfprobeSample = 200;

// Start-up notices (no CD writer on this machine) must not wait for a click.
class QuietDialogs : public UserDialogs {
public:
    void Information(const QString&, const QString&) override {}
    bool Question(const QString&, const QString&) override { return false; }
    void About(const QString&, const QString&, const QPixmap&) override {}
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool Run(QDialog&) override { return false; }
};

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "bench_burnlist: %s\n", why.c_str());
    std::exit(1);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 44.1 kHz mono tone of `seconds`, encoded by lame at 64 kbit/s.
std::vector<char> MakeRecording(const QString& folder, int seconds) {
    const int rate = 44100, frames = rate * seconds;
    QByteArray wav;
    auto put = [&wav](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i) wav.append(char((v >> (8 * i)) & 0xff));
    };
    wav.append("RIFF");
    put(36 + frames * 2, 4);
    wav.append("WAVEfmt ");
    put(16, 4); put(1, 2); put(1, 2); put(rate, 4); put(rate * 2, 4); put(2, 2); put(16, 2);
    wav.append("data");
    put(frames * 2, 4);
    for (int i = 0; i < frames; ++i) put(quint16(qint16((i * 37 % 2000) - 1000)), 2);
    const QString in = folder + "/in.wav", out = folder + QString("/rec%1.mp3").arg(seconds);
    QFile f(in);
    if (!f.open(QIODevice::WriteOnly) || f.write(wav) != wav.size()) Fail("cannot write " + in.toStdString());
    f.close();
    if (QProcess::execute("lame", {"--silent", "-m", "m", "-b", "64", in, out}) != 0) Fail("lame failed");
    const QByteArray mp3 = ReadAll(out);
    if (mp3.isEmpty()) Fail("lame made no MP3");
    return std::vector<char>(mp3.begin(), mp3.end());
}

struct AyaRecording {
    std::string burnKey;
    int recording;  // index into the recordings
};

std::vector<AyaRecording> AllAyas(int recordings) {
    const Sura sura;
    std::vector<AyaRecording> keys;
    for (int s = 1; s <= Sura::kSuraCount; ++s) {
        const std::string suraKey = PadKey(std::to_string(s));
        for (int a = 1; a <= sura.AyaCount(suraKey); ++a)
            keys.push_back({suraKey + "." + PadKey(std::to_string(a)), int(keys.size()) % recordings});
    }
    return keys;
}

long long BuildPacks(const QString& folder, const std::vector<std::vector<char>>& recordings,
                     const std::vector<AyaRecording>& ayas) {
    long long bytes = 0;
    size_t next = 0;
    for (const JMapEntry& row : JMapRows()) {
        PackArchive pack;
        for (; next < ayas.size() && std::atoi(ayas[next].burnKey.c_str()) <= row.last; ++next) {
            PackArchive::PendingEntry entry;
            entry.name = ayas[next].burnKey + ".mp3";
            entry.data = recordings[size_t(ayas[next].recording)];
            entry.size = int32_t(entry.data.size());
            entry.checksum = PackChecksum(entry.data.data(), entry.data.size());
            bytes += entry.size;
            pack.AddPending(std::move(entry));
        }
        PackArchive::PendingEntry silence;
        silence.name = "silence.mp3";
        silence.data = recordings[0];
        silence.size = int32_t(silence.data.size());
        pack.AddPending(std::move(silence));
        if (!pack.Write((folder + "/").toStdString() + row.name)) Fail(pack.LastError());
    }
    return bytes;
}

double Ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

struct AddAllTimes {
    double slotsMs = 0;  // SuraSelected and AddAll
    double paintMs = 0;  // the event loop's layout and painting after each
};

// The time to repaint the whole window once, averaged over a few frames.
double FullRepaintMs(QApplication& app, Norvane& window) {
    const int frames = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < frames; ++i) {
        window.repaint();
        app.processEvents();
    }
    return Ms(timer) / frames;
}

// Selects every sura in turn and adds all its ayas, letting the window lay
// itself out and repaint after each, as it would between two clicks.
AddAllTimes AddEverySura(QApplication& app, Norvane& window, int suras) {
    AddAllTimes times;
    QElapsedTimer timer;
    for (int i = 0; i < suras; ++i) {
        timer.start();
        window.SuraSelected(i);
        window.AddAll();
        times.slotsMs += Ms(timer);
        timer.start();
        app.processEvents();
        times.paintMs += Ms(timer);
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuietDialogs quiet;
    UserDialogs::Install(&quiet);

    QTemporaryDir work;
    if (!work.isValid() || !QDir().mkpath(work.filePath("quran"))) Fail("no temporary folder");
    const QString startDir = QDir::currentPath();
    QDir::setCurrent(work.path());

    std::vector<std::vector<char>> recordings;
    for (int seconds : {3, 5, 7, 10}) recordings.push_back(MakeRecording(work.path(), seconds));
    const std::vector<AyaRecording> ayas = AllAyas(int(recordings.size()));
    QElapsedTimer timer;
    timer.start();
    const long long packBytes = BuildPacks(work.filePath("quran"), recordings, ayas);
    std::printf("packs: 18 files, %zu aya recordings, %.1f MB, built in %.0f ms\n", ayas.size(),
                double(packBytes) / 1e6, Ms(timer));

    // The real window, every sura added with "Add all ayas".
    Norvane window;
    if (!app.arguments().contains("--hidden")) window.show();
    app.processEvents();
    const int suras = window.findChild<QComboBox*>("suraCombo")->count();
    if (suras != Sura::kSuraCount) Fail("the window lists " + std::to_string(suras) + " suras");
    const double emptyFrameMs = FullRepaintMs(app, window);
    const AddAllTimes first = AddEverySura(app, window, suras);
    const double fullFrameMs = FullRepaintMs(app, window);
    const double addAllMs = first.slotsMs + first.paintMs;
    const int total = int(window.Disc().Blocks() / AudioCd::kBlocksPerSecond);
    std::printf("window: select + AddAll on all %d suras: %zu entries, total %d s (%02d:%02d): %.0f ms in the "
                "slots (%.1f us per aya), %.0f ms laying out and painting between them; %.0f ms in all\n",
                suras, window.BurnList().size(), total, total / 60, total % 60, first.slotsMs,
                first.slotsMs * 1000 / double(ayas.size()), first.paintMs, addAllMs);

    std::printf("window: one full repaint takes %.1f ms with an empty burn list, %.1f ms with the whole Quran "
                "(%.0f ms for %d repaints)\n",
                emptyFrameMs, fullFrameMs, fullFrameMs * suras, suras);

    // The same again with every length known: the list work alone.
    window.RemoveAll();
    const AddAllTimes again = AddEverySura(app, window, suras);
    std::printf("window: the same again with every length known: %.0f ms in the slots, %.0f ms painting; "
                "total %d s\n",
                again.slotsMs, again.paintMs, int(window.Disc().Blocks() / AudioCd::kBlocksPerSecond));

    // Measuring in-process: out of the packs as the window does, then from
    // bytes already in memory.
    Quran quran;
    quran.Setup();
    Mp3Probe audio;
    LengthSource fromPacks = PackLengthSource(quran, audio);
    long long sumMs = 0;
    timer.restart();
    for (const AyaRecording& aya : ayas) {
        const SampleLength length = fromPacks(aya.burnKey);
        sumMs += length.rate > 0 ? length.frames * 1000 / length.rate : 0;
    }
    const double packMeasureMs = Ms(timer);
    const DiscTime disc = TotalTime(fromPacks).Disc(window.BurnList(), window.GroupReps());
    long long sumMemory = 0;
    timer.restart();
    for (const AyaRecording& aya : ayas) sumMemory += audio.GetLen(recordings[size_t(aya.recording)]);
    const double memoryMeasureMs = Ms(timer);
    std::printf("check: the window's disc %s the disc of the measured lengths (%lld blocks)\n",
                disc.Blocks() == window.Disc().Blocks() ? "equals" : "DIFFERS FROM", disc.Blocks());
    std::printf("in-process: %zu recordings extracted from the packs and measured in %.0f ms (%.1f us each); "
                "measured from memory in %.0f ms; lengths sum to %lld ms (%lld ms from memory)\n",
                ayas.size(), packMeasureMs, packMeasureMs * 1000 / double(ayas.size()), memoryMeasureMs, sumMs,
                sumMemory);

    if (app.arguments().contains("--no-ffprobe")) return 0;

    // ffprobe, one process per file, on a sample written to disk.
    const QString probeDir = work.filePath("probe");
    QDir().mkpath(probeDir);
    QStringList files;
    for (int i = 0; i < kFfprobeSample; ++i) {
        const AyaRecording& aya = ayas[size_t(i) * ayas.size() / kFfprobeSample];
        const QString path = probeDir + "/" + QString::fromStdString(aya.burnKey) + ".mp3";
        QFile f(path);
        const std::vector<char>& bytes = recordings[size_t(aya.recording)];
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            Fail("cannot write " + path.toStdString());
        files << path;
    }
    timer.restart();
    int probed = 0;
    for (const QString& path : files) {
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
        if (probe.waitForFinished(30000) && probe.exitCode() == 0 && !probe.readAllStandardOutput().isEmpty())
            ++probed;
    }
    const double probeMs = Ms(timer);
    if (probed != kFfprobeSample) Fail("ffprobe did not answer for every file (is ffmpeg installed?)");
    const double probeEach = probeMs / kFfprobeSample;
    const double probeAll = probeEach * double(ayas.size());
    std::printf("ffprobe: SAMPLE of %d files from disk in %.0f ms (%.2f ms each); extrapolated to %zu files: "
                "%.1f s\n",
                kFfprobeSample, probeMs, probeEach, ayas.size(), probeAll / 1000);
    std::printf("ratios: ffprobe (extrapolated) / in-process from packs = %.0fx; / in-process from memory = %.0fx; "
                "whole-Quran AddAll incl. measuring / in-process measuring alone = %.1fx\n",
                probeAll / packMeasureMs, probeAll / memoryMeasureMs, addAllMs / packMeasureMs);

    QDir::setCurrent(startDir);
    UserDialogs::Install(nullptr);
    return 0;
}
