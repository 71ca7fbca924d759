#pragma once
// Runs the tool commands of one job, up to a set number at a time, each on a
// runner of its own. A command waits in line while every runner is busy.
// When its tool has ended, the command's callback gets the runner that ran
// it (outcome, status, output). StopAll ends the job's tools at once; every
// command's callback still comes exactly once, so that its owner can count
// on it. A callback must not delete the pool; its owner uses deleteLater.

#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "tools/processwrap.h"

class ToolPool : public QObject {
    Q_OBJECT
public:
    // `run` is the runner that ran the command, or null for a command that
    // StopAll dropped before it started.
    using Done = std::function<void(const ProcessWrap* run)>;

    explicit ToolPool(int width = 1, QObject* parent = nullptr);
    ~ToolPool() override;

    int Width() const { return int(runners.size()); }
    // Starts the command now, or as soon as a runner is free. `output`, when
    // given, is the file the tool writes: its growth counts as a sign of life.
    void Run(const QStringList& args, Done done, const QString& output = QString());
    // A tool silent for this many seconds is stopped (see ProcessWrap).
    void SetStallLimit(int seconds);
    // Kills every running tool and drops the waiting commands. The callbacks
    // of dropped commands come at once (with a null runner), those of killed
    // tools once the kill has been seen (outcome Killed).
    void StopAll();

signals:
    // A program could not be started (once per run that tried).
    void CannotRun(const QString& program);

private:
    struct Lane {
        std::unique_ptr<ProcessWrap> runner;
        Done done;              // set while the lane's tool runs
        bool inCallback = false;  // the lane's callback runs; new commands wait in line
    };
    struct Waiting {
        QStringList args;
        Done done;
        QString output;
    };

    void StartOn(Lane& lane, Waiting command);
    void LaneDone(Lane& lane);

    std::vector<Lane> runners;
    std::deque<Waiting> waiting;
};
