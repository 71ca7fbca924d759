#include "tools/stepscheduler.h"

#include "tools/processwrap.h"
#include "tools/toolpool.h"

#include <QFile>
#include <QMetaObject>

StepScheduler::StepScheduler(int width, int stallSeconds, QObject* parent)
    : QObject(parent), pool(std::make_unique<ToolPool>(width)) {
    pool->SetStallLimit(stallSeconds);
    connect(pool.get(), &ToolPool::CannotRun, this, &StepScheduler::CannotRun);
}

StepScheduler::~StepScheduler() = default;

void StepScheduler::Run(Work* first, std::vector<Work*> all) {
    prologue = first;
    works = std::move(all);
    nextWork = 0;
    inFlight = 0;
    prologueDone = prologue == nullptr;
    stopping = allDone = false;
    unstartable.clear();
    QMetaObject::invokeMethod(this, &StepScheduler::Kick, Qt::QueuedConnection);
}

void StepScheduler::Kick() {
    if (!prologue || stopping) return LaunchWorks();
    ++inFlight;
    Advance(*prologue);
}

void StepScheduler::Stop() {
    if (stopping || allDone) return;
    stopping = true;
    // Dropped commands report at once, killed tools once their end is seen.
    pool->StopAll();
    LaunchWorks();
}

void StepScheduler::LaunchWorks() {
    if (launching || allDone) return;  // a work ended while the loop below started it
    launching = true;
    while (!stopping && prologueDone && inFlight < pool->Width() + 1 && nextWork < works.size()) {
        ++inFlight;
        Advance(*works[nextWork++]);
    }
    launching = false;
    const bool nothingLeft = stopping || (prologueDone && nextWork == works.size());
    if (inFlight == 0 && nothingLeft) {
        allDone = true;
        if (onAllDone) onAllDone();
    }
}

void StepScheduler::Advance(Work& work) {
    while (!stopping && work.next < work.steps.size()) {
        const Step& step = work.steps[work.next++];
        if (Skipped(work, step)) {
            if (onStepCounted) onStepCounted();
            continue;
        }
        if (!step.log.isEmpty() && onLog) onLog(work, step.log);
        if (!step.local) {
            if (StartTool(work, step)) return;
            continue;
        }
        if (const Problem problem = step.local()) Failed(work, step, problem.Text());
        if (onStepCounted) onStepCounted();
    }
    if (stopping && work.next < work.steps.size()) work.stopped = true;
    WorkDone(work);
}

bool StepScheduler::Skipped(const Work& work, const Step& step) const {
    if (step.part >= 0 && work.failedParts.count(step.part)) return true;
    return step.needsWholeWork && work.failed;
}

bool StepScheduler::StartTool(Work& work, const Step& step) {
    // A tool that could not be started will not start for the next work
    // either; trying again would only repeat the same complaint.
    const QString program = step.command.value(0);
    if (unstartable.count(program)) {
        Failed(work, step, ProcessWrap::NotStartedText(program));
        if (onStepCounted) onStepCounted();
        return false;
    }
    // Whatever lies at the output path now is not this run's result.
    if (!step.output.isEmpty()) QFile::remove(step.output);
    pool->Run(
        step.command, [this, &work, &step](const ProcessWrap* run) { ToolEnded(work, step, run); }, step.output);
    return true;
}

void StepScheduler::ToolEnded(Work& work, const Step& step, const ProcessWrap* run) {
    if (stopping || !run) {
        // Half made: whatever the tool wrote is no result.
        if (!step.output.isEmpty()) QFile::remove(step.output);
        work.stopped = true;
        return WorkDone(work);
    }
    if (run->LastOutcome() == ProcessWrap::Outcome::FailedToStart) unstartable.insert(step.command.value(0));
    QString why = run->FailureText();
    if (why.isEmpty() && step.judge) why = step.judge().Text();
    if (!why.isEmpty()) {
        if (!step.output.isEmpty()) QFile::remove(step.output);
        Failed(work, step, why);
    }
    if (onStepCounted) onStepCounted();
    Advance(work);
}

void StepScheduler::Failed(Work& work, const Step& step, const QString& why) {
    work.failed = true;
    if (step.part >= 0) work.failedParts.insert(step.part);
    if (onFailed) onFailed(work, step, why);
}

void StepScheduler::WorkDone(Work& work) {
    work.done = true;
    --inFlight;
    if (&work == prologue) prologueDone = true;
    if (onWorkDone) onWorkDone(work);
    LaunchWorks();
}
