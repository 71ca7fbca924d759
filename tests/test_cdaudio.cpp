// The CD arithmetic the core and joinwav share, against values worked out
// by hand: frames after rate conversion at odd rates, stretched lengths at
// odd speeds, length pauses in quarters and in hundredths, the largest WAV.

#include "production/cdaudio.h"
#include "production/trackscript.h"

#include <QtTest>

class TestCdAudio : public QObject {
    Q_OBJECT
private slots:
    // frames * 44100 / rate, rounded to the nearest frame.
    void framesAfterRateConversion() {
        struct Row { int64_t frames; int rate; int64_t expected; };
        const Row rows[] = {
            {12345, 48000, 11342},    // 11341.97
            {1001, 22050, 2002},      // exactly twice
            {8001, 8000, 44106},      // 44105.51
            {100, 11025, 400},
            {3, 7, 18900},
            {999, 96000, 459},        // 458.92
            {4410, 44100, 4410},      // unchanged
            {0, 22050, 0}, {500, 0, 0}, {-5, 44100, 0},
            {int64_t(1) << 60, 1, AudioCd::kFrameLimit},  // saturates
        };
        for (const Row& row : rows)
            QVERIFY2(AudioCd::CdFrames(row.frames, row.rate) == row.expected,
                     qPrintable(QString("%1 frames at %2 Hz").arg(row.frames).arg(row.rate)));
    }

    // frames * 100 / percent, rounded to the nearest frame.
    void stretchedLength() {
        struct Row { int64_t frames; int percent; int64_t expected; };
        const Row rows[] = {
            {44100, 75, 58800},  // exactly 4/3
            {1000, 150, 667},    // 666.67
            {1001, 95, 1054},    // 1053.68
            {7, 55, 13},         // 12.73
            {2000, 105, 1905},   // 1904.76
            {123457, 50, 246914},
            {88200, 100, 88200},
        };
        for (const Row& row : rows)
            QVERIFY2(AudioCd::StretchedFrames(row.frames, row.percent) == row.expected,
                     qPrintable(QString("%1 frames at %2%").arg(row.frames).arg(row.percent)));
    }

    // K times the frames, half a frame rounding up; a pause in quarters
    // (the playlist's unit) is the same as in hundredths (joinwav's).
    void lengthPause() {
        struct Row { int64_t frames; int hundredths; int64_t expected; };
        const Row rows[] = {
            {1001, 75, 751},   // 750.75
            {3, 50, 2},        // 1.5 rounds up
            {2, 25, 1},        // 0.5 rounds up
            {44100, 300, 132300},
            {10, 33, 3},       // 3.3
            {0, 100, 0},
            {AudioCd::kMaxWavFrames, AudioCd::kMaxLengthPauseHundredths, AudioCd::kMaxWavFrames * 1000},
        };
        for (const Row& row : rows)
            QVERIFY2(AudioCd::LengthPauseFrames(row.frames, row.hundredths) == row.expected,
                     qPrintable(QString("%1 frames times %2/100").arg(row.frames).arg(row.hundredths)));
        for (const int64_t frames : {0, 1, 2, 3, 5, 1001, 44099, 1234567})
            for (int quarters = 0; quarters <= 12; ++quarters)
                QCOMPARE(LengthPauseFrames(frames, quarters), (frames * quarters + 2) / 4);
        QCOMPARE(AudioCd::LengthPauseArgument(LengthPauseHundredths(3)), std::string("--length-pause=0.75"));
        QCOMPARE(AudioCd::LengthPauseArgument(LengthPauseHundredths(12)), std::string("--length-pause=3.00"));
        QCOMPARE(AudioCd::LengthPauseArgument(5), std::string("--length-pause=0.05"));
    }

    // The largest CD-format WAV: its header and samples within 2^32 - 1 bytes.
    void largestWav() {
        const int64_t limit = 0xFFFFFFFFll;
        QVERIFY(AudioCd::kWavHeaderBytes + AudioCd::kMaxWavFrames * 4 <= limit);
        QVERIFY(AudioCd::kWavHeaderBytes + (AudioCd::kMaxWavFrames + 1) * 4 > limit);
    }
};

QTEST_GUILESS_MAIN(TestCdAudio)
#include "test_cdaudio.moc"
