#pragma once
// The arithmetic of CD audio that the core and joinwav must agree on to the
// frame: the core predicts how long a joined track plays (the disc's length,
// the job's checks), joinwav makes it. Plain C++ so that joinwav, which
// links no Qt, shares it.
//
// Frame counts are whole frames at 44.1 kHz. The functions saturate at
// kFrameLimit (800 years of audio) rather than overflow, so a nonsense
// length in a file header stays a nonsense length and never wraps around.

#include <cmath>
#include <cstdint>
#include <string>

namespace AudioCd {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBytesPerFrame = kChannels * 2;  // 16-bit samples
// cdrdao counts in blocks of 1/75 s.
constexpr int kBlocksPerSecond = 75;
constexpr int kFramesPerBlock = kRate / kBlocksPerSecond;  // 588

// A WAV file's sizes are 32-bit fields; the whole file stays within what
// they can describe. A CD-format WAV has a 44-byte header before its samples.
constexpr int64_t kMaxWavFileBytes = 0xFFFFFFFFll;
constexpr int64_t kWavHeaderBytes = 44;
constexpr int64_t kMaxWavFrames = (kMaxWavFileBytes - kWavHeaderBytes) / kBytesPerFrame;

constexpr int64_t kFrameLimit = int64_t(1) << 50;

// The recitation speed in hundredths: 0.75 plays in 4/3 of the time at the
// same pitch.
constexpr int kMinSpeedPercent = 50, kMaxSpeedPercent = 150;

// The frames a recording of `frames` at `rate` makes when converted to
// 44.1 kHz: the converted length rounded to the nearest frame, as soxr
// rounds it (its sum in double precision: ties fall either way, as it has
// them). No frames for no rate.
inline int64_t CdFrames(int64_t frames, int rate) {
    if (frames <= 0 || rate <= 0) return 0;
    if (rate == kRate) return frames < kFrameLimit ? frames : kFrameLimit;
    const double converted = std::floor(double(frames) / (double(rate) / kRate) + 0.5);
    return converted < double(kFrameLimit) ? int64_t(converted) : kFrameLimit;
}

// The frames `frames` at 44.1 kHz last at `percent` hundredths of the speed,
// rounded to the nearest frame: joinwav's stretch delivers exactly these,
// so the length is known before the work is done.
inline int64_t StretchedFrames(int64_t frames, int percent) {
    if (frames > kFrameLimit) frames = kFrameLimit;
    return (frames * 100 + percent / 2) / percent;
}

// A length pause: silence `hundredths` hundredths as long as the `frames`
// of recording before it, rounded to the nearest frame (half a frame up).
// A pause of K quarters is 25 K hundredths, with the same result.
inline int64_t LengthPauseFrames(int64_t frames, int hundredths) {
    if (frames > kFrameLimit) frames = kFrameLimit;
    // (frames * hundredths + 50) / 100, without the product overflowing.
    return frames / 100 * hundredths + (frames % 100 * hundredths + 50) / 100;
}

// joinwav's list token for a length pause: "--length-pause=0.75" stands
// for silence 0.75 times as long as the input before it.
inline const std::string kLengthPauseToken = "--length-pause=";
constexpr int kMaxLengthPauseHundredths = 100000;  // 1000 times the input
inline std::string LengthPauseArgument(int hundredths) {
    const std::string cents = std::to_string(100 + hundredths % 100);  // "1xx": two digits kept
    return kLengthPauseToken + std::to_string(hundredths / 100) + "." + cents.substr(1);
}

}  // namespace AudioCd
