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

bool InstallLanguage(QCoreApplication& app, const QString& code) {
    const QLocale locale(code);
    // Numbers stay in Western digits, as the playlist files and the figures
    // write them, also where the language writes its own.
    const QLocale numbers = code == "en" ? QLocale::system() : locale;
    QLocale::setDefault(numbers.zeroDigit() == "0" ? numbers : QLocale(QLocale::English, QLocale::UnitedStates));
    if (auto* gui = qobject_cast<QGuiApplication*>(&app)) gui->setLayoutDirection(locale.textDirection());
    if (code == "en") return true;
    // Qt's own texts (OK, Cancel, the file dialogs), where the system has them.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) app.installTranslator(qt);
    auto* own = new QTranslator(&app);
    if (!own->load("norvane_" + code, Locations::Current().DataFile("translations"))) return false;
    app.installTranslator(own);
    return true;
}
