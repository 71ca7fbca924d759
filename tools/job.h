#pragma once
// The one contract of every long task (making tracks, writing or erasing a
// disc, importing a recitation):
// - a job is started by its own method (it takes the job's inputs), which
//   returns at once; the work begins from the event loop;
// - it reports a one-line status, progress as step n of N that never goes
//   back, log lines for the progress log, and programs it could not run;
// - Cancel may be called at any moment, any number of times; the job stops
//   its tools and removes what it half made;
// - then comes exactly one Finished, with the outcome: done, failed (with
//   the reasons) or cancelled. It is never sent from inside Start or Cancel.
// A job destroyed while it runs stops its tools and removes its working
// files without reporting.
// Front ends (the progress dialog, norvane-make, norvane-pack) are written
// once against this class.

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class Job : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Done, Failed, Cancelled };

    explicit Job(QObject* parent = nullptr);
    ~Job() override;

    // Asks the job to stop; Finished(Cancelled) follows soon, unless the job
    // had already ended by itself.
    void Cancel();
    bool Running() const { return running; }
    bool CancelRequested() const { return cancelRequested; }
    // Whether stopping now spoils something that cannot be mended (a disc
    // half written or half erased): the window asks the user first.
    virtual bool CancelSpoils() const { return false; }

    // Valid once Finished was sent.
    Outcome Result() const { return outcome; }
    // Why a failed job failed, one line each.
    const QStringList& Reasons() const { return reasons; }

signals:
    void StatusChanged(const QString& text);
    void ProgressChanged(int step, int total);
    void LogLine(const QString& line);
    // A program could not be started; said once per program and job.
    void CannotRun(const QString& program);
    void Finished(Job::Outcome outcome);

protected:
    // Marks the job running and has Begin called from the event loop.
    // False, with nothing done, while the job still runs.
    bool Launch();
    // The work itself; called once per Launch, unless Cancel came first.
    virtual void Begin() = 0;
    // The first Cancel while running: stop the tools; Conclude must follow.
    virtual void Stop() = 0;
    // Cancel came before Begin: say so in the log if need be, and conclude.
    virtual void CancelledBeforeBegin() { Conclude(Outcome::Cancelled); }

    void SetStatus(const QString& text) { emit StatusChanged(text); }
    // Step n of N; a step below one already shown is not shown, so the bar
    // never goes back.
    void SetProgress(int step, int total);
    void Log(const QString& line) { emit LogLine(line); }
    void ReportCannotRun(const QString& program);
    // The job is over. Only the first call counts; Finished follows from
    // the event loop.
    void Conclude(Outcome result, const QStringList& why = {});
    // A job run as a part of this one: its status, log lines and tools
    // that could not run are this job's.
    void ForwardReports(Job& part);

private:
    bool running = false;
    bool cancelRequested = false;
    bool concluded = false;
    int shownStep = 0;
    int shownTotal = 0;
    Outcome outcome = Outcome::Done;
    QStringList reasons;
    QSet<QString> unstartable;
};
