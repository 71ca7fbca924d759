#pragma once
// Running a job from a command-line program: its status and log lines go
// to standard output (each log line with the progress figure in front, as
// the window's progress dialog would show them), a program it cannot run to
// standard error, and SIGINT or SIGTERM cancel it as the window's Cancel
// does. A second signal ends the program at once (the job's tools die with
// it and its working folder goes).

#include "tools/job.h"

#include <QString>
#include <QTextStream>
#include <functional>

// Standard output and standard error as text streams, shared by everything
// a command-line program prints.
QTextStream& Out();
QTextStream& Err();

struct TerminalStyle {
    QString program;        // prefixes the messages on standard error
    bool echoLog = true;    // status and log lines on standard output
};

// Starts the job through `start` and waits for its Finished. The exit
// status: 128 + the signal when one stopped the job, else 0 when it was
// done, else 1.
int RunJobOnTerminal(Job& job, const TerminalStyle& style, const std::function<void()>& start);
