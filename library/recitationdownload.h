#pragma once
// The job that fetches a recitation from a per-aya server (one file
// SSSAAA.mp3 per aya under the server's folder) into a named recitation's
// folder: at most four files at a time, each judged (the server's checksum
// list when it has one, then decoded as MP3, not cut short), stripped of its
// tags, staged in a hidden folder, and written into its sura pack as soon as
// the pack's last aya is settled. A second run continues where one stopped:
// ayas a pack holds are not fetched again, staged files are used, and ".part"
// files resume. Progress counts files; the status says bytes, rate and time
// left; at the end the log gets the report (ReportLines). The recordings
// belong to their reciters and publishers, for personal use.

#include "library/filefetch.h"
#include "library/mp3probe.h"
#include "library/recitationcatalogue.h"
#include "tools/job.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>
#include <vector>

class QNetworkAccessManager;

struct DownloadOrder {
    CatalogueEntry source;  // the server's folder, with what the catalogue says about it
    QString base = RecitationCatalogue::kDefaultBase;  // the address of the server's data folder
    QString name;           // the recitation's name; empty: the folder's default name
    std::vector<int> suras; // empty: all 114

    QString RecitationName() const;
    std::vector<int> Suras() const;
    QUrl FileUrl(const QString& fileName) const;
    // Why the order cannot be carried out: a bad folder, name, address or sura.
    Problem Check() const;
    // The ayas it asks for, and about how many bytes they take.
    int AyaCount() const;
    qint64 EstimatedBytes() const;
};

// Parses "1-2,78-114" into sura numbers; a problem for anything else.
Problem ParseSuraList(const QString& text, std::vector<int>* suras);

struct AyaShortfall {
    QString aya;     // "SSS.AAA"
    QString reason;  // "not on the server (404)", "checksum mismatch", ...
};

struct DownloadReport {
    QString folder;            // the recitation's folder
    int asked = 0;             // ayas asked for
    int held = 0;              // of them, the ones its packs hold now
    int fetched = 0;           // files fetched in this run
    qint64 bytes = 0;          // bytes received in this run
    QStringList packsWritten;  // in pack order
    std::vector<AyaShortfall> notHeld;  // in aya order
};

class RecitationDownload : public Job {
    Q_OBJECT
public:
    static constexpr int kMaxConnections = 4;
    static constexpr const char* kStagingFolder = ".download";

    explicit RecitationDownload(QObject* parent = nullptr);
    ~RecitationDownload() override;

    void SetFetchSettings(const FetchSettings& settings) { fetchSettings = settings; }
    // Starts the download; returns at once, Finished follows.
    void Start(const DownloadOrder& order);

    // Valid once Finished was sent.
    const DownloadReport& Report() const { return report; }
    // What the user is told afterwards: what is held, each aya not held
    // (runs of one reason shortened to "first-last"), the recordings' owners.
    static QStringList ReportLines(const DownloadReport& report, bool cancelled);

protected:
    void Begin() override;
    void Stop() override;

private:
    struct PackPlan {
        std::string name;
        int firstSura = 0, lastSura = 0;
        std::vector<int> asked;  // aya codes (sura * 1000 + aya) asked for
        int outstanding = 0;     // of them, those still being fetched
        bool touched = false;    // something new to write into it
    };

    DownloadOrder order;
    FetchSettings fetchSettings;
    DownloadReport report;
    QString folder, staging;
    QNetworkAccessManager* network = nullptr;
    std::vector<PackPlan> packs;
    std::deque<int> queue;
    std::map<FileFetch*, int> active;
    std::map<int, QString> failures;
    Mp3Probe audio;
    QHash<QString, QByteArray> checksums;  // file name -> MD5 in hex
    std::vector<char> silence;
    bool manifestWritten = false;
    bool ended = false;  // the report is made; nothing more happens
    int filesToFetch = 0, filesSettled = 0, failuresInARow = 0;
    QElapsedTimer clock;
    QTimer statusTimer;

    Problem Prepare();
    void PlanPack(int firstSura, int lastSura, const std::string& name, const std::vector<int>& suras);
    void FetchChecksums();
    void Pump();
    void StartFetch(int code);
    void Settle(FileFetch* fetch);
    Problem StageFile(int code, const QString& partPath);
    Problem WritePack(PackPlan& pack);
    void MaybeFinish();
    void Fail(const Problem& problem);
    void ShowStatus();
    void AbortAll();
    void Finish(Outcome outcome, const QStringList& why = {});
    PackPlan* PackOf(int code);
    QString StagedPath(int code) const;
    bool StagedWhole(int code);
};

// Fetches a server's own catalogue (BASE/recitations.js), capped in size,
// for a list of what it offers; Done follows from the event loop.
class ServerCatalogueFetch : public QObject {
    Q_OBJECT
public:
    explicit ServerCatalogueFetch(QObject* parent = nullptr);
    ~ServerCatalogueFetch() override;
    void Start(const QString& base, const FetchSettings& settings = FetchSettings());
    // Valid once Done was sent.
    const CatalogueRead& Result() const { return read; }

signals:
    void Done();

private:
    QNetworkAccessManager* network = nullptr;
    std::unique_ptr<class QTemporaryDir> scratch;
    CatalogueRead read;
};
