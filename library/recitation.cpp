#include "library/recitation.h"

#include "library/locations.h"
#include "library/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace {

// A manifest is a handful of short texts; anything larger is no manifest.
constexpr qint64 kMaxManifestBytes = 64 * 1024;
constexpr int kMaxNameLength = 100;

QString Sep() { return QString(QDir::separator()); }

bool HoldsPacks(const QDir& folder) { return !folder.entryList({QStringLiteral("*.mat")}, QDir::Files).isEmpty(); }

}  // namespace

RecitationManifest RecitationManifest::Read(const QString& folder, Problem* problem) {
    RecitationManifest manifest;
    QFile file(QDir(folder).filePath(kFileName));
    if (!file.exists()) return manifest;
    const auto fail = [&](const QString& why) {
        if (problem) *problem = Problem(QDir::toNativeSeparators(file.fileName()) + ": " + why);
        return manifest;
    };
    if (file.size() > kMaxManifestBytes)
        return fail(QCoreApplication::translate("Recitations", "larger than a manifest can be"));
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.read(kMaxManifestBytes), &error);
    if (!document.isObject())
        return fail(QCoreApplication::translate("Recitations", "not a manifest (%1)").arg(error.errorString()));
    const QJsonObject object = document.object();
    const auto text = [&object](const char* key, const QString& fallback = QString()) {
        return object.value(key).toString(fallback).left(kMaxNameLength * 4);
    };
    manifest.displayName = text("name");
    manifest.reciter = text("reciter");
    manifest.kind = text("kind", kRecitation) == kTranslation ? kTranslation : kRecitation;
    manifest.language = text("language");
    manifest.source = text("source");
    manifest.bitrate = text("bitrate");
    return manifest;
}

Problem RecitationManifest::Write(const QString& folder) const {
    const QJsonObject object{{"name", displayName}, {"reciter", reciter}, {"kind", kind},
                             {"language", language}, {"source", source},  {"bitrate", bitrate}};
    const QString path = QDir(folder).filePath(kFileName);
    if (!QDir().mkpath(folder))
        return Problem(
            QCoreApplication::translate("Recitations", "cannot make the folder %1").arg(QDir::toNativeSeparators(folder)));
    const QString failed = SaveWholeFile(path, QJsonDocument(object).toJson());
    if (failed.isEmpty()) return {};
    return Problem(
        QCoreApplication::translate("Recitations", "cannot write %1: %2").arg(QDir::toNativeSeparators(path), failed));
}

bool RecitationInfo::IsDefault() const { return name == Recitations::kDefaultName; }

QString RecitationInfo::DisplayName() const {
    if (!manifest.displayName.isEmpty()) return manifest.displayName;
    return name;
}

namespace Recitations {

QStringList FoldersOf(const QString& name) {
    QStringList folders = Locations::Current().PackFolders();
    if (name.isEmpty() || name == kDefaultName) return folders;
    for (QString& folder : folders) folder += name + Sep();
    return folders;
}

QString NewFolder(const QString& name) { return FoldersOf(name).first(); }

std::vector<RecitationInfo> Installed() {
    std::map<QString, RecitationInfo> named;
    for (const QString& packFolder : Locations::Current().PackFolders()) {
        const QDir folder(packFolder);
        for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir sub(folder.filePath(name));
            if (CheckName(name) || (!sub.exists(RecitationManifest::kFileName) && !HoldsPacks(sub))) continue;
            // The first pack folder (the user's) names the recitation.
            if (!named.count(name)) named[name] = {name, RecitationManifest::Read(sub.path()), FoldersOf(name)};
        }
    }
    std::vector<RecitationInfo> all{{kDefaultName, RecitationManifest(), FoldersOf(kDefaultName)}};
    for (auto& [name, info] : named) all.push_back(std::move(info));
    return all;
}

std::optional<RecitationInfo> Find(const QString& name) {
    for (RecitationInfo& info : Installed())
        if (info.name == name || (name.isEmpty() && info.IsDefault())) return std::move(info);
    return std::nullopt;
}

Problem CheckName(const QString& name) {
    const auto refuse = [&name](const QString& why) {
        return Problem(QCoreApplication::translate("Recitations", "\"%1\" cannot name a recitation: %2").arg(name, why));
    };
    if (name.trimmed().isEmpty()) return refuse(QCoreApplication::translate("Recitations", "it is empty"));
    if (name.size() > kMaxNameLength)
        return refuse(QCoreApplication::translate("Recitations", "it is longer than %1 characters")
                          .arg(QString::number(kMaxNameLength)));
    if (name == kDefaultName)
        return refuse(QCoreApplication::translate("Recitations", "the name is kept for the packs directly in the pack folder"));
    if (name.startsWith('.') || name.startsWith(' ') || name.endsWith(' '))
        return refuse(QCoreApplication::translate("Recitations", "it starts with a dot or starts or ends with a blank"));
    for (const QChar c : name)
        if (!c.isPrint() || QStringLiteral("/\\:*?\"<>|").contains(c))
            return refuse(QCoreApplication::translate("Recitations", "it holds a character a folder name cannot hold"));
    return {};
}

}  // namespace Recitations
