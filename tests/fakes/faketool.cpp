// A stand-in for the external tools, driven by a list of actions that run in
// order. Built into BUILD/fakes/faketool.
//
// Actions (the TEXT after the first colon is taken literally, colons and all):
//   out:TEXT     TEXT and LF on standard output
//   err:TEXT     TEXT and LF on standard error
//   rawout:TEXT  TEXT on standard output, no line end
//   cr:TEXT      TEXT and a lone CR on standard error (cdrdao's progress lines)
//   crlf:TEXT    TEXT and CR LF on standard output
//   sleep:MS     wait MS milliseconds
//   readstdin    read standard input to its end, then print "stdin:EOF N"
//                (N = bytes read) on standard output
//   exit:CODE    end now with status CODE
//   crash        abort (ends by a signal, no core file)
//   hang         wait forever, until killed
//   writelast:N  write N bytes into the file named by the last argument
//   exec:PATH    become the program PATH, with this program's arguments
//   ifarg:WORD   run the following actions only if one of the program's own
//                arguments equals WORD or ends in "/WORD"; the block ends at
//                `endif` or at the next ifarg (blocks do not nest)
//   endif        ends an ifarg block
// After the last action the program exits with status 0. Every write is
// flushed at once, so output on the two channels arrives in action order
// when sleeps separate them.
//
// Two ways to run it:
// - Without FAKETOOL_SCRIPT in the environment each argument is one action:
//     faketool "out:Writing track 01" sleep:50 "err:ERROR: no disc" exit:3
// - With it (as a wrapper called cdrdao, lame, ... first on PATH starts it),
//   the actions are read from that file, one per line (empty lines are
//   skipped, a CR before the LF is dropped). If FAKETOOL_ARGS_LOG names a
//   file, the program's own arguments are appended to it, one per line,
//   followed by the line "--end--" that closes each invocation, and its
//   process id to that name + ".pids". A script file that cannot be read
//   ends the program with status 99; an unknown action with 98.

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

void put(FILE* stream, const std::string& text, const char* lineEnd) {
    std::fputs(text.c_str(), stream);
    std::fputs(lineEnd, stream);
    std::fflush(stream);
}

void sleepMs(long ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void readStdinToEnd() {
    char buffer[4096];
    size_t total = 0, n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) total += n;
    put(stdout, "stdin:EOF " + std::to_string(total), "\n");
}

[[noreturn]] void crash() {
    rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::abort();
}

std::vector<std::string> readScript(const char* path) {
    std::vector<std::string> actions;
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "faketool: cannot read the script named by FAKETOOL_SCRIPT\n");
        std::exit(99);
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) actions.push_back(line);
    }
    return actions;
}

void logArguments(const std::vector<std::string>& args) {
    const char* logPath = std::getenv("FAKETOOL_ARGS_LOG");
    if (!logPath || !*logPath) return;
    std::ofstream log(logPath, std::ios::app);
    for (const std::string& arg : args) log << arg << '\n';
    log << "--end--\n";
    std::ofstream(std::string(logPath) + ".pids", std::ios::app) << getpid() << '\n';
}

bool hasArgument(const std::vector<std::string>& args, const std::string& word) {
    for (const std::string& arg : args)
        if (arg == word || (arg.size() > word.size() && arg.compare(arg.size() - word.size() - 1, std::string::npos,
                                                                   "/" + word) == 0))
            return true;
    return false;
}

void run(const std::vector<std::string>& actions, const std::vector<std::string>& args) {
    bool active = true;
    for (const std::string& action : actions) {
        const size_t colon = action.find(':');
        const std::string name = action.substr(0, colon);
        const std::string text = colon == std::string::npos ? std::string() : action.substr(colon + 1);
        if (name == "ifarg") { active = hasArgument(args, text); continue; }
        if (name == "endif") { active = true; continue; }
        if (!active) continue;

        if (name == "out") put(stdout, text, "\n");
        else if (name == "err") put(stderr, text, "\n");
        else if (name == "rawout") put(stdout, text, "");
        else if (name == "cr") put(stderr, text, "\r");
        else if (name == "crlf") put(stdout, text, "\r\n");
        else if (name == "sleep") sleepMs(std::atol(text.c_str()));
        else if (name == "readstdin") readStdinToEnd();
        else if (name == "exit") std::exit(std::atoi(text.c_str()));
        else if (name == "crash") crash();
        else if (name == "hang") for (;;) sleepMs(1000);
        else if (name == "writelast") std::ofstream(args.back(), std::ios::binary) << std::string(std::stoul(text), 'x');
        else if (name == "exec") {
            std::vector<char*> argv{const_cast<char*>(text.c_str())};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(text.c_str(), argv.data());
            std::exit(97);
        }
        else {
            std::fprintf(stderr, "faketool: unknown action '%s'\n", action.c_str());
            std::exit(98);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const char* script = std::getenv("FAKETOOL_SCRIPT");
    if (script) logArguments(args);
    run(script ? readScript(script) : args, args);
    return 0;
}
