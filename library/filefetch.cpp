#include "library/filefetch.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>

namespace {

bool IsHttp(const QUrl& url) { return url.scheme() == "http" || url.scheme() == "https"; }

// Failures a later attempt may not meet: a lost, slow or refused connection.
bool Passing(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::HostNotFoundError:
        return true;
    default:
        return false;
    }
}

QString SizeLimitText(qint64 bytes) {
    return QCoreApplication::translate("FileFetch", "larger than %1 MB, so no recording")
        .arg(QString::number(bytes / (1024 * 1024)));
}

}  // namespace

Problem RedirectProblem(const QUrl& from, const QUrl& to, int redirectsSoFar, int maxRedirects) {
    if (redirectsSoFar >= maxRedirects)
        return Problem(QCoreApplication::translate("FileFetch", "more than %1 redirects (the last to %2)")
                           .arg(QString::number(maxRedirects), to.toDisplayString()));
    if (!IsHttp(to))
        return Problem(QCoreApplication::translate("FileFetch", "a redirect to %1, which is no web address")
                           .arg(to.toDisplayString()));
    if (from.scheme() == "https" && to.scheme() != "https")
        return Problem(QCoreApplication::translate("FileFetch", "a redirect from a secure address to an insecure one (%1)")
                           .arg(to.toDisplayString()));
    return {};
}

QByteArray UserAgent() { return QByteArrayLiteral("Norvane/" NORVANE_VERSION " (+https://norvane.org)"); }

FileFetch::FileFetch(QNetworkAccessManager& network, const QUrl& url, const QString& partPath,
                     const FetchSettings& settings, QObject* parent)
    : QObject(parent), network(network), url(url), settings(settings), part(partPath) {
    stallTimer.setSingleShot(true);
    retryTimer.setSingleShot(true);
    connect(&stallTimer, &QTimer::timeout, this,
            [this] { Retry(tr("no data for %1 s").arg(QString::number(this->settings.stallMs / 1000.0))); });
    connect(&retryTimer, &QTimer::timeout, this, &FileFetch::Attempt);
}

FileFetch::~FileFetch() { DropReply(); }

void FileFetch::Start() {
    if (result != Result::Running || reply || retryTimer.isActive()) return;
    QTimer::singleShot(0, this, &FileFetch::Attempt);
}

void FileFetch::Abort() {
    DropReply();
    stallTimer.stop();
    retryTimer.stop();
    part.close();
    result = Result::Failed;
    reason = tr("cancelled");
}

void FileFetch::DropReply() {
    if (!reply) return;
    reply->disconnect(this);
    // A reply that failed already is over; aborting it again only warns, as
    // does aborting one from inside its own signal: it is aborted from the loop.
    if (reply->isRunning() && reply->error() == QNetworkReply::NoError)
        QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
    reply->deleteLater();
    reply = nullptr;
}

void FileFetch::Attempt() {
    if (result != Result::Running) return;
    redirects = 0;
    Request(url);
}

// Asks for `address`, from where the part ends.
void FileFetch::Request(const QUrl& address) {
    if (!part.isOpen() && !part.open(QIODevice::ReadWrite | QIODevice::Append))
        return Conclude(Result::Failed, tr("cannot write %1: %2").arg(part.fileName(), part.errorString()));
    offset = part.size();
    if (offset > settings.maxFileBytes && part.resize(0)) offset = 0;
    QNetworkRequest request(address);
    // Redirects are followed here, by the policy above, not by Qt.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent());
    // Byte ranges count the file's own bytes, not a compressed stream's.
    request.setRawHeader("Accept-Encoding", "identity");
    if (offset > 0) request.setRawHeader("Range", "bytes=" + QByteArray::number(offset) + "-");
    headersChecked = false;
    reply = network.get(request);
    connect(reply, &QNetworkReply::readyRead, this, &FileFetch::OnData);
    connect(reply, &QNetworkReply::finished, this, &FileFetch::OnReplyFinished);
    stallTimer.start(settings.stallMs);
}

void FileFetch::FollowRedirect() {
    const QUrl from = reply->url();
    const QUrl to = from.resolved(QUrl::fromEncoded(reply->rawHeader("Location")));
    if (const Problem refused = RedirectProblem(from, to, redirects++, settings.maxRedirects))
        return Conclude(Result::Failed, refused.Text());
    DropReply();
    stallTimer.stop();
    Request(to);
}

bool FileFetch::CheckHeaders() {
    headersChecked = true;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200) {  // no final answer yet: the error says why when it ends
        headersChecked = false;
        return true;
    }
    if (status == 301 || status == 302 || status == 303 || status == 307 || status == 308)
        return FollowRedirect(), false;
    if (status == 404 || status == 410)
        return Conclude(Result::Missing, tr("not on the server (%1)").arg(QString::number(status))), false;
    if (status >= 500) return Retry(tr("the server answered %1").arg(QString::number(status))), false;
    if (status == 416) return Retry(tr("the server refused to resume"), true), false;
    if (status != 200 && status != 206)
        return Conclude(Result::Failed, tr("the server answered %1").arg(QString::number(status))), false;
    if (status == 206) {
        static const QRegularExpression range(QStringLiteral("^bytes (\\d+)-(\\d+)/(\\d+|\\*)$"));
        const QRegularExpressionMatch match = range.match(QString::fromLatin1(reply->rawHeader("Content-Range")));
        if (offset == 0 || !match.hasMatch() || match.captured(1).toLongLong() != offset)
            return Retry(tr("the server resumed at the wrong place"), true), false;
    } else if (offset > 0) {
        // A whole file answers the request to resume: it starts over.
        if (!part.resize(0)) return Conclude(Result::Failed, tr("cannot write %1").arg(part.fileName())), false;
        offset = 0;
    }
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && offset + length.toLongLong() > settings.maxFileBytes)
        return Conclude(Result::Failed, SizeLimitText(settings.maxFileBytes)), false;
    return true;
}

void FileFetch::OnData() {
    // The body of an error or a redirect is no part of the file; the
    // answer is judged once it ends.
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 300) return void(reply->readAll());
    if (!headersChecked && !CheckHeaders()) return;
    stallTimer.start(settings.stallMs);
    WriteBody(reply->readAll());
}

bool FileFetch::WriteBody(const QByteArray& bytes) {
    if (bytes.isEmpty()) return true;
    if (part.size() + bytes.size() > settings.maxFileBytes)
        return Conclude(Result::Failed, SizeLimitText(settings.maxFileBytes)), false;
    if (part.write(bytes) != bytes.size())
        return Conclude(Result::Failed, tr("cannot write %1: %2").arg(part.fileName(), part.errorString())), false;
    emit BytesArrived(bytes.size());
    return true;
}

void FileFetch::OnReplyFinished() {
    stallTimer.stop();
    if (!headersChecked && !CheckHeaders()) return;
    if (!WriteBody(reply->readAll())) return;
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (error == QNetworkReply::NoError && status < 200)  // ended without a final answer
        return Conclude(Result::Failed, tr("the server gave no final answer (%1)").arg(QString::number(status)));
    if (error == QNetworkReply::NoError) return Conclude(Result::Complete);
    if (Passing(error)) return Retry(errorText);
    Conclude(Result::Failed, errorText);
}

void FileFetch::Retry(const QString& why, bool restartFromZero) {
    DropReply();
    stallTimer.stop();
    if (restartFromZero) part.resize(0);
    if (retries >= settings.retryWaitsMs.size())
        return Conclude(Result::Failed, tr("%1 (after %2 tries)").arg(why, QString::number(retries + 1)));
    part.flush();
    retryTimer.start(settings.retryWaitsMs.value(retries++));
}

void FileFetch::Conclude(Result outcome, const QString& why) {
    if (result != Result::Running) return;
    DropReply();
    stallTimer.stop();
    retryTimer.stop();
    part.close();
    result = outcome;
    reason = why;
    QTimer::singleShot(0, this, &FileFetch::Finished);
}

