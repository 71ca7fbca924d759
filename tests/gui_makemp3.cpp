// "Make MP3" through the real main window: the boxes that refuse a job, and
// a real MP3 set with the progress dialog's log, status line and bar.

#include "app/norvane.h"
#include "app/progress.h"
#include "support/gui.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const char kChooseDir[] = "Please choose a valid dir to output your mp3 tracks!";
const char kAddSome[] = "Please add some sura(s) or aya(s) to memorize!";

}  // namespace

class MakeMp3WindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    testenv::SilentCdrdao cdrdao{dir.filePath("fakebin")};
    std::unique_ptr<Norvane> window;
    std::unique_ptr<ScriptedDialogs> dialogs;

    // Sura 1 is combo row 0, sura 2 row 1.
    void Add(int suraIndex, int ayaRow, int reps, int pause) { AddAya(window.get(), suraIndex, ayaRow, reps, pause); }
    void SetFolder(const QString& text) { Child<QLineEdit>(window.get(), "mp3DirEdit")->setText(text); }
    Progress* Dialog() { return Child<Progress>(window.get()); }
    QStringList OutFiles() { return QDir("out").entryList(QDir::Files, QDir::Name); }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("lame").isEmpty()) QSKIP("lame is missing");
        QVERIFY(dir.isValid());

        const QString work = dir.filePath("work");
        QDir().mkpath(work + "/out");
        const QByteArray aya = testenv::makeMp3(1200), silence = testenv::makeMp3(1000, 22050, 1, {"--scale", "0"});
        QVERIFY(testenv::writePack(work + "/quran/s001_s002.mat",
                                   {{"001.001.mp3", aya}, {"001.002.mp3", aya}, {"002.255.mp3", aya}, {"silence.mp3", silence}}));
        testenv::writeFile(work + "/afile", "not a folder");
        QVERIFY(QDir::setCurrent(work));
    }

    void init() {
        dialogs = std::make_unique<ScriptedDialogs>();
        window = std::make_unique<Norvane>();
        dialogs->boxes.clear();  // start-up notices (no CD writer here)
        for (const QString& f : OutFiles()) QFile::remove("out/" + f);
    }

    void cleanup() {
        window.reset();
        dialogs.reset();
    }

    void refusedWithABoxBeforeAnyWork_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("withAya");
        QTest::addColumn<QString>("box");
        QTest::newRow("empty folder") << "" << true << kChooseDir;
        QTest::newRow("missing folder") << "nowhere" << true << kChooseDir;
        QTest::newRow("a file") << "afile" << true << kChooseDir;
        QTest::newRow("empty burn list") << "out" << false << kAddSome;
    }
    void refusedWithABoxBeforeAnyWork() {
        QFETCH(QString, folder);
        QFETCH(bool, withAya);
        QFETCH(QString, box);
        if (withAya) Add(0, 0, 1, 0);
        SetFolder(folder);
        window->MakeMP3();
        QCOMPARE(dialogs->Texts(), QStringList{box});
        QCOMPARE(dialogs->boxes[0].title, QString("Norvane"));
        QVERIFY(!Dialog()->isVisible());
        QVERIFY(!QFileInfo::exists("afile/Al-Fatiha.001.mp3"));
        QCOMPARE(OutFiles(), QStringList());
    }

    void makesTheSetAndReportsInTheDialog() {
        Add(0, 0, 2, 1);  // 001.001
        Add(0, 1, 1, 0);  // 001.002
        Add(1, 254, 1, 0);  // 002.255
        Child<QListWidget>(window.get(), "burnListBox")->clearSelection();
        auto* box = Child<QListWidget>(window.get(), "burnListBox");
        box->item(0)->setSelected(true);
        box->item(1)->setSelected(true);
        box->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        Child<QSpinBox>(window.get(), "groupRepSpin")->setValue(2);
        window->AssignGroup();
        Child<QSlider>(window.get(), "bitrateSlider")->setValue(2);  // 32 kbit/s
        Child<QComboBox>(window.get(), "suraCombo")->setCurrentIndex(1);
        SetFolder("out");

        window->MakeMP3();
        QVERIFY2(dialogs->boxes.isEmpty(), qPrintable(dialogs->Texts().join('\n')));
        QCOMPARE(OutFiles(), QStringList({"Al-Baqara.255.mp3", "group.1.mp3"}));
        Progress* dialog = Dialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Message(), QString("Creating MP3 tracks ..."));
        QCOMPARE(dialog->LogTexts().first(), QString("All done creating MP3 tracks!"));
        QVERIFY(dialog->LogTexts().contains("Encoding MP3 Group: 1 ..."));
        QCOMPARE(dialog->BarValue(), 3);
        QCOMPARE(dialog->BarMaximum(), 3);
        QVERIFY(dialog->CloseEnabled());
        QCOMPARE(window->TrackList(), (std::vector<std::string>{"group.1.wav", "Al-Baqara.255.wav"}));
        QCOMPARE(QDir("temp").entryList(QDir::Files), QStringList());
    }

    void aMissingToolIsOneBoxAndNoAllDone() {
        Add(0, 0, 1, 0);
        Add(0, 1, 1, 0);
        SetFolder("out");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.filePath("fakebin").toUtf8());
        window->MakeMP3();
        qputenv("PATH", path);
        QCOMPARE(dialogs->Texts(), QStringList({"cannot run command"}));
        QVERIFY(!Dialog()->LogTexts().contains("All done creating MP3 tracks!"));
        QVERIFY(Dialog()->LogTexts().first().startsWith("Failed to make 2 of 2 tracks"));
        QVERIFY(Dialog()->CloseEnabled());
        QCOMPARE(OutFiles(), QStringList());
    }
};

QTEST_MAIN(MakeMp3WindowTest)
#include "gui_makemp3.moc"
