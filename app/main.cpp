#include "app/norvane.h"
#include "library/packarchive.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
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
