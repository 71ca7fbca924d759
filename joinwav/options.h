#pragma once
// joinwav's command line: the options, the inputs in joining order (list
// files read) and the output (see main.cpp for the whole syntax).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A decimal number in hundredths ("1.5" is 150), at most 1000; -1 for
// anything else.
long Hundredths(const std::string& text);

// The inputs in joining order. A track names a few files many times over,
// so each file is kept once and the order as numbers.
struct InputList {
    std::vector<std::string> files;
    std::vector<uint32_t> order;
    std::map<std::string, uint32_t> numbers;

    void add(const std::string& path);
    // An argument @FILE names a text file listing inputs, one per line;
    // empty when read, else why not.
    std::string addArgument(const std::string& argument);
};

struct JoinRequest {
    int speedPercent = 100;  // --speed, in hundredths
    InputList inputs;
    std::string output;
};

// Reads the arguments after the program name into `request`; empty when
// they make a join, else why not.
std::string ParseJoinArguments(const std::vector<std::string>& args, JoinRequest* request);

// Whether an input is a length pause, "--length-pause=K".
bool IsLengthPause(const std::string& input);
// Its K in hundredths; -1 when K is no number.
long LengthPauseHundredths(const std::string& input);

inline std::string InQuotes(const std::string& text) { return "\"" + text + "\""; }
