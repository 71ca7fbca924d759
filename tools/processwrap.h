#pragma once
// Runs one external program at a time, collects its output lines (standard
// output and standard error into one list) and turns two marker phrases into
// signals. RunCommand returns only when the program has ended; meanwhile the
// GUI thread keeps handling timers, repaints and queued slots, but no user
// input, and sleeps while nothing happens.

#include <QObject>
#include <QProcess>
#include <QStringList>

class ProcessWrap : public QObject {
    Q_OBJECT
public:
    enum class Outcome { NotRun, FailedToStart, Finished, Crashed, Killed };

    ProcessWrap();
    ~ProcessWrap() override;

    // How the last run ended. Finished covers every normal exit, whatever its
    // status; LastExitCode tells that status.
    Outcome LastOutcome() const { return outcome; }
    int LastExitCode() const { return exitCode; }
    // True when the last program started and exited normally with status 0.
    bool LastRunSucceeded() const { return outcome == Outcome::Finished && exitCode == 0; }

    // Output of one channel that does not yet form a whole line.
    struct ChannelBuffer {
        QByteArray pending;
        bool afterCr = false;  // the last line ended in CR; an LF next belongs to it
    };

public slots:
    void ReadFromStdout();
    void ReadFromStderr();
    // Virtual so that tests can record the command lines instead of running them.
    virtual void RunCommand(const QStringList& args);
    void FinishedRunning();
    bool IsRunning();
    QStringList GetText();
    void KillIt();

signals:
    void ProcessDone(const QStringList& lines);
    void ProcessMsg();
    void ErrorWritten();
    // The program could not be started; the window answers with its
    // "cannot run command" box, command-line programs with a message.
    void CannotRun(const QString& program);

protected:
    // For recording subclasses: set the outcome of a run they did not start.
    void SetOutcome(Outcome o, int code) { outcome = o; exitCode = code; }

private:
    void ProgramError(QProcess::ProcessError error);
    void ProgramEnded(int code, QProcess::ExitStatus status);
    void ReportCannotRun(const QString& program);
    void HandleQueuedLines();
    void EndRun();
    void StopWaiting();

    QProcess* process = nullptr;
    QStringList lines;
    Outcome outcome = Outcome::NotRun;
    int exitCode = 0;
    bool killed = false;

    ChannelBuffer stdoutBuffer;
    ChannelBuffer stderrBuffer;
    // Complete lines read but not yet matched against the markers.
    QStringList queuedLines;
    bool handlingLines = false;  // a marker's slot may be running nested
    bool endPending = false;     // the program has ended; the queue still drains
    bool runEnded = false;       // RunCommand may return
    bool waiting = false;        // inside RunCommand
    class QEventLoop* waitLoop = nullptr;
};
