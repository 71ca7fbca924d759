// The window's long jobs on the offscreen platform: an MP3 set and a burn
// made with the real lame and joinwav, a fake cdrdao standing in for the
// writer, and the progress dialog's Cancel while tools hang.
#include "app/norvane.h"
#include "app/progress.h"
#include "support/gui.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kScan = "ifarg:scanbus\nerr:/dev/sr0 : VENDOR  , MODEL           , REV \n";
const QString kStopQuestion = "Stopping now leaves the disc unusable. Stop anyway?";

}  // namespace

class JobsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testenv::WorkFolder> work;
    std::unique_ptr<testenv::FakeTool> cdrdao, lame;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Norvane> window;
    Progress* progress = nullptr;
    QStringList log;

    void Start(const QString& cdrdaoScript) {
        QVERIFY(cdrdao->setScript(kScan + cdrdaoScript));
        window = std::make_unique<Norvane>();
        progress = Child<Progress>(window.get());
        connect(window.get(), &Norvane::StatMsg, this, [this](const QString& line) { log << line; });
        AddAya(window.get(), 0, 0);  // 001.001
        AddAya(window.get(), 0, 1);  // 001.002
    }
    void PressDialogButton() { QTest::mouseClick(Child<QPushButton>(progress), Qt::LeftButton); }
    QStringList Files(const QString& dir) { return testenv::filesUnder(dir); }

private slots:
    void init() {
        work = std::make_unique<testenv::WorkFolder>();
        QVERIFY(work->ok() && QDir().mkpath("out"));
        QVERIFY(testenv::writePack("quran/s001_s002.mat", {{"silence.mp3", testenv::makeMp3(1000)},
                                                           {"001.001.mp3", testenv::makeMp3(1500)},
                                                           {"001.002.mp3", testenv::makeMp3(1200)},
                                                           {"001.003.mp3", testenv::makeMp3(900)},
                                                           {"001.004.mp3", testenv::makeMp3(900)},
                                                           {"001.005.mp3", testenv::makeMp3(900)}}));
        cdrdao = std::make_unique<testenv::FakeTool>(work->path());
        lame = std::make_unique<testenv::FakeTool>(work->path(), "lame");
        // The second MP3 never finishes unless the test says otherwise.
        QVERIFY(lame->setScript("ifarg:Al-Fatiha.002.mp3\nwritelast:5000\nhang\nendif\nexec:" +
                                QStandardPaths::findExecutable("lame", {"/usr/bin", "/usr/local/bin"})));
        dialogs = std::make_unique<ScriptedDialogs>();
        log.clear();
    }
    void cleanup() {
        window.reset();
        dialogs.reset();
        lame.reset();
        cdrdao.reset();
        work.reset();
    }

    // More tracks than tools: some wait for a free tool when Cancel comes,
    // and the dialog still offers Close at once.
    void cancelWhileTracksWaitForAToolEnds() {
        Start("");
        for (int row = 2; row < 5; ++row) AddAya(window.get(), 0, row);
        // The shared silence is made first and alone; then every track's tool hangs.
        QVERIFY(lame->setScript("ifarg:silence.mp3\nexec:" + QStandardPaths::findExecutable("lame", {"/usr/bin", "/usr/local/bin"}) +
                                "\nendif\nhang"));
        Child<QLineEdit>(window.get(), "mp3DirEdit")->setText("out");
        window->MakeMP3();
        QTRY_VERIFY_WITH_TIMEOUT(lame->aliveCount() >= 2, 30000);
        QTest::qWait(300);
        PressDialogButton();
        QTRY_VERIFY_WITH_TIMEOUT(progress->CloseEnabled(), 1000);
        QCOMPARE(log.last(), QString("Cancelled after 0 of 5 tracks."));
        QCOMPARE(Files("out"), QStringList());
        QCOMPARE(Files("temp"), QStringList());
        QVERIFY(!lame->anyAlive());
    }

    // Once the disc is being written, Cancel asks; No lets the writer go on.
    void cancelDuringTheWriteAsksFirst() {
        Start("ifarg:write\nerr:Writing track 01 (mode AUDIO/AUDIO )...\nhang\n");
        window->MakeCD();
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("Burning track: 1. Al-Fatiha.001"), 30000);
        PressDialogButton();
        QCOMPARE(dialogs->Texts(), QStringList{kStopQuestion});
        QTest::qWait(200);
        QVERIFY(progress->CancelOffered());
        QVERIFY(cdrdao->anyAlive());
        dialogs->questionAnswer = true;
        PressDialogButton();
        QTRY_VERIFY(progress->CloseEnabled());
        QVERIFY(log.last().startsWith("Cancelled after 1 of 2 tracks were written"));
        QVERIFY(!cdrdao->anyAlive());
        QCOMPARE(Files("temp"), QStringList());
    }

    // A disc that cannot be written and a failure cdrdao explains end in a
    // box, with no "All done" and no writer left behind.
    void burnFailuresEndInABox_data() {
        QTest::addColumn<QString>("write");
        QTest::addColumn<QString>("box");
        QTest::newRow("unwritable disc") << "err:Disk seems to be written - hit return to reload disk.\nhang\n"
                                         << "Cannot write to media!";
        QTest::newRow("known failure") << "err:ERROR: Unit not ready, giving up.\nexit:1\n"
                                       << "Burning Quran CD failed: There is no disc";
    }
    void burnFailuresEndInABox() {
        QFETCH(QString, write);
        QFETCH(QString, box);
        Start("ifarg:write\n" + write);
        window->MakeCD();
        QTRY_VERIFY_WITH_TIMEOUT(progress->CloseEnabled(), 30000);
        QVERIFY(!log.contains("All done burning Quran CD!"));
        QCOMPARE(dialogs->boxes.size(), 1);
        QVERIFY2(dialogs->Texts().first().startsWith(box), qPrintable(dialogs->Texts().first()));
        QVERIFY(!cdrdao->anyAlive());
        QCOMPARE(Files("temp"), QStringList());
    }

    void eraseCanBeStoppedAndReportsFailure() {
        Start("ifarg:blank\nhang\n");
        window->EraseCD();
        QTRY_VERIFY(cdrdao->anyAlive());
        dialogs->questionAnswer = true;
        PressDialogButton();
        QCOMPARE(dialogs->Texts(), QStringList{kStopQuestion});
        QTRY_VERIFY(progress->CloseEnabled());
        QCOMPARE(log.last(), QString("Erasing cancelled; the disc is probably unusable."));
        QVERIFY(!cdrdao->anyAlive());

        QVERIFY(cdrdao->setScript("ifarg:blank\nerr:ERROR: Odd thing\nexit:2\n"));
        dialogs->boxes.clear();  // a failure is explained in a box
        window->EraseCD();
        QTRY_VERIFY(progress->CloseEnabled());
        QCOMPARE(log.last(), QString("Erasing CD Failed"));
        QCOMPARE(dialogs->Texts(), QStringList{"Erasing CD Failed\nERROR: Odd thing"});
    }

    // File > Import Recitation: a folder with an aya 0, a text file and a
    // sub-folder gives a pack of what is usable, a report of the rest and
    // the new suras in the list. A Cancel while lame makes the silence
    // leaves the earlier pack as it was.
    void importRecitationReportsAndCancels() {
        Start("");
        const QByteArray mp3 = testenv::makeMp3(1000), before = testenv::readFile("quran/s001_s002.mat");
        QVERIFY(QDir().mkpath("rec/sub"));
        for (const char* name : {"rec/078001.mp3", "rec/078000.mp3", "rec/001001.mp3", "rec/sub/078002.mp3"})
            QVERIFY(testenv::writeFile(name, mp3));
        QVERIFY(testenv::writeFile("rec/notes.txt", "words") && lame->setScript("sleep:400\nexec:/usr/bin/lame"));
        dialogs->fileAnswers = QStringList{"rec", "rec"};
        window->ImportRecitation();
        window->CancelJob();
        QTRY_VERIFY(progress->CloseEnabled());
        QVERIFY(log.last().startsWith("Import cancelled"));
        QCOMPARE(testenv::readFile("quran/s001_s002.mat"), before);
        QCOMPARE(Files("quran"), QStringList{"s001_s002.mat"});

        window->ImportRecitation();
        QTRY_VERIFY_WITH_TIMEOUT(progress->CloseEnabled(), 30000);
        QCOMPARE(log.mid(log.size() - 4), (QStringList{"s001_s002.mat: 1 of 293 ayas, missing: 001.002-002.286",
                                                      "s078_s114.mat: 1 of 564 ayas, missing: 078.002-114.006",
                                                      "Ignored 078000.mp3: sura 78 has no aya 0",
                                                      "Ignored notes.txt: not named SSSAAA.mp3"}));
        QCOMPARE(Child<QComboBox>(window.get(), "suraCombo")->count(), 2 + 37);
        QVERIFY(dialogs->Texts().last().startsWith("Imported 2 sura pack(s).\n\ns001_s002.mat: 1 of 293"));
    }
};

QTEST_MAIN(JobsTest)
#include "gui_jobs.moc"
