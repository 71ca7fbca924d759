#pragma once
// The job that erases a CD-RW with "cdrdao blank". It has no stall limit: a
// long blank may print nothing for minutes, and stopping it spoils the
// disc (CancelSpoils).

#include "tools/job.h"
#include "tools/processwrap.h"

#include <QString>

class EraseJob : public Job {
    Q_OBJECT
public:
    explicit EraseJob(QObject* parent = nullptr);

    // Starts erasing the disc in `device`; false while running.
    bool Erase(const QString& device);
    bool CancelSpoils() const override { return Running(); }
    // After a failure: what the user is told (advice, or cdrdao's own error).
    QString FailureNotice() const { return notice; }

protected:
    void Begin() override;
    void Stop() override;

private:
    void Ended();

    ProcessWrap run;
    QString device;
    QString notice;
};
