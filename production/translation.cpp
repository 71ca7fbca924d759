#include "production/translation.h"

#include "library/ayakey.h"
#include "library/quran.h"
#include "library/recitation.h"

#include <QCoreApplication>

namespace Translation {

namespace {
constexpr char kSeparator = '/';
}

std::string LengthKey(const QString& name, const std::string& ayaKey) {
    return name.toStdString() + kSeparator + ayaKey;
}

bool SplitLengthKey(const std::string& key, QString* name, std::string* ayaKey) {
    const size_t at = key.rfind(kSeparator);
    if (at == std::string::npos || at == 0) return false;
    *name = QString::fromStdString(key.substr(0, at));
    *ayaKey = key.substr(at + 1);
    return true;
}

Problem CheckInstalled(const QString& name) {
    const std::optional<RecitationInfo> found = name.isEmpty() ? std::nullopt : Recitations::Find(name);
    if (!found)
        return Problem(QCoreApplication::translate("Translation", "no translation \"%1\" is installed").arg(name));
    if (!found->manifest.IsTranslation())
        return Problem(
            QCoreApplication::translate("Translation", "the recitation \"%1\" is not a translation").arg(name));
    return {};
}

std::unique_ptr<Quran> Open(const QString& name) {
    auto quran = std::make_unique<Quran>();
    quran->UseRecitation(name);
    quran->Setup();
    return quran;
}

QStringList Missing(const Quran& translation, const std::vector<saya>& list) {
    QStringList missing;
    for (const saya& entry : list) {
        const std::optional<AyaKey> key = AyaKey::Parse(entry.Key());
        // A malformed key fails its track by itself.
        if (key && !translation.PackForSura(key->SuraNumber()).Holds(entry.Key() + ".mp3"))
            missing << QString::fromStdString(entry.Key());
    }
    return missing;
}

}  // namespace Translation
