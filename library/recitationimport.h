#pragma once
// The job that imports a folder of per-aya recordings while a window stays
// responsive: the pack import runs on a thread of its own and reports back
// on the job's thread; Cancel stops it between two files. Progress counts
// the packs once they are known; the log gets a line per pack written and,
// at the end, the report (ReportLines).

#include "library/packimport.h"
#include "tools/job.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

class QThread;

class RecitationImport : public Job {
    Q_OBJECT
public:
    explicit RecitationImport(QObject* parent = nullptr);
    // Stops a running import and waits for its thread.
    ~RecitationImport() override;

    // Scans `sourceFolder` and writes its packs into `packFolder`. Returns
    // at once; Finished follows.
    void Start(const QString& sourceFolder, const QString& packFolder);

    // The reciter's name, stored in every pack written (empty: none).
    void SetReciter(const QString& name) { reciter = name; }

    // Valid once Finished was sent.
    const PackImportResult& Imported() const { return result; }

    // What the user is told afterwards, one line each: the packs written
    // with the ayas they hold and miss, then every file left out and why,
    // then why the import stopped, if it did.
    static QStringList ReportLines(const PackImportResult& result, bool cancelled);

protected:
    void Begin() override;
    void Stop() override { cancelFlag = true; }
    void CancelledBeforeBegin() override;

private:
    void Run();
    void Done();
    // From the worker: `report` runs on the job's thread.
    void Report(std::function<void()> report);

    QString sourceFolder, packFolder, reciter;

    QThread* worker = nullptr;
    std::atomic<bool> cancelFlag{false};
    PackImportResult result;  // written by the worker, read after it ended
    bool cancelled = false;
    bool ok = false;
};
