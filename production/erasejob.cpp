#include "production/erasejob.h"

#include "production/cdrdao.h"
#include "production/cdrdaoadvice.h"
#include "production/drivescan.h"

EraseJob::EraseJob(QObject* parent) : Job(parent) {
    connect(&run, &ProcessWrap::CannotRun, this, &EraseJob::ReportCannotRun);
    connect(&run, &ProcessWrap::ProcessDone, this, &EraseJob::Ended);
}

bool EraseJob::Erase(const QString& chosen) {
    if (Running()) return false;
    device = chosen;
    return Launch();
}

void EraseJob::Begin() {
    notice.clear();
    SetStatus(tr("Erasing CD-RW ..."));
    SetProgress(0, 1);
    Log(tr("Starting erase of CD-RW..."));
    run.RunCommand(Cdrdao::BlankCommand(device));
}

void EraseJob::Stop() { run.KillIt(); }

void EraseJob::Ended() {
    if (run.LastOutcome() == ProcessWrap::Outcome::Killed) {
        Log(tr("Erasing cancelled; the disc is probably unusable."));
        return Conclude(Outcome::Cancelled);
    }
    // A writer that could not start or ended with a failure status has not
    // erased anything, whatever it printed.
    const QStringList lines = run.GetText();
    const bool failed = EraseFailed(lines) || !run.LastRunSucceeded();
    const QString advice = failed ? CdrdaoAdvice(lines) : QString();
    Log(failed ? tr("Erasing CD Failed") : tr("All done erasing CD!"));
    SetProgress(1, 1);
    if (!advice.isEmpty()) Log(advice);
    if (!failed) return Conclude(Outcome::Done);
    notice = advice.isEmpty() ? FirstErrorLine(lines) : advice;
    if (notice.isEmpty()) notice = run.FailureText();
    Conclude(Outcome::Failed, {tr("Erasing CD Failed: %1").arg(notice)});
}
