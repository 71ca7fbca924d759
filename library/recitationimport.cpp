#include "library/recitationimport.h"

#include <QFile>
#include <QThread>

namespace {

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

RecitationImport::RecitationImport(QObject* parent) : QObject(parent) {}

RecitationImport::~RecitationImport() {
    if (!worker) return;
    cancelFlag = true;
    worker->wait();
    delete worker;
}

void RecitationImport::Start(const QString& sourceFolder, const QString& packFolder) {
    if (worker) return;
    cancelFlag = false;
    cancelled = ok = false;
    worker = QThread::create([this, sourceFolder, packFolder] { Run(sourceFolder, packFolder); });
    connect(worker, &QThread::finished, this, &RecitationImport::Done);
    worker->start();
}

// On the worker thread: signals cross to the receivers' threads queued.
void RecitationImport::Run(const QString& sourceFolder, const QString& packFolder) {
    PackImport import;
    import.SetCancelFlag(&cancelFlag);
    bool done = import.Scan(Local(sourceFolder));
    if (done) {
        const int total = import.PacksToWrite();
        emit Scanned(total);
        int written = 0;
        done = import.WritePacks(Local(packFolder), [&](const ImportedPack& pack) {
            emit PackWritten(++written, total, QString::fromStdString(pack.name));
        });
    }
    result = import.Result();
    cancelled = import.Cancelled();
    ok = done;
}

void RecitationImport::Done() {
    worker->wait();
    worker->deleteLater();
    worker = nullptr;
    emit Finished(ok);
}

QStringList RecitationImport::ReportLines(const PackImportResult& result, bool cancelled) {
    QStringList lines;
    for (const ImportedPack& pack : result.packs) {
        QString line = QString("%1: %2 of %3 ayas").arg(QString::fromStdString(pack.name)).arg(pack.ayasHeld).arg(pack.ayasInPack);
        if (!pack.missingRuns.empty()) line += ", missing: " + QString::fromStdString(MissingRunsText(pack));
        lines << line;
    }
    for (const IgnoredFile& file : result.ignored)
        lines << QString("Ignored %1: %2").arg(QFile::decodeName(QByteArray::fromStdString(file.name)), QString::fromStdString(file.reason));
    if (cancelled)
        lines << "Import cancelled: the packs listed above were written; no other pack was changed.";
    else if (!result.error.empty())
        lines << "Import stopped: " + QString::fromStdString(result.error);
    return lines;
}
