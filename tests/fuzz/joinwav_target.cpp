// Fuzz target for joinwav (see targets.cpp): its WAV reader, list file and
// options, with the property the core relies on: a join that succeeds
// writes CD audio exactly as long as production/cdaudio.h predicts from
// the input's header.
//
// An input is three parts:
//   options      the first line, joinwav's arguments before the inputs
//                ("--speed 0.75" or nothing), split at spaces
//   list file    up to a line "--": joinwav's @LIST file; every name in it
//                stands for the one WAV below, tokens stay as they are
//   WAV          the rest: the bytes of that WAV

#include "joinwav/join.h"
#include "production/cdaudio.h"
#include "production/wavfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <sndfile.h>
#include <cstdio>
#include <cstdlib>

namespace {

// Long joins only take time: only short ones are made (60 s of CD audio).
constexpr int64_t kLongestJoin = 60 * AudioCd::kRate;

QTemporaryDir& JoinScratch() {
    static QTemporaryDir dir;
    return dir;
}

std::string Write(const std::string& name, const char* data, size_t size) {
    const QString path = JoinScratch().filePath(QString::fromStdString(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) abort();
    file.write(data, qint64(size));
    return path.toStdString();
}

std::vector<std::string> Options(const std::string& line) {
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t space; start <= line.size(); start = space + 1) {
        space = std::min(line.find(' ', start), line.size());
        const std::string word = line.substr(start, space - start);
        // A list file named in the options could be any file on the machine.
        if (!word.empty() && word[0] != '@') words.push_back(word);
    }
    return words;
}

bool IsLengthPause(const std::string& input) { return input.rfind(AudioCd::kLengthPauseToken, 0) == 0; }

constexpr int64_t kMustFail = -1, kTooLong = -2;

// The frames the join makes, from the input's header alone, or one of the
// two above.
int64_t PredictedFrames(const JoinRequest& request, const std::string& wav) {
    SF_INFO info{};
    SNDFILE* file = sf_open(wav.c_str(), SFM_READ, &info);
    if (!file) return kMustFail;
    sf_close(file);
    if (info.channels < 1 || info.channels > 2) return kMustFail;
    int64_t piece = AudioCd::CdFrames(info.frames, info.samplerate);
    if (request.speedPercent != 100) piece = AudioCd::StretchedFrames(piece, request.speedPercent);
    int64_t total = 0, last = 0;
    for (const uint32_t number : request.inputs.order) {
        const std::string& input = request.inputs.files[number];
        if (IsLengthPause(input)) {
            const long times = Hundredths(input.substr(AudioCd::kLengthPauseToken.size()));
            if (times < 0) return kMustFail;
            total += AudioCd::LengthPauseFrames(last, int(times));
        } else {
            total += last = piece;
        }
        if (total > kLongestJoin) return kTooLong;
    }
    return total;
}

}  // namespace

void JoinWav(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t optionsEnd = std::min(bytes.find('\n'), bytes.size());
    const size_t separator = bytes.find("\n--\n", optionsEnd);
    const size_t listEnd = std::min(separator, bytes.size());
    const size_t wavStart = separator == std::string::npos ? bytes.size() : separator + 4;
    if (!JoinScratch().isValid()) abort();
    const std::string list = Write("list.txt", bytes.data() + std::min(optionsEnd + 1, listEnd),
                                   listEnd - std::min(optionsEnd + 1, listEnd));
    const std::string wav = Write("in.wav", bytes.data() + wavStart, bytes.size() - wavStart);
    const std::string output = JoinScratch().filePath("out.wav").toStdString();
    QFile::remove(QString::fromStdString(output));

    std::vector<std::string> args = Options(bytes.substr(0, optionsEnd));
    args.push_back("@" + list);
    args.push_back(output);
    JoinRequest request;
    if (!ParseJoinArguments(args, &request).empty()) return;
    for (std::string& input : request.inputs.files)
        if (!IsLengthPause(input)) input = wav;

    const int64_t predicted = PredictedFrames(request, wav);
    if (predicted == kTooLong) return;
    const std::string problem = Join(request);
    const WavInfo made = ReadWavInfo(QString::fromStdString(output));
    if (predicted == kMustFail || !problem.empty()) {
        if (problem.empty()) fprintf(stderr, "fuzz check failed: joined what cannot be\n"), abort();
        if (made.valid) fprintf(stderr, "fuzz check failed: a failed join left output\n"), abort();
        return;
    }
    if (!made.IsCdAudio() || made.Frames() != predicted) {
        fprintf(stderr, "fuzz check failed: joined %lld frames, predicted %lld\n", (long long)made.Frames(),
                (long long)predicted);
        abort();
    }
}
