// The CD writer in the window: scanning at start-up (both output forms of
// cdrdao), the stored choice, eject and erase, with a fake cdrdao first on
// the program search path, and once with the real one.

#include "app/norvane.h"
#include "app/progress.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class DrivesTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString savedCwd;
    std::unique_ptr<testenv::FakeTool> cdrdao;

    void FakeScript(const QStringList& actions) { cdrdao->setScript(actions.join("\n") + "\n"); }
    QList<QStringList> Runs() { return cdrdao->runs(); }
    static QComboBox* Drives(Norvane* w) { return w->findChild<QComboBox*>("driveCombo"); }
    static QStringList Items(QComboBox* c) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        return items;
    }
    static const QString& NoWriterFirstLine() {
        static const QString line = "No CD drivers were found!\n";
        return line;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        savedCwd = QDir::currentPath();
        cdrdao = std::make_unique<testenv::FakeTool>(dir.path());
        QVERIFY(cdrdao->ok());
    }

    void init() {
        const QString work = dir.filePath("work");
        QDir(work).removeRecursively();
        QDir().mkpath(work + "/quran");
        QVERIFY(QDir::setCurrent(work));
        // One (empty) pack, so that the only boxes are the writer's.
        testenv::writeFile("quran/s001_s002.mat", QByteArray("JR1\0\0\0\0", 7));
        cdrdao->clearLog();
    }

    void cleanupTestCase() {
        QDir::setCurrent(savedCwd);
        cdrdao.reset();
    }

    void classicScanOutputGivesLettersAndAddresses() {
        FakeScript({"ifarg:scanbus", "err:Cdrdao version 1.2.4 - (C) Andreas Mueller",
                    "err:D:|0,0,0 |HL-DT-ST|DVDRAM GH24NSD1", "err: E:|1,0,0 |SONY|CD-RW",
                    "err:F:|1,10,0 |TEAC|CD-W", "endif"});
        ScriptedDialogs dialogs;
        Norvane window;
        QCOMPARE(Items(Drives(&window)), QStringList({"D:"}));
        QVERIFY(dialogs.boxes.isEmpty());
        QCOMPARE(Runs(), QList<QStringList>({{"scanbus"}}));
    }

    void storedChoiceSelectsTheSameRowAndAChoiceIsStoredAtOnce() {
        FakeScript({"ifarg:scanbus", "err:D:|0,0,0 |A|B", "err:E:|1,0,0 |C|D", "endif"});
        testenv::writeFile("norvane.ini", "[cd]\ndevice=1\n");
        ScriptedDialogs dialogs;
        {
            Norvane window;
            QComboBox* drives = Drives(&window);
            QCOMPARE(Items(drives), QStringList({"D:", "E:"}));
            QCOMPARE(drives->currentIndex(), 1);
            // Selecting by program at start-up wrote nothing; a user's choice is stored at once.
            QCOMPARE(testenv::readFile("norvane.ini"), QByteArray("[cd]\ndevice=1\n"));
            drives->setCurrentIndex(0);  // what a user's choice does
            emit drives->activated(0);
            QCOMPARE(testenv::readFile("norvane.ini"), QByteArray("[cd]\ndevice=0\n"));
            window.EjectCD();
        }
        QCOMPARE(Runs().last(), QStringList({"eject", "--device", "0,0,0", "--driver", "generic-mmc"}));
        testenv::writeFile("norvane.ini", "[cd]\ndevice=7\n");
        Norvane window;
        QCOMPARE(Drives(&window)->currentIndex(), 0);
    }

    void linuxScanOutputGivesDevicePaths() {
        FakeScript({"ifarg:scanbus", "err:Cdrdao version 1.2.4 - (C) Andreas Mueller <andreas@daneb.de>",
                    "err:/dev/sr0 : HL-DT-ST, DVDRAM GH24NSD1, 1.00", "err:/dev/sr1 : TSSTcorp, CDDVDW SH-224DB , SB01",
                    "endif"});
        ScriptedDialogs dialogs;
        Norvane window;
        QCOMPARE(Items(Drives(&window)),
                 QStringList({"/dev/sr0 (HL-DT-ST DVDRAM GH24NSD1)", "/dev/sr1 (TSSTcorp CDDVDW SH-224DB)"}));
        Drives(&window)->setCurrentIndex(1);
        window.EjectCD();
        QCOMPARE(Runs().last(), QStringList({"eject", "--device", "/dev/sr1", "--driver", "generic-mmc"}));
        QCOMPARE(dialogs.boxes.last().text,
                 QString("If your CD drive's door opened, you chose a CD drive!\n but make sure it can record CDs!"));
    }

    void noWriterIsReportedAndEjectStillRuns() {
        FakeScript({"ifarg:scanbus", "err:Cdrdao version 1.2.4 - (C) Andreas Mueller", "endif"});
        ScriptedDialogs dialogs;
        Norvane window;
        QCOMPARE(Drives(&window)->count(), 0);
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY(dialogs.boxes[0].text.startsWith(NoWriterFirstLine()));
        QVERIFY(dialogs.boxes[0].text.endsWith("\nCreating Audio CDs will not work.\nYou can, however, still create MP3s."));
        QVERIFY(!dialogs.boxes[0].text.contains("ASPI"));
        window.EjectCD();
        QCOMPARE(Runs().last(), QStringList({"eject", "--device", "", "--driver", "generic-mmc"}));
        QCOMPARE(dialogs.boxes.size(), 2);
    }

    void eraseReportsSuccessAndFailure_data() {
        QTest::addColumn<QStringList>("blank");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("done") << QStringList({"err:Blanking disk...", "err:Blanking finished successfully."})
                              << "All done erasing CD!";
        QTest::newRow("ERROR line") << QStringList({"err:ERROR: Unit not ready, giving up.", "exit:1"})
                                    << "Erasing CD Failed";
        QTest::newRow("ERROR mid-line") << QStringList({"err:No ERROR here"}) << "All done erasing CD!";
        QTest::newRow("failure status") << QStringList({"err:Cannot open SCSI device", "exit:1"})
                                        << "Erasing CD Failed";
        QTest::newRow("crash") << QStringList({"crash"}) << "Erasing CD Failed";
    }

    void eraseReportsSuccessAndFailure() {
        QFETCH(QStringList, blank);
        QFETCH(QString, verdict);
        FakeScript(QStringList({"ifarg:scanbus", "err:D:|0,0,0 |A|B", "ifarg:blank"}) + blank + QStringList("endif"));
        ScriptedDialogs dialogs;
        Norvane window;
        auto* progress = window.findChild<Progress*>();
        QVERIFY(progress);
        window.EraseCD();
        QCOMPARE(Runs().last(), QStringList({"blank", "--device", "0,0,0", "--driver", "generic-mmc"}));
        QCOMPARE(progress->Message(), QString("Erasing CD-RW ..."));
        QCOMPARE(progress->LogTexts(), QStringList({verdict, "Starting erase of CD-RW..."}));
        QVERIFY(progress->CloseEnabled());
        progress->close();
    }

    void eraseWithoutCdrdaoFails() {
        FakeScript({});
        ScriptedDialogs dialogs;
        Norvane window;
        qputenv("PATH", dir.filePath("nothing-here").toUtf8());
        window.EraseCD();
        cdrdao->putFirstOnPath();
        auto* progress = window.findChild<Progress*>();
        QCOMPARE(progress->LogTexts().first(), QString("Erasing CD Failed"));
        QCOMPARE(dialogs.Texts().count("cannot run command"), 1);
        QCOMPARE(dialogs.boxes.last().title, QString("Norvane Error"));
        progress->close();
    }

    void realCdrdaoScanWithoutWriter() {
        qputenv("PATH", cdrdao->savedPath());
        const bool present = !QStandardPaths::findExecutable("cdrdao").isEmpty();
        ScriptedDialogs dialogs;
        Norvane window;
        cdrdao->putFirstOnPath();
        if (!present) QSKIP("cdrdao is not installed");
        if (Drives(&window)->count() > 0) QSKIP("this machine has a CD writer");
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY(dialogs.boxes[0].text.startsWith(NoWriterFirstLine()));
    }
};

QTEST_MAIN(DrivesTest)
#include "gui_drives.moc"
