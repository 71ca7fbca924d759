#pragma once
// Runs chains of steps, each chain (a "work") one step after another, many
// chains side by side: a step is quick work done in-process or one tool run
// on a ToolPool lane. A prologue work runs alone first (what every other
// work needs); then the works start in their order, one more at a time
// than the pool has lanes, so that the lanes stay busy while a work does
// its in-process steps. The scheduler knows nothing of what the steps make.
//
// Stop kills the running tools and drops the waiting ones; every work that
// was started still reports done (marked stopped), and AllDone follows.

#include "tools/problem.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class ProcessWrap;
class ToolPool;

struct Step {
    // The report of a failure, made from its reason.
    using Describe = std::function<QString(const QString& why)>;

    QString log;                     // reported as the step starts
    int part = -1;                   // a part's step: skipped once that part failed
    bool needsWholeWork = false;     // skipped once anything of the work failed
    std::function<Problem()> local;  // in-process work; else the tool below
    QStringList command;             // the tool to run
    QString output;                  // the file the tool makes: removed before it runs and after it failed
    std::function<Problem()> judge;  // a tool that ended well: whether what it left is good
    Describe failure;                // none: the reason is the report
};

struct Work {
    std::vector<Step> steps;
    size_t next = 0;
    std::set<int> failedParts;
    bool failed = false;
    bool stopped = false;  // stopped before its last step
    bool done = false;
};

class StepScheduler : public QObject {
    Q_OBJECT
public:
    StepScheduler(int width, int stallSeconds, QObject* parent = nullptr);
    ~StepScheduler() override;

    // The owner hears of each work's progress through these.
    std::function<void(Work&, const QString& line)> onLog;
    std::function<void(Work&, const Step&, const QString& why)> onFailed;
    std::function<void(Work&)> onWorkDone;
    std::function<void()> onStepCounted;
    std::function<void()> onAllDone;

    // Starts `prologue` (may be null), then `works` in order. The works must
    // outlive the run. onAllDone comes from the event loop or from inside
    // Stop, never from inside Run.
    void Run(Work* prologue, std::vector<Work*> works);
    void Stop();
    bool Stopping() const { return stopping; }

signals:
    void CannotRun(const QString& program);

private:
    void Kick();
    void LaunchWorks();
    void Advance(Work& work);
    bool Skipped(const Work& work, const Step& step) const;
    bool StartTool(Work& work, const Step& step);
    void ToolEnded(Work& work, const Step& step, const ProcessWrap* run);
    void Failed(Work& work, const Step& step, const QString& why);
    void WorkDone(Work& work);

    std::unique_ptr<ToolPool> pool;
    Work* prologue = nullptr;
    std::vector<Work*> works;
    std::set<QString> unstartable;  // tools that could not be started in this run
    size_t nextWork = 0;
    int inFlight = 0;
    bool prologueDone = false;
    bool launching = false;
    bool stopping = false;
    bool allDone = false;
};
