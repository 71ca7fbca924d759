#include "tools/job.h"

#include <QMetaObject>
#include <QPointer>

Job::Job(QObject* parent) : QObject(parent) {}

Job::~Job() = default;

bool Job::Launch() {
    if (running) return false;
    running = true;
    cancelRequested = concluded = false;
    shownStep = shownTotal = 0;
    outcome = Outcome::Done;
    reasons.clear();
    unstartable.clear();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (cancelRequested)
                CancelledBeforeBegin();
            else
                Begin();
        },
        Qt::QueuedConnection);
    return true;
}

void Job::Cancel() {
    if (!running || concluded || cancelRequested) return;
    cancelRequested = true;
    Stop();
}

void Job::SetProgress(int step, int total) {
    if (total == shownTotal && step < shownStep) return;
    shownStep = step;
    shownTotal = total;
    emit ProgressChanged(step, total);
}

void Job::ReportCannotRun(const QString& program) {
    if (unstartable.contains(program)) return;
    unstartable.insert(program);
    emit CannotRun(program);
}

void Job::Conclude(Outcome result, const QStringList& why) {
    if (!running || concluded) return;
    concluded = true;
    outcome = result;
    reasons = why;
    // The caller may be deep inside Cancel or a tool's report; whoever
    // listens may delete the job on Finished.
    QMetaObject::invokeMethod(
        this,
        [this] {
            running = false;
            emit Finished(outcome);
        },
        Qt::QueuedConnection);
}

void Job::ForwardReports(Job& part) {
    connect(&part, &Job::StatusChanged, this, &Job::StatusChanged);
    connect(&part, &Job::LogLine, this, &Job::LogLine);
    connect(&part, &Job::CannotRun, this, &Job::ReportCannotRun);
}
