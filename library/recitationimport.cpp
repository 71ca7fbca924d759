#include "library/recitationimport.h"

#include <QFile>
#include <QThread>

namespace {

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

RecitationImport::RecitationImport(QObject* parent) : Job(parent) {}

RecitationImport::~RecitationImport() {
    if (!worker) return;
    cancelFlag = true;
    worker->wait();
    delete worker;
}

void RecitationImport::Start(const QString& source, const QString& target) {
    if (Running()) return;
    sourceFolder = source;
    packFolder = target;
    Launch();
}

void RecitationImport::Begin() {
    cancelFlag = false;
    cancelled = ok = false;
    SetStatus("Reading the recordings ...");
    worker = QThread::create([this] { Run(); });
    connect(worker, &QThread::finished, this, &RecitationImport::Done);
    worker->start();
}

void RecitationImport::CancelledBeforeBegin() {
    result = PackImportResult();
    for (const QString& line : ReportLines(result, true)) Log(line);
    Conclude(Outcome::Cancelled);
}

void RecitationImport::Report(std::function<void()> report) {
    QMetaObject::invokeMethod(this, std::move(report), Qt::QueuedConnection);
}

// On the worker thread.
void RecitationImport::Run() {
    PackImport import;
    import.SetCancelFlag(&cancelFlag);
    import.SetReciter(reciter.toStdString());
    bool done = import.Scan(Local(sourceFolder));
    if (done) {
        const int total = import.PacksToWrite();
        Report([this, total] {
            SetStatus(QString("Writing %1 sura pack(s) ...").arg(total));
            SetProgress(0, total);
        });
        int written = 0;
        done = import.WritePacks(Local(packFolder), [&](const ImportedPack& pack) {
            const QString name = QString::fromStdString(pack.name);
            Report([this, name, n = ++written, total] {
                Log("Written " + name);
                SetProgress(n, total);
            });
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
    const QStringList report = ReportLines(result, cancelled);
    for (const QString& line : report) Log(line);
    if (ok) return Conclude(Outcome::Done);
    if (cancelled) return Conclude(Outcome::Cancelled);
    Conclude(Outcome::Failed, {result.error.empty() ? QString("Import failed.") : QString::fromStdString(result.error)});
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
