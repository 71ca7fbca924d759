#pragma once
// Runs one external program and collects its output lines (standard output
// and standard error into one list), handing each to LineRead as it comes.
// RunCommand starts the program and returns at once; ProcessDone follows
// when it has ended, so the event loop (and with it the window, its timers
// and a Cancel button) keeps running meanwhile. Command-line programs and
// start-up code that have nothing else to do may block in WaitForDone.

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStringList>

class ProcessWrap : public QObject {
    Q_OBJECT
public:
    enum class Outcome { NotRun, FailedToStart, Finished, Crashed, Killed, Stalled };

    explicit ProcessWrap(QObject* parent = nullptr);
    ~ProcessWrap() override;

    // How the last run ended. Finished covers every normal exit, whatever its
    // status.
    Outcome LastOutcome() const { return outcome; }
    // True when the last program started and exited normally with status 0.
    bool LastRunSucceeded() const { return outcome == Outcome::Finished && exitCode == 0; }
    // Why the last run did not succeed, for a log line ("lame ended with
    // status 1 (its last line)"); empty after a success.
    QString FailureText() const;
    // What FailureText says of a program that could not be started.
    static QString NotStartedText(const QString& program);

    // Output of one channel that does not yet form a whole line.
    struct ChannelBuffer {
        QByteArray pending;
        bool afterCr = false;  // the last line ended in CR; an LF next belongs to it
    };

    // A program that neither prints a line nor grows its output for this
    // many seconds is killed, and its run ends as Stalled. 0: no limit.
    void SetStallLimit(int seconds) { stallLimitSeconds = seconds; }
    // The output file of the next run, watched for growth (together with
    // temporary files beside it whose names start with its name).
    void WatchOutput(const QString& path) { watchedOutput = path; }

    // Blocks, without an event loop, until the run has ended (the stall
    // limit still holds). ProcessDone and the markers are emitted from
    // inside the wait.
    void WaitForDone();

public slots:
    void ReadFromStdout();
    void ReadFromStderr();
    // Starts args[0] with the rest as its arguments, each handed over as it
    // stands (no shell). Ignored while a program of this runner still runs.
    void RunCommand(const QStringList& args);
    bool IsRunning() const;
    QStringList GetText() const;
    // Ends the running program at once (a kill, not a request).
    void KillIt();

signals:
    // The run is over: ended, killed, crashed or never started.
    void ProcessDone(const QStringList& lines);
    // One whole output line, in the order read. A slot may open a modal box:
    // lines that arrive meanwhile wait, and each is handed over once.
    void LineRead(const QString& line);
    // The program could not be started (emitted before ProcessDone).
    void CannotRun(const QString& program);

private:
    void ProgramError(QProcess::ProcessError error);
    void ProgramEnded(int code, QProcess::ExitStatus status);
    void SetOutcome(Outcome o, int code) { outcome = o; exitCode = code; }
    void HandleQueuedLines();
    void EndRun();
    void CheckForStall();
    qint64 WatchedBytes() const;

    QProcess* process = nullptr;
    QString program;
    QStringList lines;
    Outcome outcome = Outcome::NotRun;
    int exitCode = 0;
    bool killed = false;
    bool active = false;  // between RunCommand and ProcessDone
    bool stalled = false;

    int stallLimitSeconds = 0;
    QString watchedOutput;
    class QTimer* stallTimer = nullptr;
    qint64 quietSince = 0;  // ms on the run's clock when output was last seen
    qint64 lastWatchedBytes = 0;
    QElapsedTimer runClock;

    ChannelBuffer stdoutBuffer;
    ChannelBuffer stderrBuffer;
    // Complete lines read but not yet handed to LineRead.
    QStringList queuedLines;
    bool handlingLines = false;  // a LineRead slot may be running nested
    bool endPending = false;     // the program has ended; the queue still drains
};
