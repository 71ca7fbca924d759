#include "library/recitationdownload.h"

#include "library/ayakey.h"
#include "library/mp3probe.h"
#include "library/mp3tags.h"
#include "library/packarchive.h"
#include "library/packimport.h"
#include "library/recitation.h"
#include "library/savefile.h"
#include "library/suracatalogue.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QTemporaryDir>
#include <algorithm>
#include <set>

namespace {

const QString kChecksumFile = QStringLiteral("000_checksum.md5");
const char kSilenceEntry[] = "silence.mp3";
constexpr qint64 kMaxChecksumBytes = 1024 * 1024;
constexpr int kStatusEveryMs = 1000;
constexpr int kMaxFailuresInARow = 12;

int Code(int sura, int aya) { return sura * 1000 + aya; }
int SuraOf(int code) { return code / 1000; }
int AyaOf(int code) { return code % 1000; }
int AyaCountOf(int sura) { return Sura().AyaCount(AyaKey::PartText(sura)); }
QString KeyText(int code) { return QString::fromStdString(AyaKey(SuraOf(code), AyaOf(code)).Text()); }
QString FileNameOf(int code) { return KeyText(code).remove('.') + ".mp3"; }
std::string EntryNameOf(int code) { return AyaKey(SuraOf(code), AyaOf(code)).Text() + ".mp3"; }
std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// "MD5 *FOLDER/NAME" per line (CR LF or LF): MD5s by file name.
QHash<QString, QByteArray> ParseChecksums(const QByteArray& text) {
    QHash<QString, QByteArray> sums;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        const qsizetype gap = line.indexOf(' ');
        if (gap != 32) continue;
        QByteArray name = line.mid(gap + 1).trimmed();
        if (name.startsWith('*')) name.remove(0, 1);
        sums.insert(QString::fromUtf8(name.mid(name.lastIndexOf('/') + 1)), line.left(32).toLower());
    }
    return sums;
}

QString RateText(double bytesPerSecond) {
    if (bytesPerSecond >= 1e6)
        return QCoreApplication::translate("RecitationDownload", "%1 MB/s").arg(QString::number(bytesPerSecond / 1e6, 'f', 1));
    return QCoreApplication::translate("RecitationDownload", "%1 kB/s").arg(QString::number(bytesPerSecond / 1e3, 'f', 0));
}

QString DurationText(qint64 seconds) {
    if (seconds >= 3600)
        return QCoreApplication::translate("RecitationDownload", "%1 h %2 min")
            .arg(QString::number(seconds / 3600), QString::number(seconds % 3600 / 60));
    if (seconds >= 60)
        return QCoreApplication::translate("RecitationDownload", "%1 min").arg(QString::number((seconds + 30) / 60));
    return QCoreApplication::translate("RecitationDownload", "%1 s").arg(QString::number(seconds));
}

std::vector<char> ReadAll(const QString& path, qint64 limit, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return *error = file.errorString(), std::vector<char>();
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        return *error = QCoreApplication::translate("RecitationDownload", "too large"), std::vector<char>();
    return std::vector<char>(bytes.begin(), bytes.end());
}

// Puts a judged recording in the staging folder under its final name, whole
// or not at all. Unlike a pack it is not forced to disk: after a crash a
// staged file is judged again before it goes into a pack.
Problem Stage(const QString& path, const std::vector<char>& bytes) {
    QFile file(path + ".tmp");
    Problem failed;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) failed = Problem(file.errorString());
    else failed = WriteAll(file, bytes.data(), qint64(bytes.size()));
    file.close();
    if (!failed && !(QFile::remove(path), file.rename(path))) failed = Problem(file.errorString());
    if (!failed) return {};
    QFile::remove(path + ".tmp");
    return failed.About(
        QCoreApplication::translate("RecitationDownload", "cannot stage %1").arg(QDir::toNativeSeparators(path)));
}

}  // namespace

// ---- the order ------------------------------------------------------------

QString DownloadOrder::RecitationName() const {
    return name.isEmpty() ? RecitationCatalogue::DefaultName(source.folder) : name;
}

std::vector<int> DownloadOrder::Suras() const {
    if (!suras.empty()) return suras;
    std::vector<int> all(Sura::kSuraCount);
    for (int s = 1; s <= Sura::kSuraCount; ++s) all[size_t(s - 1)] = s;
    return all;
}

QUrl DownloadOrder::FileUrl(const QString& fileName) const {
    QString address = base;
    while (address.endsWith('/')) address.chop(1);
    return QUrl(address + "/" + source.folder + "/" + fileName);
}

Problem DownloadOrder::Check() const {
    if (const Problem folder = RecitationCatalogue::CheckFolder(source.folder)) return folder;
    if (const Problem badName = Recitations::CheckName(RecitationName())) return badName;
    const QUrl address(base, QUrl::StrictMode);
    if (!address.isValid() || (address.scheme() != "http" && address.scheme() != "https") || address.host().isEmpty() ||
        address.hasQuery() || address.hasFragment())
        return Problem(QCoreApplication::translate("RecitationDownload", "\"%1\" is no http:// or https:// address of a folder")
                           .arg(base));
    for (const int sura : suras)
        if (sura < 1 || sura > Sura::kSuraCount)
            return Problem(QCoreApplication::translate("RecitationDownload", "there is no sura %1").arg(QString::number(sura)));
    return {};
}

int DownloadOrder::AyaCount() const {
    int ayas = 0;
    for (const int sura : Suras()) ayas += AyaCountOf(sura);
    return ayas;
}

qint64 DownloadOrder::EstimatedBytes() const {
    return RecitationCatalogue::EstimatedBytes(RecitationCatalogue::Kbps(source.bitrate), AyaCount());
}

Problem ParseSuraList(const QString& text, std::vector<int>* suras) {
    std::set<int> chosen;
    const auto bad = [&text](const QString& why) {
        return Problem(QCoreApplication::translate("RecitationDownload", "\"%1\" is no list of suras: %2").arg(text, why));
    };
    for (const QString& part : text.split(',')) {
        const QStringList ends = part.trimmed().split('-');
        bool firstOk = false, lastOk = false;
        const int first = ends.value(0).trimmed().toInt(&firstOk);
        const int last = ends.size() == 2 ? ends[1].trimmed().toInt(&lastOk) : (lastOk = firstOk, first);
        if (ends.size() > 2 || !firstOk || !lastOk)
            return bad(QCoreApplication::translate("RecitationDownload", "write it like 1-2,78-114"));
        if (first < 1 || last > Sura::kSuraCount || first > last)
            return bad(QCoreApplication::translate("RecitationDownload", "suras run from 1 to %1, low to high")
                           .arg(QString::number(Sura::kSuraCount)));
        for (int s = first; s <= last; ++s) chosen.insert(s);
    }
    suras->assign(chosen.begin(), chosen.end());
    return {};
}

// ---- the job --------------------------------------------------------------

RecitationDownload::RecitationDownload(QObject* parent) : Job(parent) {
    connect(&statusTimer, &QTimer::timeout, this, &RecitationDownload::ShowStatus);
}

RecitationDownload::~RecitationDownload() { AbortAll(); }

void RecitationDownload::Start(const DownloadOrder& wanted) {
    if (Running()) return;
    order = wanted;
    Launch();
}

void RecitationDownload::Begin() {
    report = DownloadReport();
    folder.clear();
    staging.clear();
    packs.clear();
    queue.clear();
    failures.clear();
    checksums.clear();
    manifestWritten = ended = false;
    filesToFetch = filesSettled = failuresInARow = 0;
    if (const Problem unready = Prepare()) return Fail(unready);
    filesToFetch = int(queue.size());
    SetProgress(0, std::max(1, filesToFetch));
    Log(tr("%1 of %2 ayas to fetch from %3 (%4)")
            .arg(QString::number(filesToFetch), QString::number(report.asked), order.FileUrl(QString()).toDisplayString(),
                 RecitationCatalogue::SizeText(RecitationCatalogue::EstimatedBytes(
                     RecitationCatalogue::Kbps(order.source.bitrate), filesToFetch))));
    clock.start();
    statusTimer.start(kStatusEveryMs);
    if (queue.empty()) {
        // Nothing to fetch; staged files of an earlier run may still want a pack.
        for (PackPlan& pack : packs)
            if (pack.touched)
                if (const Problem unwritten = WritePack(pack)) return Fail(unwritten);
        return MaybeFinish();
    }
    FetchChecksums();
}

// Checks the order, makes the folders and plans what to fetch: every asked
// aya its pack does not hold and no earlier run staged.
Problem RecitationDownload::Prepare() {
    if (const Problem bad = order.Check()) return bad;
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    folder = Recitations::NewFolder(order.RecitationName());
    staging = folder + kStagingFolder + "/";
    report.folder = folder;
    if (!QDir().mkpath(staging)) return Problem(tr("cannot make the folder %1").arg(QDir::toNativeSeparators(staging)));
    if (!network) network = new QNetworkAccessManager(this);
    const std::vector<int> suras = order.Suras();
    for (const JMapEntry& row : JMapRows()) PlanPack(row.first, row.last, row.name, suras);
    SetStatus(tr("Fetching %1 ayas ...").arg(QString::number(queue.size())));
    return {};
}

void RecitationDownload::PlanPack(int firstSura, int lastSura, const std::string& name, const std::vector<int>& suras) {
    PackPlan plan{name, firstSura, lastSura, {}, 0, false};
    PackArchive held;
    const bool exists = QFile::exists(folder + QString::fromStdString(name)) && held.Open(Local(folder + QString::fromStdString(name)));
    for (const int sura : suras) {
        if (sura < firstSura || sura > lastSura) continue;
        for (int aya = 1, count = AyaCountOf(sura); aya <= count; ++aya) {
            const int code = Code(sura, aya);
            plan.asked.push_back(code);
            if (exists && held.Holds(EntryNameOf(code))) continue;
            if (StagedWhole(code)) {
                plan.touched = true;
                continue;
            }
            queue.push_back(code);
            ++plan.outstanding;
        }
    }
    report.asked += int(plan.asked.size());
    if (!plan.asked.empty()) packs.push_back(std::move(plan));
}

QString RecitationDownload::StagedPath(int code) const { return staging + FileNameOf(code); }

// Whether an earlier run staged the aya's recording and it is still whole
// (staged files are not forced to disk); a damaged one goes, to be fetched again.
bool RecitationDownload::StagedWhole(int code) {
    if (!QFile::exists(StagedPath(code))) return false;
    QString error;
    const std::vector<char> bytes = ReadAll(StagedPath(code), fetchSettings.maxFileBytes, &error);
    if (audio.IsRecording(bytes) && audio.CutShort(bytes).Ok()) return true;
    QFile::remove(StagedPath(code));
    return false;
}

RecitationDownload::PackPlan* RecitationDownload::PackOf(int code) {
    for (PackPlan& pack : packs)
        if (SuraOf(code) >= pack.firstSura && SuraOf(code) <= pack.lastSura) return &pack;
    return nullptr;
}

// The server's checksum list, when it has one, judges every file; without
// one the MP3 check alone does.
void RecitationDownload::FetchChecksums() {
    FetchSettings small = fetchSettings;
    small.maxFileBytes = kMaxChecksumBytes;
    const QString partPath = staging + kChecksumFile + ".part";
    QFile::remove(partPath);
    auto* fetch = new FileFetch(*network, order.FileUrl(kChecksumFile), partPath, small, this);
    active[fetch] = 0;
    connect(fetch, &FileFetch::Finished, this, [this, fetch, partPath] {
        active.erase(fetch);
        fetch->deleteLater();
        if (fetch->Outcome() == FileFetch::Result::Complete) {
            QString error;
            const std::vector<char> text = ReadAll(partPath, kMaxChecksumBytes, &error);
            checksums = ParseChecksums(QByteArray(text.data(), qsizetype(text.size())));
            Log(tr("The server's checksum list names %1 files.").arg(QString::number(checksums.size())));
        } else {
            Log(tr("The server has no checksum list (%1); the files are checked as MP3 audio only.").arg(fetch->Reason()));
        }
        QFile::remove(partPath);
        Pump();
    });
    fetch->Start();
}

void RecitationDownload::Pump() {
    while (int(active.size()) < kMaxConnections && !queue.empty()) {
        const int code = queue.front();
        queue.pop_front();
        StartFetch(code);
    }
    MaybeFinish();
}

void RecitationDownload::StartFetch(int code) {
    auto* fetch = new FileFetch(*network, order.FileUrl(FileNameOf(code)), StagedPath(code) + ".part", fetchSettings, this);
    active[fetch] = code;
    connect(fetch, &FileFetch::BytesArrived, this, [this](qint64 count) { report.bytes += count; });
    connect(fetch, &FileFetch::Finished, this, [this, fetch] { Settle(fetch); });
    fetch->Start();
}

void RecitationDownload::Settle(FileFetch* fetch) {
    const int code = active[fetch];
    active.erase(fetch);
    fetch->deleteLater();
    if (fetch->Outcome() == FileFetch::Result::Complete) {
        if (const Problem refused = StageFile(code, fetch->PartPath())) failures[code] = refused.Text();
        else ++report.fetched;
    } else {
        failures[code] = fetch->Reason();
    }
    // A server that answers nothing would fail every aya, each after its retries.
    failuresInARow = fetch->Outcome() == FileFetch::Result::Failed ? failuresInARow + 1 : 0;
    SetProgress(++filesSettled, std::max(1, filesToFetch));
    PackPlan* pack = PackOf(code);
    pack->touched = true;
    if (--pack->outstanding == 0)
        if (const Problem unwritten = WritePack(*pack)) return Fail(unwritten);
    if (failuresInARow >= kMaxFailuresInARow)
        return Fail(Problem(tr("stopped after %1 files in a row could not be fetched (the last: %2)")
                                .arg(QString::number(failuresInARow), fetch->Reason())));
    Pump();
}

// Judges a complete file and stages its audio; the part goes either way.
Problem RecitationDownload::StageFile(int code, const QString& partPath) {
    QString error;
    std::vector<char> bytes = ReadAll(partPath, fetchSettings.maxFileBytes, &error);
    QFile::remove(partPath);
    if (!error.isEmpty()) return Problem(tr("cannot read what was fetched: %1").arg(error));
    const QByteArray md5 =
        QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())), QCryptographicHash::Md5).toHex();
    bytes = StripMp3Tags(bytes);
    // An error page is said to be one even when the checksum list names the file.
    if (!audio.IsRecording(bytes)) return Problem(tr("not playable MP3 audio (the server sent something else)"));
    const auto sum = checksums.constFind(FileNameOf(code));
    if (sum != checksums.constEnd() && md5 != *sum)
        return Problem(tr("checksum mismatch: not the file the server's checksum list names"));
    if (const Problem cut = audio.CutShort(bytes)) return cut;
    return Stage(StagedPath(code), bytes);
}

// Writes a pack of what it held and what was staged for it, whole or not at
// all, then drops the pack's staged files.
Problem RecitationDownload::WritePack(PackPlan& plan) {
    const QString path = folder + QString::fromStdString(plan.name);
    PackArchive held, pack;
    const bool exists = QFile::exists(path) && held.Open(Local(path));
    int ayas = 0;
    for (int sura = plan.firstSura; sura <= plan.lastSura; ++sura)
        for (int aya = 1, count = AyaCountOf(sura); aya <= count; ++aya) {
            const int code = Code(sura, aya);
            QString error;
            std::vector<char> bytes = QFile::exists(StagedPath(code)) ? ReadAll(StagedPath(code), fetchSettings.maxFileBytes, &error)
                                      : exists ? held.Extract(EntryNameOf(code)) : std::vector<char>();
            if (!error.isEmpty()) return Problem(tr("cannot read %1: %2").arg(StagedPath(code), error));
            if (bytes.empty()) continue;
            pack.AddPending(PackArchive::EntryFromBytes(EntryNameOf(code), std::move(bytes)));
            ++ayas;
        }
    if (ayas > 0) {
        std::vector<char> pause = exists ? held.Extract(kSilenceEntry) : std::vector<char>();
        if (pause.empty() && silence.empty())
            if (const Problem unmade = MakeSilenceRecording(&silence)) return unmade;
        pack.AddPending(PackArchive::EntryFromBytes(kSilenceEntry, pause.empty() ? silence : pause));
        const std::string reciter = order.source.displayName.toStdString();
        if (!reciter.empty()) pack.AddPending(PackArchive::EntryFromBytes(kReciterEntry, {reciter.begin(), reciter.end()}));
        if (!pack.Write(Local(path))) return Problem(pack.LastError());
        report.packsWritten << QString::fromStdString(plan.name);
        Log(tr("Written %1 (%2 ayas)").arg(QString::fromStdString(plan.name), QString::number(ayas)));
        if (!manifestWritten) {
            RecitationManifest manifest;
            manifest.displayName = order.source.displayName;
            manifest.kind = order.source.kind.isEmpty() ? RecitationCatalogue::GuessKind(order.source.folder) : order.source.kind;
            manifest.language = order.source.language;
            manifest.source = order.FileUrl(QString()).toString();
            manifest.bitrate = order.source.bitrate;
            if (const Problem unwritten = manifest.Write(folder)) return unwritten;
            manifestWritten = true;
        }
    }
    for (const int code : plan.asked) {
        QFile::remove(StagedPath(code));
        QFile::remove(StagedPath(code) + ".part");
        QFile::remove(StagedPath(code) + ".tmp");
    }
    plan.touched = false;
    return {};
}

void RecitationDownload::MaybeFinish() {
    if (!active.empty() || !queue.empty() || ended) return;
    Finish(Outcome::Done);
}

void RecitationDownload::Fail(const Problem& problem) {
    AbortAll();
    Finish(Outcome::Failed, {problem.Text()});
}

void RecitationDownload::Stop() {
    AbortAll();
    Finish(Outcome::Cancelled);
}

void RecitationDownload::AbortAll() {
    for (auto& [fetch, code] : active) {
        fetch->Abort();
        fetch->deleteLater();
    }
    active.clear();
    queue.clear();
    statusTimer.stop();
}

// Counts what the packs hold now and concludes with the report.
void RecitationDownload::Finish(Outcome outcome, const QStringList& why) {
    if (ended) return;
    ended = true;
    statusTimer.stop();
    report.held = 0;
    report.notHeld.clear();
    for (const PackPlan& plan : packs) {
        PackArchive pack;
        const QString path = folder + QString::fromStdString(plan.name);
        const bool exists = QFile::exists(path) && pack.Open(Local(path));
        for (const int code : plan.asked) {
            if (exists && pack.Holds(EntryNameOf(code))) {
                ++report.held;
                continue;
            }
            const auto failed = failures.find(code);
            report.notHeld.push_back({KeyText(code), failed != failures.end() ? failed->second : tr("not in a pack yet")});
        }
    }
    if (!staging.isEmpty()) QDir().rmdir(staging);  // only when empty: parts of a cancelled run stay for the next
    for (const QString& line : ReportLines(report, outcome == Outcome::Cancelled)) Log(line);
    if (outcome == Outcome::Done && !report.notHeld.empty()) {
        outcome = Outcome::Failed;
        return Conclude(outcome, {tr("%1 of %2 ayas asked for are not held")
                                      .arg(QString::number(report.notHeld.size()), QString::number(report.asked))});
    }
    Conclude(outcome, why);
}

void RecitationDownload::ShowStatus() {
    const double seconds = std::max<qint64>(1, clock.elapsed()) / 1000.0;
    const double rate = report.bytes / seconds;
    const QString settled = QString::number(filesSettled), total = QString::number(filesToFetch);
    const QString megabytes = QString::number(report.bytes / 1e6, 'f', 1);
    if (filesSettled == 0 || rate <= 0)
        return SetStatus(tr("%1 of %2 files, %3 MB, %4").arg(settled, total, megabytes, RateText(rate)));
    const double bytesLeft = double(report.bytes) / filesSettled * (filesToFetch - filesSettled);
    SetStatus(tr("%1 of %2 files, %3 MB, %4, about %5 left")
                  .arg(settled, total, megabytes, RateText(rate), DurationText(qint64(bytesLeft / rate))));
}

QStringList RecitationDownload::ReportLines(const DownloadReport& report, bool cancelled) {
    QStringList lines;
    for (size_t i = 0; i < report.notHeld.size();) {
        size_t last = i;
        while (last + 1 < report.notHeld.size() && report.notHeld[last + 1].reason == report.notHeld[i].reason &&
               report.notHeld[last + 1].aya.left(3) == report.notHeld[i].aya.left(3))
            ++last;
        const QString run = last > i ? report.notHeld[i].aya + "-" + report.notHeld[last].aya : report.notHeld[i].aya;
        lines << tr("Not held %1: %2").arg(run, report.notHeld[i].reason);
        i = last + 1;
    }
    lines << tr("%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).")
                 .arg(QString::number(report.held), QString::number(report.asked), QDir::toNativeSeparators(report.folder),
                      QString::number(report.fetched), QString::number(report.bytes / 1e6, 'f', 1));
    if (cancelled) lines << tr("Download cancelled: the packs listed above were written; a second run continues.");
    lines << tr("The recordings belong to their reciters and publishers; they are for personal use.");
    return lines;
}

// ---- the server's catalogue -------------------------------------------------

ServerCatalogueFetch::ServerCatalogueFetch(QObject* parent) : QObject(parent) {}
ServerCatalogueFetch::~ServerCatalogueFetch() = default;

void ServerCatalogueFetch::Start(const QString& base, const FetchSettings& settings) {
    read = CatalogueRead();
    DownloadOrder probe;
    probe.base = base;
    probe.source.folder = RecitationCatalogue::kServerFileName;
    if (const Problem bad = probe.Check()) {
        read.problem = bad;
        QTimer::singleShot(0, this, &ServerCatalogueFetch::Done);
        return;
    }
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    if (!network) network = new QNetworkAccessManager(this);
    scratch = std::make_unique<QTemporaryDir>();
    FetchSettings small = settings;
    small.maxFileBytes = RecitationCatalogue::kMaxBytes;
    QString address = base;
    while (address.endsWith('/')) address.chop(1);
    const QString partPath = scratch->filePath(RecitationCatalogue::kServerFileName);
    auto* fetch = new FileFetch(*network, QUrl(address + "/" + RecitationCatalogue::kServerFileName), partPath, small, this);
    connect(fetch, &FileFetch::Finished, this, [this, fetch, partPath] {
        fetch->deleteLater();
        QString error;
        const std::vector<char> text = ReadAll(partPath, RecitationCatalogue::kMaxBytes, &error);
        if (fetch->Outcome() != FileFetch::Result::Complete)
            read.problem =
                Problem(tr("cannot fetch the catalogue %1: %2").arg(fetch->Url().toDisplayString(), fetch->Reason()));
        else if (!error.isEmpty())
            read.problem = Problem(tr("cannot read the catalogue: %1").arg(error));
        else
            read = RecitationCatalogue::ParseServer(QByteArray(text.data(), qsizetype(text.size())));
        emit Done();
    });
    fetch->Start();
}
