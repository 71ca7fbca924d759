// The main window as a user meets it: start-up, widgets and their texts,
// the sura list from the installed packs, the stored MP3 folder, menus.

#include "app/norvane.h"
#include "support/gui.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// An empty but valid pack archive: magic and a count of 0.
void WriteEmptyPack(const QString& path) { testenv::writeFile(path, QByteArray("JR1\0\0\0\0", 7)); }

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    testenv::SilentCdrdao cdrdao{dir.filePath("fakebin")};

    std::unique_ptr<Norvane> Start() { return std::make_unique<Norvane>(); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
    }

    void init() {
        const QString work = dir.filePath("work");
        QDir(work).removeRecursively();
        QDir().mkpath(work + "/quran");
        QVERIFY(QDir::setCurrent(work));
    }

    void noPacksMessageShownOnceBeforeTheWindow() {
        ScriptedDialogs dialogs;
        bool windowVisibleDuringBox = false;
        dialogs.onBox = [&](const ShownBox&) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<Norvane*>(w) && w->isVisible()) windowVisibleDuringBox = true;
        };
        auto window = Start();
        window->show();
        const QString expected =
            "It seems like you do not have any sura packs installed!\nPlease go to norvane.org and download some!";
        QCOMPARE(dialogs.Texts().count(expected), 1);
        QCOMPARE(dialogs.boxes[dialogs.Texts().indexOf(expected)].title, QString("Norvane"));
        QVERIFY(!windowVisibleDuringBox);
        QCOMPARE(Child<QComboBox>(window.get(), "suraCombo")->count(), 0);
        QCOMPARE(Child<QListWidget>(window.get(), "ayaListBox")->count(), 0);
    }

    void suraListFollowsInstalledPacks() {
        WriteEmptyPack("quran/s001_s002.mat");
        WriteEmptyPack("quran/s078_s114.mat");
        WriteEmptyPack("quran/notapack.mat");
        ScriptedDialogs dialogs;
        auto window = Start();
        QVERIFY(!dialogs.Texts().join("\n").contains("sura packs installed"));
        auto* suras = Child<QComboBox>(window.get(), "suraCombo");
        QCOMPARE(suras->count(), 39);
        QCOMPARE(suras->itemText(0), QString("1. Al-Fatiha "));
        QCOMPARE(suras->itemText(2), QString("78. An-Naba"));
        QCOMPARE(suras->itemText(38), QString("114. An-Nas"));
        // The first sura's ayas are listed at start; row 2 is sura 78 with 40 ayas.
        auto* ayas = Child<QListWidget>(window.get(), "ayaListBox");
        QCOMPARE(ayas->count(), 7);
        window->SuraSelected(2);
        QCOMPARE(ayas->count(), 40);
        QCOMPARE(ayas->item(0)->text(), QString("001"));
        QCOMPARE(ayas->item(39)->text(), QString("040"));
    }

    void widgetsStartWithTheirTextsRangesAndDefaults() {
        ScriptedDialogs dialogs;
        auto window = Start();
        QCOMPARE(window->size(), QSize(660, 580));
        QCOMPARE(window->minimumSize(), window->maximumSize());

        QCOMPARE(Child<QComboBox>(window.get(), "groupCombo")->count(), 100);

        struct SpinCase { const char* name; int min, max; };
        for (const SpinCase& c : {SpinCase{"ayaRepSpin", 1, 100}, SpinCase{"ayaPauseSpin", 0, 60},
                                  SpinCase{"groupRepSpin", 1, 100}}) {
            auto* spin = Child<QSpinBox>(window.get(), c.name);
            QCOMPARE(spin->minimum(), c.min);
            QCOMPARE(spin->maximum(), c.max);
            QCOMPARE(spin->value(), c.min);
        }

        QCOMPARE(Child<QListWidget>(window.get(), "burnListBox")->selectionMode(),
                 QAbstractItemView::ExtendedSelection);
        QVERIFY(Child<QLabel>(window.get(), "cdLengthLabel")->text().contains(">00:00<"));

        QStringList menus;
        for (QAction* a : window->menuBar()->actions()) {
            menus << a->text();
            for (QAction* item : a->menu()->actions()) menus << item->text();
        }
        QCOMPARE(menus, QStringList({"&File", "&Exit", "&Help", "&Help", "&About"}));

        // The slider texts follow the sliders.
        auto* bitrate = Child<QSlider>(window.get(), "bitrateSlider");
        auto* bitrateLabel = Child<QLabel>(window.get(), "bitrateLabel");
        auto* speedLabel = Child<QLabel>(window.get(), "speedLabel");
        QCOMPARE(bitrate->maximum(), 7);
        QCOMPARE(bitrateLabel->text(), QString("Current bitrate: 64 kbit"));
        QCOMPARE(speedLabel->text(), QString("CD Writing Speed: 4x"));
        bitrate->setValue(7);
        QCOMPARE(bitrateLabel->text(), QString("Current bitrate: 160 kbit"));
        Child<QSlider>(window.get(), "speedSlider")->setValue(7);
        QCOMPARE(speedLabel->text(), QString("CD Writing Speed: 48x"));
    }

    void splittersAreSizedFromTheWindow() {
        QCOMPARE(Norvane::SplitSizes(0.5f, 0.5f, int(660 * 0.7)), QList<int>({230, 230}));
        QCOMPARE(Norvane::SplitSizes(0.7f, 0.3f, 580), QList<int>({405, 174}));
    }

    void mp3FolderIsKeptAcrossRestartsSlidersAreNot() {
        const QString chosen = dir.filePath("music out");
        QDir().mkpath(chosen);
        {
            ScriptedDialogs dialogs;
            auto window = Start();
            Child<QSlider>(window.get(), "bitrateSlider")->setValue(6);
            Child<QSlider>(window.get(), "speedSlider")->setValue(5);
            dialogs.fileAnswers << chosen;
            window->BrowseMP3();
            QCOMPARE(dialogs.askedCaptions, QStringList("Choose a directory to place your MP3s"));
            QCOMPARE(dialogs.askedStartDirs, QStringList(QDir::homePath()));
            QCOMPARE(Child<QLineEdit>(window.get(), "mp3DirEdit")->text(), chosen);
        }
        QCOMPARE(testenv::readFile("norvane.ini"), ("[dir]\nmp3dir=" + chosen + "\n").toUtf8());
        ScriptedDialogs dialogs;
        auto window = Start();
        QCOMPARE(Child<QLineEdit>(window.get(), "mp3DirEdit")->text(), chosen);
        QCOMPARE(Child<QSlider>(window.get(), "bitrateSlider")->value(), 4);
        QCOMPARE(Child<QSlider>(window.get(), "speedSlider")->value(), 2);
    }

    void cancelledOrBogusFolderChangesNothing() {
        testenv::writeFile("norvane.ini", "[dir]\nmp3dir=/kept\n");
        ScriptedDialogs dialogs;
        auto window = Start();
        dialogs.fileAnswers << QString() << dir.filePath("no such folder");
        window->BrowseMP3();
        window->BrowseMP3();
        QCOMPARE(Child<QLineEdit>(window.get(), "mp3DirEdit")->text(), QString("/kept"));
        QCOMPARE(testenv::readFile("norvane.ini"), QByteArray("[dir]\nmp3dir=/kept\n"));
    }

};

QTEST_MAIN(WindowTest)
#include "gui_window.moc"
