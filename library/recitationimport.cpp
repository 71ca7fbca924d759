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
    SetStatus(tr("Reading the recordings ..."));
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
            SetStatus(tr("Writing %1 sura pack(s) ...").arg(QString::number(total)));
            SetProgress(0, total);
        });
        int written = 0;
        done = import.WritePacks(Local(packFolder), [&](const ImportedPack& pack) {
            const QString name = QString::fromStdString(pack.name);
            Report([this, name, n = ++written, total] {
                Log(tr("Written %1").arg(name));
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
    Conclude(Outcome::Failed, {result.error.empty() ? tr("Import failed.") : QString::fromStdString(result.error)});
}

QStringList RecitationImport::ReportLines(const PackImportResult& result, bool cancelled) {
    QStringList lines;
    for (const ImportedPack& pack : result.packs) {
        const QString name = QString::fromStdString(pack.name), held = QString::number(pack.ayasHeld),
                      inPack = QString::number(pack.ayasInPack);
        lines << (pack.missingRuns.empty() ? tr("%1: %2 of %3 ayas").arg(name, held, inPack)
                                           : tr("%1: %2 of %3 ayas, missing: %4")
                                                 .arg(name, held, inPack, QString::fromStdString(MissingRunsText(pack))));
    }
    for (const IgnoredFile& file : result.ignored)
        lines << tr("Ignored %1: %2")
                     .arg(QFile::decodeName(QByteArray::fromStdString(file.name)), QString::fromStdString(file.reason));
    if (cancelled)
        lines << tr("Import cancelled: the packs listed above were written; no other pack was changed.");
    else if (!result.error.empty())
        lines << tr("Import stopped: %1").arg(QString::fromStdString(result.error));
    return lines;
}
