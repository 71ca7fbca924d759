#include "tools/toolpool.h"

#include <algorithm>

ToolPool::ToolPool(int width, QObject* parent) : QObject(parent), runners(size_t(std::max(1, width))) {
    for (Lane& lane : runners) {
        lane.runner = std::make_unique<ProcessWrap>();
        ProcessWrap* runner = lane.runner.get();
        connect(runner, &ProcessWrap::CannotRun, this, &ToolPool::CannotRun);
        // The lane's address is stable: the vector never grows after this.
        connect(runner, &ProcessWrap::ProcessDone, this, [this, &lane] { LaneDone(lane); });
    }
}

ToolPool::~ToolPool() {
    waiting.clear();
    for (Lane& lane : runners) lane.done = nullptr;
    // Each runner kills its program as it goes.
}

void ToolPool::Run(const QStringList& args, Done done, const QString& output) {
    for (Lane& lane : runners)
        if (!lane.done && !lane.inCallback) return StartOn(lane, Waiting{args, std::move(done), output});
    waiting.push_back(Waiting{args, std::move(done), output});
}

void ToolPool::SetStallLimit(int seconds) {
    for (Lane& lane : runners) lane.runner->SetStallLimit(seconds);
}

void ToolPool::StartOn(Lane& lane, Waiting command) {
    lane.done = std::move(command.done);
    lane.runner->WatchOutput(command.output);
    lane.runner->RunCommand(command.args);
}

void ToolPool::LaneDone(Lane& lane) {
    Done done = std::move(lane.done);
    lane.done = nullptr;
    lane.inCallback = true;
    if (done) done(lane.runner.get());
    lane.inCallback = false;
    if (lane.done || waiting.empty()) return;
    Waiting next = std::move(waiting.front());
    waiting.pop_front();
    StartOn(lane, std::move(next));
}

void ToolPool::StopAll() {
    for (Lane& lane : runners)
        if (lane.done) lane.runner->KillIt();
    // A callback may add a command; it waits for the next StopAll.
    std::deque<Waiting> dropped;
    dropped.swap(waiting);
    for (Waiting& command : dropped)
        if (command.done) command.done(nullptr);
}
