#pragma once
// Importing a folder of per-aya recordings while a window stays responsive:
// the pack import runs on a thread of its own and reports back through
// signals; Cancel stops it between two files.

#include "library/packimport.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>

class QThread;

class RecitationImport : public QObject {
    Q_OBJECT
public:
    explicit RecitationImport(QObject* parent = nullptr);
    // Stops a running import and waits for its thread.
    ~RecitationImport() override;

    // Scans `sourceFolder` and writes its packs into `packFolder`. Returns
    // at once; Finished follows.
    void Start(const QString& sourceFolder, const QString& packFolder);
    void Cancel() { cancelFlag = true; }
    bool Running() const { return worker != nullptr; }

    // Valid once Finished was sent.
    const PackImportResult& Result() const { return result; }
    bool WasCancelled() const { return cancelled; }

    // What the user is told afterwards, one line each: the packs written
    // with the ayas they hold and miss, then every file left out and why,
    // then why the import stopped, if it did.
    static QStringList ReportLines(const PackImportResult& result, bool cancelled);

signals:
    void Scanned(int packsToWrite);
    void PackWritten(int written, int total, const QString& packName);
    void Finished(bool ok);

private:
    void Run(const QString& sourceFolder, const QString& packFolder);
    void Done();

    QThread* worker = nullptr;
    std::atomic<bool> cancelFlag{false};
    PackImportResult result;  // written by the worker, read after it ended
    bool cancelled = false;
    bool ok = false;
};
