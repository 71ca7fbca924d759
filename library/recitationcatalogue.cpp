#include "library/recitationcatalogue.h"

#include "library/locations.h"
#include "library/recitation.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

constexpr int kMaxFolderLength = 200;
constexpr int kMaxTextLength = 200;
constexpr int kMaxEntries = 1000;
// A whole recitation plays for about 37 hours (slow reciters longer, fast
// ones shorter): 2.2 GB at 128 kbit/s.
constexpr qint64 kWholeQuranSeconds = 135000;
constexpr int kWholeQuranAyas = 6236;

QString Text(const QJsonValue& value) {
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString().left(kMaxTextLength);
}

// Adds an entry if its folder is safe to use, else says why it is skipped.
void Keep(CatalogueEntry entry, CatalogueRead* read) {
    if (read->entries.size() >= size_t(kMaxEntries)) {
        read->skipped << QCoreApplication::translate("RecitationCatalogue", "more than %1 entries: the rest is skipped")
                             .arg(QString::number(kMaxEntries));
        return;
    }
    if (const Problem unsafe = RecitationCatalogue::CheckFolder(entry.folder)) {
        read->skipped << unsafe.Text();
        return;
    }
    if (entry.displayName.trimmed().isEmpty()) entry.displayName = entry.folder;
    read->entries.push_back(std::move(entry));
}

Problem ParseObject(const QByteArray& text, QJsonObject* object) {
    if (text.size() > RecitationCatalogue::kMaxBytes)
        return Problem(QCoreApplication::translate("RecitationCatalogue", "the catalogue is larger than a catalogue can be"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (!document.isObject())
        return Problem(QCoreApplication::translate("RecitationCatalogue", "the catalogue is no JSON object: %1")
                           .arg(error.errorString()));
    *object = document.object();
    return {};
}

// A catalogue of which no entry can be used is a problem of its own.
void RequireEntries(CatalogueRead* read) {
    if (read->entries.empty() && !read->problem)
        read->problem = Problem(QCoreApplication::translate("RecitationCatalogue", "the catalogue names no usable folder"));
}

// The JSON object of a `var name = {...};` file, or the text as it is.
QByteArray UnwrapVariable(const QByteArray& text) {
    const QByteArray trimmed = text.trimmed();
    if (trimmed.startsWith('{')) return trimmed;
    const qsizetype open = trimmed.indexOf('{'), close = trimmed.lastIndexOf('}');
    return open >= 0 && close > open ? trimmed.mid(open, close - open + 1) : trimmed;
}

}  // namespace

namespace RecitationCatalogue {

CatalogueRead ParseServer(const QByteArray& text) {
    CatalogueRead read;
    QJsonObject object;
    if ((read.problem = ParseObject(UnwrapVariable(text), &object))) return read;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isObject()) continue;  // "ayahCount" and other members
        const QJsonObject item = it.value().toObject();
        if (!item.contains("subfolder")) continue;
        const QString folder = Text(item.value("subfolder"));
        Keep({Text(item.value("name")), folder, Text(item.value("bitrate")), GuessKind(folder), QString()}, &read);
    }
    RequireEntries(&read);
    return read;
}

CatalogueRead ParseShipped(const QByteArray& text) {
    CatalogueRead read;
    QJsonObject object;
    if ((read.problem = ParseObject(text, &object))) return read;
    for (const QJsonValue& value : object.value("recitations").toArray()) {
        const QJsonObject item = value.toObject();
        const QString folder = Text(item.value("folder"));
        const QString kind = Text(item.value("kind")) == RecitationManifest::kTranslation
                                 ? RecitationManifest::kTranslation : GuessKind(folder);
        Keep({Text(item.value("name")), folder, Text(item.value("bitrate")), kind, Text(item.value("language"))}, &read);
    }
    RequireEntries(&read);
    return read;
}

CatalogueRead Shipped() {
    QFile file(Locations::Current().DataFile(kFileName));
    CatalogueRead read;
    if (!file.open(QIODevice::ReadOnly))
        read.problem = Problem(QCoreApplication::translate("RecitationCatalogue", "cannot read %1: %2")
                                   .arg(file.fileName(), file.errorString()));
    else
        read = ParseShipped(file.read(kMaxBytes + 1));
    return read;
}

Problem CheckFolder(const QString& folder) {
    const auto refuse = [&folder](const QString& why) {
        return Problem(QCoreApplication::translate("RecitationCatalogue", "\"%1\" is no server folder: %2").arg(folder, why));
    };
    if (folder.isEmpty()) return refuse(QCoreApplication::translate("RecitationCatalogue", "it is empty"));
    if (folder.size() > kMaxFolderLength)
        return refuse(QCoreApplication::translate("RecitationCatalogue", "it is longer than %1 characters")
                          .arg(QString::number(kMaxFolderLength)));
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.\\- /]+$"));
    if (!plain.match(folder).hasMatch())
        return refuse(QCoreApplication::translate(
            "RecitationCatalogue", "it holds a character other than letters, digits, \"_\", \"-\", \".\", \" \" and \"/\""));
    for (const QString& segment : folder.split('/')) {
        if (segment.isEmpty())
            return refuse(QCoreApplication::translate("RecitationCatalogue", "it starts or ends with \"/\" or holds \"//\""));
        if (segment == "." || segment == "..")
            return refuse(QCoreApplication::translate("RecitationCatalogue", "it climbs out of the server's data folder"));
        if (segment.trimmed() != segment)
            return refuse(QCoreApplication::translate("RecitationCatalogue", "a part starts or ends with a blank"));
    }
    return {};
}

QString GuessKind(const QString& folder) {
    // Sub-paths also hold recitations in other readings ("warsh/..."), so
    // only a language's name or translations/ says "translation".
    static const QStringList kLanguages{"english", "urdu", "persian", "farsi", "french", "german",
                                        "indonesian", "turkish", "bosnian", "malay", "spanish", "russian",
                                        "chinese", "bengali", "hindi", "tamil", "albanian", "azerbaijani"};
    const QString first = folder.section('/', 0, 0).toLower();
    const bool translation = folder.contains('/') && (first == "translations" || kLanguages.contains(first));
    return translation ? RecitationManifest::kTranslation : RecitationManifest::kRecitation;
}

QString DefaultName(const QString& folder) { return QString(folder).replace('/', '_'); }

int Kbps(const QString& bitrate) {
    static const QRegularExpression number(QStringLiteral("(\\d{1,4})\\s*k"), QRegularExpression::CaseInsensitiveOption);
    return number.match(bitrate).captured(1).toInt();
}

qint64 EstimatedBytes(int kbps, int ayas) {
    return qint64(kbps) * 1000 / 8 * kWholeQuranSeconds * ayas / kWholeQuranAyas;
}

QString SizeText(qint64 bytes) {
    if (bytes <= 0) return QCoreApplication::translate("RecitationCatalogue", "size unknown");
    if (bytes >= 1000LL * 1000 * 1000)
        return QCoreApplication::translate("RecitationCatalogue", "about %1 GB")
            .arg(QString::number(double(bytes) / 1e9, 'f', 1));
    return QCoreApplication::translate("RecitationCatalogue", "about %1 MB")
        .arg(QString::number(std::max<qint64>(1, (bytes + 500000) / 1000000)));
}

}  // namespace RecitationCatalogue
