#pragma once
// The languages the window speaks, and loading the one chosen: Norvane's
// own texts and Qt's (the standard buttons and dialogs), with the layout
// running right to left for the languages written so.

#include <QString>
#include <vector>

class QCoreApplication;

struct InterfaceLanguage {
    QString code;        // "ar", "ur", ...; "en" for the texts as written
    QString nativeName;  // as its readers write it
};

// English first, then the shipped translations.
const std::vector<InterfaceLanguage>& InterfaceLanguages();

// The language to speak: the one kept in the settings (empty: follow the
// system), else the system's when it is shipped, else English.
QString LanguageToUse(const QString& kept);

// Loads the translations of `code` into the application and sets the
// layout direction. False when Norvane's own translation cannot be found
// (the window then speaks English).
bool InstallLanguage(QCoreApplication& app, const QString& code);

// Where the settings keep the choice.
inline constexpr const char* kLanguageSection = "ui";
inline constexpr const char* kLanguageKey = "language";

// Text that reads left to right whatever the window's direction (a
// transliteration, a device name), kept whole in a right-to-left line.
inline QString LeftToRight(const QString& text) { return QChar(0x2066) + text + QChar(0x2069); }
