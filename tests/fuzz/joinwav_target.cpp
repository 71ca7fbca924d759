// Fuzz target for joinwav (see targets.cpp): its WAV reader, list file and
// options, with the property the core relies on: a join that succeeds
// writes CD audio exactly as long as planned from the input's header
// (production/cdaudio.h), and one that fails writes nothing.
//
// An input is three parts: the first line, the value of --speed (none when
// empty); up to a line "--", joinwav's @LIST file, every name in which
// stands for the one WAV below (length pauses stay as they are); the rest,
// the bytes of that WAV.

#include "joinwav/join.h"
#include "production/cdaudio.h"
#include "production/wavfile.h"

#include <QFile>

// The scratch files and the checks of targets.cpp.
QString AsFile(const uint8_t* data, size_t size, const QString& name);
void Check(bool holds, const char* what);

void JoinWav(const uint8_t* data, size_t size) {
    const auto WriteScratch = [](const char* name, const std::string& part) {
        return AsFile(reinterpret_cast<const uint8_t*>(part.data()), part.size(), name);
    };
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t speedEnd = std::min(bytes.find('\n'), bytes.size());
    const size_t listStart = std::min(speedEnd + 1, bytes.size());
    const size_t listEnd = std::min(bytes.find("\n--\n", speedEnd), bytes.size());
    const std::string wav = WriteScratch("in.wav", bytes.substr(std::min(listEnd + 4, bytes.size()))).toStdString();
    const QString output = WriteScratch("out.wav", "");
    QFile::remove(output);

    std::vector<std::string> args;
    if (speedEnd > 0) args = {"--speed", bytes.substr(0, speedEnd)};
    args.push_back("@" + WriteScratch("list.txt", bytes.substr(listStart, listEnd - std::min(listEnd, listStart))).toStdString());
    args.push_back(output.toStdString());
    JoinRequest request;
    if (!ParseJoinArguments(args, &request).empty()) return;
    for (std::string& input : request.inputs.files)
        if (!IsLengthPause(input)) input = wav;

    int64_t planned = 0;
    const bool refused = !PlanJoin(request, &planned).empty();
    if (!refused && planned > 60 * AudioCd::kRate) return;  // long joins only take time
    const bool joined = Join(request).empty();
    const WavInfo made = ReadWavInfo(output);
    Check(!(joined && refused), "refuses what cannot be planned");
    Check(joined == made.valid, "a failed join writes nothing");
    Check(!joined || (made.IsCdAudio() && made.Frames() == planned), "the join is as long as planned");
}
