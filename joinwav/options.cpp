#include "joinwav/options.h"

#include "production/cdaudio.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A decimal number in hundredths ("1.5" is 150); -1 for anything else.
long Hundredths(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < 0 ||
        value * 100 > AudioCd::kMaxLengthPauseHundredths)
        return -1;
    const long rounded = std::lround(value * 100);
    return std::abs(value * 100 - double(rounded)) < 1e-6 ? rounded : -1;
}

bool IsLengthPause(const std::string& input) { return input.rfind(AudioCd::kLengthPauseToken, 0) == 0; }

long LengthPauseHundredths(const std::string& input) {
    return Hundredths(input.substr(AudioCd::kLengthPauseToken.size()));
}

void InputList::add(const std::string& path) {
    const auto known = numbers.emplace(path, uint32_t(files.size()));
    if (known.second) files.push_back(path);
    order.push_back(known.first->second);
}

std::string InputList::addArgument(const std::string& argument) {
    if (argument.size() < 2 || argument[0] != '@') {
        add(argument);
        return std::string();
    }
    const std::string listPath = argument.substr(1);
    std::FILE* list = std::fopen(listPath.c_str(), "rb");
    if (!list) return "cannot read the input list " + InQuotes(listPath) + ": " + std::strerror(errno);
    std::string line;
    for (int c; (c = std::fgetc(list)) != EOF;) {
        if (c != '\n') {
            line += char(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) add(line);
        line.clear();
    }
    const bool failed = std::ferror(list);
    std::fclose(list);
    if (failed) return "cannot read the input list " + InQuotes(listPath);
    if (!line.empty()) add(line);
    return std::string();
}

std::string ParseJoinArguments(const std::vector<std::string>& args, JoinRequest* request) {
    if (args.size() < 2)
        return args.empty() ? "no input files given" : "no input files to join into " + InQuotes(args.back());
    size_t first = 0;
    if (args.size() > 2 && args[0] == "--speed") {
        const long percent = Hundredths(args[1]);
        if (percent < AudioCd::kMinSpeedPercent || percent > AudioCd::kMaxSpeedPercent)
            return "the speed must be a number from 0.5 to 1.5 in hundredths, not " + InQuotes(args[1]);
        request->speedPercent = int(percent);
        first = 2;
    }
    for (size_t i = first; i + 1 < args.size(); ++i) {
        const std::string problem = request->inputs.addArgument(args[i]);
        if (!problem.empty()) return problem;
    }
    request->output = args.back();
    if (request->inputs.order.empty()) return "no input files to join into " + InQuotes(request->output);
    return std::string();
}
