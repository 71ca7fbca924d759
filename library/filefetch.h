#pragma once
// One file fetched over HTTP(S) into a ".part" file: resumed with a Range
// request when the part holds bytes already, retried with growing waits
// after timeouts, resets, stalls and 5xx answers, capped in size, and
// following only redirects the policy below allows. The caller judges the
// bytes once the fetch is complete (whether they are what was asked for).

#include "tools/problem.h"

#include <QFile>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

struct FetchSettings {
    // No byte for this long is a stall, retried like a timeout.
    int stallMs = 30000;
    // The waits before the first, second, ... retry; their count is the retries.
    QList<int> retryWaitsMs{2000, 6000, 18000};
    // A recording is well below this; a larger body is no recording.
    qint64 maxFileBytes = 50LL * 1024 * 1024;
    int maxRedirects = 5;
};

// Why a redirect from `from` to `to` may not be followed (after
// `redirectsSoFar` others): too many, a scheme other than HTTP(S), or from
// HTTPS down to plain HTTP. Nothing when it may.
Problem RedirectProblem(const QUrl& from, const QUrl& to, int redirectsSoFar, int maxRedirects);

// "Norvane/1.1 (+https://norvane.org)": the program asking, by name and version.
QByteArray UserAgent();

class FileFetch : public QObject {
    Q_OBJECT
public:
    enum class Result { Running, Complete, Missing, Failed };

    FileFetch(QNetworkAccessManager& network, const QUrl& url, const QString& partPath,
              const FetchSettings& settings, QObject* parent = nullptr);
    ~FileFetch() override;

    // Begins (or resumes) the fetch; Finished follows from the event loop.
    void Start();
    // Stops at once, keeping the part for a later resume; no Finished follows.
    void Abort();

    Result Outcome() const { return result; }
    const QString& Reason() const { return reason; }  // why it is Missing or Failed
    const QUrl& Url() const { return url; }
    QString PartPath() const { return part.fileName(); }

signals:
    void BytesArrived(qint64 count);
    void Finished();

private:
    QNetworkAccessManager& network;
    const QUrl url;
    const FetchSettings settings;
    QFile part;
    QNetworkReply* reply = nullptr;
    QTimer stallTimer, retryTimer;
    Result result = Result::Running;
    QString reason;
    qint64 offset = 0;    // the bytes the part held when this attempt asked
    int retries = 0;
    int redirects = 0;
    bool headersChecked = false;

    void Attempt();
    void OnData();
    void OnReplyFinished();
    void Request(const QUrl& address);
    void FollowRedirect();
    // False when the answer ended this attempt (retried or concluded).
    bool CheckHeaders();
    bool WriteBody(const QByteArray& bytes);
    void Retry(const QString& why, bool restartFromZero = false);
    void Conclude(Result outcome, const QString& why = QString());
    void DropReply();
};
