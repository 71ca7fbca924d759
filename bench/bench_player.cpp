// Listening in the window, measured without a sound card: the time from a
// press of Play to the first buffer of audio for an aya whose pack is in
// the file cache, and the processor time the player's audio costs per
// second of audio while a group track plays (its recordings decoded,
// converted and stretched as joinwav does). The sound device's own share
// is not counted. Recordings are made with lame: a 15 s aya at 44.1 kHz
// stereo 128 kbit/s, and at 22.05 kHz mono 64 kbit/s (which is converted).
//
// Usage: bench_player

#include "library/quran.h"
#include "production/trackaudio.h"
#include "production/trackstream.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kAyas = 6;
constexpr qint64 kSinkRead = 17640;  // a tenth of a second, about what a sound device asks for

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

saya Aya(int number, int reps = 1, int pause = 0) {
    char key[4];
    std::snprintf(key, sizeof key, "%03d", number);
    return testenv::makeSaya("002", key, reps, pause, 1);
}

void PressToFirstBuffer(Quran& quran, const char* label, int speed) {
    std::vector<double> ms;
    for (int round = 0; round < 3; ++round)
        for (int a = 1; a <= kAyas; ++a) {
            QElapsedTimer wall;
            wall.start();
            PlayOptions play;
            play.speedPercent = speed;
            TrackStream stream(std::make_unique<TrackAudio>(quran.Recitation(), TrackAudio::SingleAya(Aya(a)), play));
            const QByteArray first = stream.read(kSinkRead);
            ms.push_back(double(wall.nsecsElapsed()) / 1e6);
            if (first.size() != kSinkRead) std::printf("  short first buffer: %lld bytes\n", qint64(first.size()));
        }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s speed %.2f  press to first buffer: median %6.1f ms  worst %6.1f ms  (target < 300 ms)\n",
                label, speed / 100.0, ms[ms.size() / 2], ms.back());
}

// Each aya heard once (every second of audio freshly made), or a build-up
// group played twice with repetitions and pauses (most of it kept audio).
void CpuWhilePlaying(Quran& quran, const char* label, int speed, bool buildUp) {
    PlannedTrack group;
    group.group = 1;
    if (buildUp) group.passes = 2, group.groupPause = 3, group.buildUp = true;
    for (int a = 1; a <= kAyas; ++a) group.members.push_back(buildUp ? Aya(a, 2, 2) : Aya(a));
    if (buildUp) group.members[1].lengthPauseQuarters = 4;
    PlayOptions play;
    play.speedPercent = speed;
    TrackStream stream(std::make_unique<TrackAudio>(quran.Recitation(), group, play));
    const double before = CpuSeconds();
    while (!stream.read(kSinkRead).isEmpty()) {
    }
    const double cpu = CpuSeconds() - before;
    const double audio = double(stream.Produced()) / (44100 * 4);
    std::printf("%-34s speed %.2f  %-16s %7.1f s of audio, CPU %6.3f s: %5.2f %% of one core  (target < 5 %%)\n",
                label, speed / 100.0, buildUp ? "build-up group" : "each aya once", audio, cpu, 100 * cpu / audio);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const struct {
        const char* label;
        QByteArray mp3;
        QByteArray silence;
    } kinds[] = {
        {"44.1 kHz stereo 128 kbit/s", testenv::makeMp3(15000, 44100, 2, {"-b", "128"}),
         testenv::makeMp3(1000, 44100, 2, {"-b", "128", "--scale", "0"})},
        {"22.05 kHz mono 64 kbit/s", testenv::makeMp3(15000, 22050, 1, {"-b", "64"}),
         testenv::makeMp3(1000, 22050, 1, {"-b", "64", "--scale", "0"})},
    };
    for (const auto& kind : kinds) {
        testenv::WorkFolder work;
        testenv::PackEntries entries{{"silence.mp3", kind.silence}};
        for (int a = 1; a <= kAyas; ++a) entries.append({QString::fromStdString(Aya(a).Key()) + ".mp3", kind.mp3});
        if (kind.mp3.isEmpty() || !work.ok() || !testenv::writePack("quran/s001_s002.mat", entries)) {
            std::printf("cannot make the packs (is lame installed?)\n");
            return 1;
        }
        Quran quran;
        quran.Setup();
        for (const int speed : {100, 75}) {
            PressToFirstBuffer(quran, kind.label, speed);
            CpuWhilePlaying(quran, kind.label, speed, false);
            CpuWhilePlaying(quran, kind.label, speed, true);
        }
    }
    return 0;
}
