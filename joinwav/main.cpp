// joinwav [--speed S] IN1 IN2 ... OUT
//
// Writes OUT as one WAV whose audio is the inputs one after the other, in
// argument order (an input may be named several times). An argument @LIST
// stands for the inputs that the text file LIST names, one per line, so
// that a long track does not need a command line of its length. An input
// "--length-pause=K" is silence K times as long as the input before it.
// With --speed S (0.5 to 1.5, in hundredths) every input is played S times
// as fast, keeping its pitch. OUT is always CD
// audio: 44.1 kHz, 16-bit PCM, stereo. Mono inputs are copied to both
// channels, other sample rates are converted; inputs with more than two
// channels are refused, because no single down-mix suits every layout and
// the recitation recordings are mono or stereo anyway.
//
// Nothing is printed on success (status 0). On any failure a message naming
// the file goes to standard error, the status is 1 and OUT is left as it was:
// the audio goes to a temporary file beside OUT that is renamed over it only
// when complete.

#include "joinwav/join.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2) std::fprintf(stderr, "usage: joinwav INPUT... OUTPUT\n");
    JoinRequest request;
    std::string problem = ParseJoinArguments(args, &request);
    if (problem.empty()) problem = Join(request);
    if (problem.empty()) return 0;
    std::fprintf(stderr, "joinwav: %s\n", problem.c_str());
    return 1;
}
