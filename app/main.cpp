#include "app/language.h"
#include "app/norvane.h"
#include "settings/qinifile.h"
#include "library/locations.h"
#include "app/packedimage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

const char kHelp[] =
    "Usage: norvane [options]\n"
    "Norvane makes audio CDs and MP3 sets for memorising the Quran by listening:\n"
    "pick suras and ayas, set how often each repeats and the silence after it,\n"
    "gather ayas into groups, then burn a CD or make a folder of MP3 files.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  --version      Show the program's version and exit.\n"
    "\n"
    "Qt's own options (such as -platform) are accepted too.\n";

// Answered before the window exists, so that they work without a display.
bool AnsweredOnTheTerminal(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) return std::fputs(kHelp, stdout), true;
        if (!std::strcmp(argv[i], "--version")) return std::puts("norvane " NORVANE_VERSION), true;
    }
    return false;
}

// A broken install shows as a window without icons or a Help that opens
// nothing; say on the terminal what is missing and where it was looked for.
void WarnAboutMissingFiles() {
    const Locations& where = Locations::Current();
    for (const QString& path : {where.DataFile("img.dat"), where.GuideFile()})
        if (!QFileInfo::exists(path)) std::fprintf(stderr, "norvane: missing %s\n", qPrintable(QDir::toNativeSeparators(path)));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AnsweredOnTheTerminal(argc, argv)) return 0;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("org.norvane.Norvane");  // desktops match the window to its menu entry
    Locations::ChooseForProgram();
    WarnAboutMissingFiles();
    const QString language = LanguageToUse(QIniFile(Locations::Current().SettingsFile()).ReadString(kLanguageSection, kLanguageKey));
    if (!InstallLanguage(app, language))
        std::fprintf(stderr, "norvane: no translation into \"%s\" found; speaking English\n", qPrintable(language));

    auto* window = new Norvane();
    window->setWindowIcon(LoadPackedIcon("cd_burn.png"));
    window->setWindowTitle("Norvane :: Kelstrom");
    window->show();
    const int code = app.exec();
    delete window;
    return code;
}
