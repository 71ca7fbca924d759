// The window's long jobs on the offscreen platform: a burn, an erase and an
// import, a fake cdrdao standing in for the writer, and the progress
// dialog's Cancel while tools hang. What every job leaves when cancelled is
// tried in test_jobcontract; here, what the window asks and shows.
#include "app/norvane.h"
#include "app/progress.h"
#include "support/gui.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

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
        QVERIFY(cdrdao->setScript(testenv::kScanOneWriter + cdrdaoScript));
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
                                                           {"001.002.mp3", testenv::makeMp3(1200)}}));
        cdrdao = std::make_unique<testenv::FakeTool>(work->path());
        lame = std::make_unique<testenv::FakeTool>(work->path(), "lame");
        QVERIFY(lame->setScript("exec:" + QStandardPaths::findExecutable("lame", {"/usr/bin", "/usr/local/bin"})));
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

    // A failed burn ends in one box, with no "All done" and no writer left
    // behind; which advice each cdrdao failure gets is tried in
    // test_norvanemake and test_cdrdaoadvice.
    void aBurnFailureEndsInABox() {
        const QString box = "Burning Quran CD failed: There is no disc";
        Start("ifarg:write\nerr:ERROR: Unit not ready, giving up.\nexit:1\n");
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

    // File > Get Recitation… from a local server: the server's own list
    // (Refresh list), sura 114 of a recitation; the progress dialog follows
    // it, the report comes in a box, and the recitation that arrived is the
    // one chosen, with the suras of its pack.
    void getRecitationFetchesAndChoosesIt() {
        Start("");
        QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath("data/Tone_64kbps")));
        for (int aya = 1; aya <= 6; ++aya)
            QVERIFY(testenv::writeFile(root.filePath(QString("data/Tone_64kbps/1140%1.mp3").arg(aya, 2, 10, QChar('0'))),
                                       testenv::makeMp3(300)));
        QVERIFY(testenv::writeFile(root.filePath("data/recitations.js"),
                                   R"({"1": {"subfolder": "Tone_64kbps", "name": "Tone", "bitrate": "64kbps"}})"));
        testenv::AyaServer server(root.path());
        QVERIFY(server.ok());
        dialogs->dialogAnswer = [&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("baseEdit")->setText(server.base());
            dialog.findChild<QPushButton*>("refreshButton")->click();
            auto* list = dialog.findChild<QListWidget*>("catalogueList");
            if (!QTest::qWaitFor([&] { return list->count() == 1; }, 10000)) return false;
            dialog.findChild<QLineEdit*>("surasEdit")->setText("114");
            dialog.findChild<QPushButton*>("downloadButton")->click();
            return dialog.result() == QDialog::Accepted;
        };
        window->GetRecitation();
        QTRY_VERIFY_WITH_TIMEOUT(progress->CloseEnabled(), 30000);
        QVERIFY2(dialogs->boxes.last().title == "Get Recitation", qPrintable(dialogs->Texts().join('\n')));
        QCOMPARE(Child<QComboBox>(window.get(), "recitationCombo")->currentData().toString(), QString("Tone_64kbps"));
        QCOMPARE(Child<QComboBox>(window.get(), "suraCombo")->count(), 37);
        QVERIFY(QFile::exists("quran/Tone_64kbps/s078_s114.mat"));
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

        window->RemoveAll();
        AddAya(window.get(), 0, 0, 5);  // 001.001 of 1.5 s, five times
        const qint64 measured = window->Disc().trackTotal;
        window->ImportRecitation();
        QTRY_VERIFY_WITH_TIMEOUT(progress->CloseEnabled(), 30000);
        // The new pack's 001.001 is 1 s: the figure measures it anew (5 x 0.5 s = 187 blocks less).
        QVERIFY2(qAbs(measured - window->Disc().trackTotal - 187) < 20, qPrintable(QString::number(window->Disc().trackTotal)));
        // The report's texts are norvane-pack's, tried in test_packarchive.
        QVERIFY(log.contains("s078_s114.mat: 1 of 564 ayas, missing: 078.002-114.006"));
        QVERIFY(log.last().startsWith("Ignored notes.txt"));
        QCOMPARE(Child<QComboBox>(window.get(), "suraCombo")->count(), 2 + 37);
        QVERIFY(dialogs->Texts().last().startsWith("Imported 2 sura pack(s).\n\ns001_s002.mat: 1 of 293"));
    }
};

QTEST_MAIN(JobsTest)
#include "gui_jobs.moc"
