#include "app/language.h"

#include "library/locations.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

const std::vector<InterfaceLanguage>& InterfaceLanguages() {
    static const std::vector<InterfaceLanguage> languages{
        {"en", "English"},          {"ar", "العربية"},   {"ur", "اردو"},       {"id", "Bahasa Indonesia"},
        {"tr", "Türkçe"},           {"fr", "Français"},  {"ms", "Bahasa Melayu"}, {"bn", "বাংলা"},
        {"fa", "فارسی"}};
    return languages;
}

namespace {

bool Shipped(const QString& code) {
    for (const InterfaceLanguage& language : InterfaceLanguages())
        if (language.code == code) return true;
    return false;
}

}  // namespace

QString LanguageToUse(const QString& kept) {
    if (Shipped(kept)) return kept;
    // "ar_SA", "ur_PK", "ms_MY": the language part is what is shipped.
    const QString system = QLocale::system().name().section('_', 0, 0);
    return Shipped(system) ? system : QStringLiteral("en");
}

namespace {

// Installs one translation of Qt's or Norvane's; false when there is none.
bool Install(QCoreApplication& app, const QString& name, const QString& code, const QString& folder) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName("norvane-language");
    if (translator->load(name + "_" + code, folder)) {
        QCoreApplication::installTranslator(translator);  // refused, and harmless, while it holds no text
        return true;
    }
    delete translator;
    return false;
}

}  // namespace

bool InstallLanguage(QCoreApplication& app, const QString& code) {
    // A language chosen before gives way: its translators go.
    for (QTranslator* earlier : app.findChildren<QTranslator*>("norvane-language")) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    const QLocale locale(code);
    // Numbers stay in Western digits, as the playlist files and the figures
    // write them, also where the language writes its own.
    const QLocale numbers = code == "en" ? QLocale::system() : locale;
    QLocale::setDefault(numbers.zeroDigit() == "0" ? numbers : QLocale(QLocale::English, QLocale::UnitedStates));
    // Qt's own texts (OK, Cancel, the file dialogs) and Norvane's.
    bool found = true;  // English is the texts as written
    if (code != "en") {
        Install(app, "qtbase", code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));  // where the system has it
        found = Install(app, "norvane", code, Locations::Current().DataFile("translations"));
    }
    // After the translators, which would set the direction of their own.
    if (auto* gui = qobject_cast<QGuiApplication*>(&app)) gui->setLayoutDirection(locale.textDirection());
    return found;
}
