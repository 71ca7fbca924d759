#include "app/norvane.h"
#include "library/packarchive.h"

#include <QApplication>
#include <QDir>
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

}  // namespace

int main(int argc, char* argv[]) {
    if (AnsweredOnTheTerminal(argc, argv)) return 0;
    QApplication app(argc, argv);
    // Packs, icons, settings and the guide live beside the program; find them
    // however the program was started.
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    auto* window = new Norvane();
    window->setWindowIcon(QIcon(LoadPackedImage("cd_burn.png")));
    window->setWindowTitle("Norvane :: Kelstrom");
    window->show();
    const int code = app.exec();
    delete window;
    return code;
}
