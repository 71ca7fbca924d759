#include "joinwav/join.h"

#include "production/cdaudio.h"

#include <SoundTouch.h>
#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int kCdRate = AudioCd::kRate;
constexpr int kCdChannels = AudioCd::kChannels;
constexpr sf_count_t kBlockFrames = 32768;

// A sound file held in memory, read through libsndfile's virtual I/O.
struct MemoryFile {
    const char* data;
    sf_count_t size;
    sf_count_t at = 0;

    static sf_count_t Length(void* file) { return static_cast<MemoryFile*>(file)->size; }
    static sf_count_t Tell(void* file) { return static_cast<MemoryFile*>(file)->at; }
    static sf_count_t Seek(sf_count_t offset, int whence, void* opaque) {
        MemoryFile& file = *static_cast<MemoryFile*>(opaque);
        const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? file.at : file.size;
        if (base + offset < 0 || base + offset > file.size) return -1;
        return file.at = base + offset;
    }
    static sf_count_t Read(void* buffer, sf_count_t count, void* opaque) {
        MemoryFile& file = *static_cast<MemoryFile*>(opaque);
        const sf_count_t got = std::min(count, file.size - file.at);
        std::copy_n(file.data + file.at, got, static_cast<char*>(buffer));
        file.at += got;
        return got;
    }
    static sf_count_t Write(const void*, sf_count_t, void*) { return 0; }
};

// One input sound file, open for reading for the lifetime of the object.
class SoundInput {
public:
    explicit SoundInput(const std::string& path) : path_(path) { setUp(sf_open(path.c_str(), SFM_READ, &info_)); }
    // A file in memory, known in messages by `name`; `file` outlives the object.
    SoundInput(const std::string& name, MemoryFile& file) : path_(name) {
        static SF_VIRTUAL_IO io{MemoryFile::Length, MemoryFile::Seek, MemoryFile::Read, MemoryFile::Write,
                                MemoryFile::Tell};
        setUp(sf_open_virtual(&io, SFM_READ, &info_, &file));
    }
    ~SoundInput() {
        if (file_) sf_close(file_);
    }
    SoundInput(const SoundInput&) = delete;
    SoundInput& operator=(const SoundInput&) = delete;

    // Empty when the file can be joined, otherwise why not.
    std::string problem() const {
        if (!file_) return "cannot read " + InQuotes(path_) + ": " + sf_strerror(nullptr);
        if (info_.channels < 1 || info_.channels > 2)
            return "cannot join " + InQuotes(path_) + ": it has " + std::to_string(info_.channels) +
                   " channels, only mono and stereo are supported";
        return std::string();
    }
    std::string readError() const { return "cannot read " + InQuotes(path_) + ": " + sf_strerror(file_); }
    std::string conversionError(const std::string& why) const {
        return "cannot convert " + InQuotes(path_) + " to 44.1 kHz: " + why;
    }

    SNDFILE* handle() const { return file_; }
    int channels() const { return info_.channels; }
    int rate() const { return info_.samplerate; }
    sf_count_t frames() const { return info_.frames; }

private:
    void setUp(SNDFILE* file) {
        file_ = file;
        // Float recordings read as 16-bit must clip rather than wrap around.
        if (file_) sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    }

    std::string path_;
    SF_INFO info_{};
    SNDFILE* file_ = nullptr;
};

// Where a join's interleaved stereo frames go: the output file, or memory.
class StereoTarget {
public:
    virtual ~StereoTarget() = default;
    virtual std::string write(const short* frames, sf_count_t count) = 0;
};

class StereoMemory : public StereoTarget {
public:
    explicit StereoMemory(std::vector<short>& frames) : frames_(frames) {}
    std::string write(const short* frames, sf_count_t count) override {
        frames_.insert(frames_.end(), frames, frames + count * kCdChannels);
        return std::string();
    }

private:
    std::vector<short>& frames_;
};

// The CD-format WAV being written. It lives in a temporary file beside the
// target until commit(); if it is never committed it is removed.
class CdWavOutput : public StereoTarget {
public:
    explicit CdWavOutput(std::string target) : target_(std::move(target)) {}
    ~CdWavOutput() { discard(); }
    CdWavOutput(const CdWavOutput&) = delete;
    CdWavOutput& operator=(const CdWavOutput&) = delete;

    std::string open() {
        tempPath_ = uniqueTempPath();
        SF_INFO info{};
        info.samplerate = kCdRate;
        info.channels = kCdChannels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        file_ = sf_open(tempPath_.c_str(), SFM_WRITE, &info);
        if (!file_) {
            const std::string why = sf_strerror(nullptr);
            tempPath_.clear();  // nothing was created
            return "cannot write " + InQuotes(target_) + ": " + why;
        }
        return std::string();
    }

    // Appends interleaved stereo frames.
    std::string write(const short* frames, sf_count_t count) override {
        frames_ += count;
        if (frames_ > AudioCd::kMaxWavFrames)
            return "cannot write " + InQuotes(target_) + ": the joined audio is larger than a WAV file can hold";
        if (sf_writef_short(file_, frames, count) != count)
            return "cannot write " + InQuotes(target_) + ": " + sf_strerror(file_);
        return std::string();
    }

    std::string commit() {
        const int closed = sf_close(file_);
        file_ = nullptr;
        if (closed != 0) return "cannot write " + InQuotes(target_) + ": " + sf_error_number(closed);
        std::error_code ec;
        std::filesystem::rename(tempPath_, target_, ec);
        if (ec) return "cannot write " + InQuotes(target_) + ": " + ec.message();
        tempPath_.clear();
        return std::string();
    }

private:
    std::string uniqueTempPath() const {
        std::mt19937_64 rng(std::random_device{}() ^
                            uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::string candidate;
        do {
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, ".%08llx.joinwav-tmp", (unsigned long long)(rng() & 0xFFFFFFFFull));
            candidate = target_ + suffix;
        } while (std::filesystem::exists(candidate));
        return candidate;
    }

    void discard() {
        if (file_) sf_close(file_);
        file_ = nullptr;
        if (!tempPath_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(tempPath_, ignored);
            tempPath_.clear();
        }
    }

    std::string target_;
    std::string tempPath_;
    SNDFILE* file_ = nullptr;
    sf_count_t frames_ = 0;
};

// Where an input's frames at 44.1 kHz go, in the input's channel count.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    virtual std::string write(const short* frames, sf_count_t count, int channels) = 0;
};

// Writes mono or stereo frames to the output as stereo. While an input is
// kept (see keepNext), what it adds is also kept, up to a bound.
class StereoWriter : public FrameSink {
public:
    explicit StereoWriter(StereoTarget& out) : out_(out) {}

    std::string write(const short* frames, sf_count_t count, int channels) override {
        written_ += count;
        if (channels != kCdChannels) {
            widened_.resize(size_t(count) * kCdChannels);
            for (sf_count_t i = 0; i < count; ++i) widened_[2 * i] = widened_[2 * i + 1] = frames[i];
            frames = widened_.data();
        }
        if (keeping_) keep(frames, count);
        return out_.write(frames, count);
    }

    std::string writeStereo(const std::vector<short>& frames) {
        written_ += sf_count_t(frames.size() / kCdChannels);
        return out_.write(frames.data(), sf_count_t(frames.size() / kCdChannels));
    }

    std::string writeSilence(sf_count_t count) {
        const std::vector<short> block(size_t(kBlockFrames) * kCdChannels, 0);
        for (; count > 0; count -= kBlockFrames) {
            const std::string problem = write(block.data(), std::min(count, kBlockFrames), kCdChannels);
            if (!problem.empty()) return problem;
        }
        return std::string();
    }

    // All frames written so far.
    sf_count_t written() const { return written_; }

    // Keeps what the next input adds in `kept`, which is left empty when
    // the input turns out to be larger than `limitBytes`.
    void keepNext(std::vector<short>* kept, size_t limitBytes) {
        keeping_ = kept;
        limitSamples_ = limitBytes / sizeof(short);
        overflowed_ = false;
    }
    void stopKeeping() {
        if (keeping_ && overflowed_) std::vector<short>().swap(*keeping_);
        keeping_ = nullptr;
    }

private:
    void keep(const short* frames, sf_count_t count) {
        const size_t samples = size_t(count) * kCdChannels;
        if (overflowed_ || keeping_->size() + samples > limitSamples_) {
            overflowed_ = true;
            return;
        }
        keeping_->insert(keeping_->end(), frames, frames + samples);
    }

    StereoTarget& out_;
    std::vector<short> widened_;
    std::vector<short>* keeping_ = nullptr;
    size_t limitSamples_ = 0;
    bool overflowed_ = false;
    sf_count_t written_ = 0;
};

// A 44.1 kHz input: its samples go across unchanged (16-bit PCM stays
// bit-exact because it is read as 16-bit integers).
std::string copyAtCdRate(SoundInput& in, FrameSink& out) {
    std::vector<short> block(size_t(kBlockFrames) * in.channels());
    for (;;) {
        const sf_count_t got = sf_readf_short(in.handle(), block.data(), kBlockFrames);
        if (got < 0) return in.readError();
        if (got == 0) return sf_error(in.handle()) ? in.readError() : std::string();
        const std::string problem = out.write(block.data(), got, in.channels());
        if (!problem.empty()) return problem;
    }
}

// Any other rate: converted to 44.1 kHz by a high-quality soxr stream in the
// input's own channel count (half the work for mono), without dither so that
// an input joined several times gives the same samples each time.
class RateConverter {
    // Fixed, not derived from the rate ratio: a file claiming a tiny rate
    // must not make the buffer huge. A full buffer is simply drained again.
    static constexpr size_t kOutCapacity = 65536;

public:
    explicit RateConverter(const SoundInput& in) : in_(in), channels_(in.channels()) {
        soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_INT16_I);
        io.flags |= SOXR_NO_DITHER;
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        soxr_ = soxr_create(in.rate(), kCdRate, unsigned(channels_), &error_, &io, &quality, nullptr);
        converted_.resize(kOutCapacity * size_t(channels_));
    }
    ~RateConverter() {
        if (soxr_) soxr_delete(soxr_);
    }
    RateConverter(const RateConverter&) = delete;
    RateConverter& operator=(const RateConverter&) = delete;

    std::string setupProblem() const { return error_ ? in_.conversionError(error_) : std::string(); }

    // Feeds frames (nullptr at the end of the input, to drain the filter).
    std::string feed(const float* frames, size_t count, FrameSink& out) {
        for (;;) {
            size_t used = 0, made = 0;
            error_ = soxr_process(soxr_, frames, count, &used, converted_.data(), kOutCapacity, &made);
            if (error_) return in_.conversionError(error_);
            if (made) {
                const std::string problem = out.write(converted_.data(), sf_count_t(made), channels_);
                if (!problem.empty()) return problem;
            }
            if (frames) {
                frames += used * size_t(channels_);
                count -= used;
            }
            if (made == 0 && used == 0)
                return count == 0 ? std::string() : in_.conversionError("the resampler made no progress");
        }
    }

private:
    const SoundInput& in_;
    int channels_;
    soxr_t soxr_ = nullptr;
    soxr_error_t error_ = nullptr;
    std::vector<short> converted_;
};

std::string convertToCdRate(SoundInput& in, FrameSink& out) {
    RateConverter converter(in);
    if (!converter.setupProblem().empty()) return converter.setupProblem();
    std::vector<float> block(size_t(kBlockFrames) * in.channels());
    for (;;) {
        const sf_count_t got = sf_readf_float(in.handle(), block.data(), kBlockFrames);
        if (got < 0 || (got == 0 && sf_error(in.handle()))) return in.readError();
        const std::string problem = got ? converter.feed(block.data(), size_t(got), out)
                                        : converter.feed(nullptr, 0, out);
        if (!problem.empty() || got == 0) return problem;
    }
}

// Time-stretches what passes through it, keeping the pitch (SoundTouch's
// overlap-add, made for speech), and delivers exactly `target` frames:
// the end is cut or filled with silence by the few frames it is off.
class Stretcher : public FrameSink {
public:
    Stretcher(FrameSink& out, int percent, int channels, sf_count_t target)
        : out_(out), channels_(channels), left_(target) {
        touch_.setSampleRate(kCdRate);
        touch_.setChannels(unsigned(channels));
        touch_.setTempo(percent / 100.0);
        touch_.setSetting(SETTING_USE_QUICKSEEK, 0);
    }

    std::string write(const short* frames, sf_count_t count, int channels) override {
        in_.resize(size_t(count) * size_t(channels));
        for (size_t i = 0; i < in_.size(); ++i) in_[i] = frames[i] / 32768.0f;
        touch_.putSamples(in_.data(), unsigned(count));
        return drain();
    }

    std::string finish() {
        touch_.flush();
        const std::string problem = drain();
        if (!problem.empty() || left_ == 0) return problem;
        const std::vector<short> silence(size_t(left_) * size_t(channels_), 0);
        return out_.write(silence.data(), left_, channels_);
    }

private:
    std::string drain() {
        constexpr unsigned kChunk = 8192;
        std::vector<float> got(size_t(kChunk) * size_t(channels_));
        for (unsigned n; (n = touch_.receiveSamples(got.data(), kChunk)) > 0;) {
            const sf_count_t take = std::min(sf_count_t(n), left_);
            out16_.resize(size_t(take) * size_t(channels_));
            for (size_t i = 0; i < out16_.size(); ++i)
                out16_[i] = short(std::lround(std::clamp(got[i] * 32768.0f, -32768.0f, 32767.0f)));
            left_ -= take;
            const std::string problem = take ? out_.write(out16_.data(), take, channels_) : std::string();
            if (!problem.empty()) return problem;
        }
        return std::string();
    }

    FrameSink& out_;
    int channels_;
    sf_count_t left_;
    soundtouch::SoundTouch touch_;
    std::vector<float> in_;
    std::vector<short> out16_;
};

std::string appendInput(SoundInput& in, int speedPercent, StereoWriter& out) {
    const std::string problem = in.problem();
    if (!problem.empty()) return problem;
    const auto pass = [&in](FrameSink& sink) {
        return in.rate() == kCdRate ? copyAtCdRate(in, sink) : convertToCdRate(in, sink);
    };
    if (speedPercent == 100) return pass(out);
    Stretcher stretcher(out, speedPercent, in.channels(),
                        AudioCd::StretchedFrames(AudioCd::CdFrames(in.frames(), in.rate()), speedPercent));
    const std::string stretched = pass(stretcher);
    return stretched.empty() ? stretcher.finish() : stretched;
}

std::string appendInput(const std::string& path, int speedPercent, StereoWriter& out) {
    SoundInput in(path);
    return appendInput(in, speedPercent, out);
}

// An input named several times (an aya and its pause, repeated) is read and
// converted once: its CD-format audio is kept and written again. Converting
// it again would give the very same samples, since the converter starts
// afresh for each input and does not dither.
class RepeatedInputs {
    // Bounds the memory a join may take for this; a larger input is simply
    // read again each time.
    static constexpr size_t kKeepLimitBytes = size_t(32) << 20;

public:
    explicit RepeatedInputs(const InputList& inputs) : kept_(inputs.files.size()), uses_(inputs.files.size()) {
        for (const uint32_t number : inputs.order) ++uses_[number];
    }

    std::string append(const InputList& inputs, uint32_t number, int speedPercent, StereoWriter& out) {
        std::vector<short>& audio = kept_[number];
        if (!audio.empty()) return out.writeStereo(audio);
        const std::string& path = inputs.files[number];
        if (uses_[number] < 2 || keptBytes_ >= kKeepLimitBytes) return appendInput(path, speedPercent, out);
        out.keepNext(&audio, kKeepLimitBytes - keptBytes_);
        const std::string problem = appendInput(path, speedPercent, out);
        out.stopKeeping();  // leaves `audio` empty when it was too large to keep
        uses_[number] = 0;  // kept, or not worth trying again
        keptBytes_ += audio.size() * sizeof(short);
        return problem;
    }

private:
    std::vector<std::vector<short>> kept_;
    std::vector<int> uses_;
    size_t keptBytes_ = 0;
};

}  // namespace

std::string PlanJoin(const JoinRequest& request, int64_t* frames) {
    const InputList& inputs = request.inputs;
    std::vector<int64_t> lengths(inputs.files.size(), -1);  // each file's, once read
    int64_t total = 0, lastInput = 0;
    for (const uint32_t number : inputs.order) {
        const std::string& input = inputs.files[number];
        if (IsLengthPause(input)) {
            const long times = LengthPauseHundredths(input);
            if (times < 0) return "cannot read the pause " + InQuotes(input);
            total = std::min(total + AudioCd::LengthPauseFrames(lastInput, int(times)), AudioCd::kFrameLimit);
            continue;
        }
        if (lengths[number] < 0) {
            const SoundInput in(input);
            if (!in.problem().empty()) return in.problem();
            const int64_t converted = AudioCd::CdFrames(in.frames(), in.rate());
            lengths[number] = request.speedPercent == 100 ? converted
                                                          : AudioCd::StretchedFrames(converted, request.speedPercent);
        }
        lastInput = lengths[number];
        total = std::min(total + lastInput, AudioCd::kFrameLimit);
    }
    if (total > AudioCd::kMaxWavFrames)
        return "cannot write " + InQuotes(request.output) + ": the joined audio is larger than a WAV file can hold";
    *frames = total;
    return std::string();
}

std::string Join(const JoinRequest& request) {
    const InputList& inputs = request.inputs;
    int64_t planned = 0;
    std::string problem = PlanJoin(request, &planned);
    if (!problem.empty()) return problem;
    CdWavOutput output(request.output);
    problem = output.open();
    if (!problem.empty()) return problem;
    StereoWriter writer(output);
    RepeatedInputs repeated(inputs);
    sf_count_t lastInput = 0;  // the frames of the file input just before
    for (const uint32_t number : inputs.order) {
        const std::string& input = inputs.files[number];
        if (IsLengthPause(input)) {
            // Silence K times as long as the input before it (K read by PlanJoin).
            problem = writer.writeSilence(AudioCd::LengthPauseFrames(lastInput, int(LengthPauseHundredths(input))));
        } else {
            const sf_count_t before = writer.written();
            problem = repeated.append(inputs, number, request.speedPercent, writer);
            lastInput = writer.written() - before;
        }
        if (!problem.empty()) return problem;
    }
    return output.commit();
}


std::string CdAudioOf(const std::string& name, const char* soundFile, size_t size, int speedPercent,
                      std::vector<short>* stereo) {
    stereo->clear();
    MemoryFile file{soundFile, sf_count_t(size)};
    SoundInput in(name, file);
    StereoMemory memory(*stereo);
    StereoWriter writer(memory);
    return appendInput(in, speedPercent, writer);
}
