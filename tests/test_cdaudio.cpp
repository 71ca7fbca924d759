// The CD arithmetic the core and joinwav share, against values worked out
// by hand: frames after rate conversion at odd rates, stretched lengths at
// odd speeds, length pauses in quarters and in hundredths, the largest WAV.

#include "production/cdaudio.h"
#include "production/trackscript.h"

#include <QtTest>

class TestCdAudio : public QObject {
    Q_OBJECT
private slots:
    // Rounded to the nearest frame: frames * 44100 / rate, frames * 100 /
    // percent, and frames * hundredths / 100 with half a frame rounding up.
    void formulas() {
        // Each row: frames, rate or percent or hundredths, the frames expected.
        const int64_t converted[][3] = {{12345, 48000, 11342}, {1001, 22050, 2002}, {8001, 8000, 44106},
                                        {3, 7, 18900}, {999, 96000, 459}, {4410, 44100, 4410}, {500, 0, 0},
                                        {-5, 44100, 0}, {int64_t(1) << 60, 1, AudioCd::kFrameLimit}};
        for (const auto& row : converted) QCOMPARE(AudioCd::CdFrames(row[0], int(row[1])), row[2]);
        const int64_t stretched[][3] = {
            {44100, 75, 58800}, {1000, 150, 667}, {1001, 95, 1054}, {7, 55, 13}, {2000, 105, 1905}};
        for (const auto& row : stretched) QCOMPARE(AudioCd::StretchedFrames(row[0], int(row[1])), row[2]);
        const int64_t paused[][3] = {
            {1001, 75, 751}, {3, 50, 2}, {2, 25, 1}, {10, 33, 3},
            {AudioCd::kMaxWavFrames, AudioCd::kMaxLengthPauseHundredths, AudioCd::kMaxWavFrames * 1000}};
        for (const auto& row : paused) QCOMPARE(AudioCd::LengthPauseFrames(row[0], int(row[1])), row[2]);
        // The largest CD-format WAV: header and samples within 2^32 - 1 bytes.
        QVERIFY(AudioCd::kWavHeaderBytes + AudioCd::kMaxWavFrames * 4 <= 0xFFFFFFFFll &&
                AudioCd::kWavHeaderBytes + (AudioCd::kMaxWavFrames + 1) * 4 > 0xFFFFFFFFll);
        // A pause in quarters (the playlist's unit) reaches joinwav in hundredths.
        QCOMPARE(AudioCd::LengthPauseArgument(LengthPauseHundredths(3)), std::string("--length-pause=0.75"));
        QCOMPARE(AudioCd::LengthPauseArgument(LengthPauseHundredths(12)), std::string("--length-pause=3.00"));
    }
};

QTEST_GUILESS_MAIN(TestCdAudio)
#include "test_cdaudio.moc"
