// Help > Language: the window's language, kept in the settings and spoken
// from the next start (the texts are set as the window is built).
#include "app/language.h"
#include "app/norvane.h"
#include "app/userdialogs.h"
#include "settings/qinifile.h"

#include <QActionGroup>
#include <QMenu>

void Norvane::BuildLanguageMenu(QMenu* menu) {
    auto* choices = new QActionGroup(menu);
    const QString kept = settings->ReadString(kLanguageSection, kLanguageKey);
    const auto offer = [&](const QString& text, const QString& code) {
        QAction* action = menu->addAction(text, this, [this, code] { ChooseLanguage(code); });
        action->setCheckable(true);
        action->setChecked(code == kept);
        action->setData(code);
        choices->addAction(action);
    };
    offer(tr("The system's language"), QString());
    menu->addSeparator();
    for (const InterfaceLanguage& language : InterfaceLanguages()) offer(language.nativeName, language.code);
}

void Norvane::ChooseLanguage(const QString& code) {
    settings->WriteString(kLanguageSection, kLanguageKey, code);
    const QString chosen = LanguageToUse(code);
    QString name = chosen;
    for (const InterfaceLanguage& language : InterfaceLanguages())
        if (language.code == chosen) name = language.nativeName;
    UserDialogs::Current().Information("Norvane", tr("Norvane speaks %1 from its next start.").arg(name));
}
