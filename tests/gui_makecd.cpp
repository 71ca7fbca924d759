// "Make Quran CD" in the real window: tracks made by the real lame and
// joinwav from small packs, the table of contents checked by the real cdrdao
// while a fake cdrdao stands in for the writer, and every way a burn can end.

#include "app/norvane.h"
#include "app/progress.h"
#include "library/suracatalogue.h"
#include "production/cdburner.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const QString kTooLong =
    "You have selected more than 80 minutes of audio.\nUsually CDRs can only handle 80 minutes or lower.\n"
    "Please remove ayas till you are under 80 minutes!";
const QString kNotWritable =
    "Cannot write to media!\nMake sure media is a CDR or CD-RW\nIf it is a CD-RW, make sure you erase it first!";
const QString kAllDone = "All done burning Quran CD!";

// The scan finds two writers; the write answers as the test decides.
const QString kScan = "ifarg:scanbus\n"
                      "err:/dev/sr0 : VENDOR  , MODEL           , REV \n"
                      "err:/dev/sr1 : OTHER   , WRITER          , 1.0 \n";

QString GoodWrite(int tracks) {
    QString script = "ifarg:write\nerr:Starting write at speed 16...\nerr:Writing CD-TEXT lead-in...\n";
    for (int t = 1; t <= tracks; ++t)
        script += QString("err:Writing track %1 (mode AUDIO/AUDIO )...\ncr:Wrote %1 of 5 MB (Buffer 100%).\n")
                      .arg(t, 2, 10, QChar('0'));
    return script + "err:Writing finished successfully.\n";
}

saya Entry(const std::string& sura, const std::string& aya, int group = 0) {
    return testenv::makeSaya(sura, aya, 1, 0, group);
}

// Whether a child of this process named cdrdao is alive (not yet killed).
// Linux reads it from /proc; elsewhere the answer is taken as yes.
bool WriterAlive() {
#ifdef Q_OS_LINUX
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        // "pid (comm) state ppid ..."
        const QString stat = QString::fromUtf8(testenv::readFile("/proc/" + pid + "/stat"));
        const int close = stat.lastIndexOf(')');
        const QStringList rest = stat.mid(close + 2).split(' ');
        if (stat.contains("(cdrdao)") && rest.value(1) == self && rest.value(0) != "Z") return true;
    }
    return false;
#else
    return true;
#endif
}

struct LogLine {
    QString text;
    int bar;
    int barMax;
};

}  // namespace

class MakeCdTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString savedCwd;
    QString realCdrdao;
    std::unique_ptr<testenv::FakeTool> cdrdao;
    QString noWriterPath; // PATH with lame but no cdrdao
    QString noLamePath;   // PATH with the fake cdrdao but no lame

    std::unique_ptr<Norvane> window;
    Progress* progress = nullptr;
    QList<LogLine> log;
    std::function<void(const QString&)> onLogLine;

    void SetWriter(const QString& writeActions) {
        QVERIFY(cdrdao->setScript(kScan + writeActions));
    }

    void Start() {
        window = std::make_unique<Norvane>();
        progress = window->findChild<Progress*>();
        QVERIFY(progress);
        connect(window.get(), &Norvane::StatMsg, this, [this](const QString& line) {
            log.append({line, progress->BarValue(), progress->BarMaximum()});
            if (onLogLine) onLogLine(line);
        });
    }

    void LoadPlaylist(ScriptedDialogs& dialogs, const QStringList& lines) {
        const QString file = dir.filePath("list.qap");
        QVERIFY(testenv::writeFile(file, (lines.join("\n") + "\n").toUtf8()));
        dialogs.fileAnswers << file;
        window->LoadPlaylist();
    }

    QList<QStringList> Writes() const {
        QList<QStringList> writes;
        for (const QStringList& call : cdrdao->runs())
            if (call.value(0) == "write") writes << call;
        return writes;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const LogLine& l : log) texts << l.text;
        return texts;
    }
    QStringList LinesStartingWith(const QString& start) const { return Texts().filter(QRegularExpression("^" + QRegularExpression::escape(start))); }

    // The working files of a burn are gone: no track WAV, no table of contents.
    bool TempFolderClean() const { return QDir("temp").entryList({"*.wav", "*.toc"}, QDir::Files).isEmpty(); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        savedCwd = QDir::currentPath();
        realCdrdao = QStandardPaths::findExecutable("cdrdao");
        QVERIFY2(!realCdrdao.isEmpty(), "the real cdrdao checks the table of contents");
        const QString lame = QStandardPaths::findExecutable("lame");
        QVERIFY(!lame.isEmpty());

        cdrdao = std::make_unique<testenv::FakeTool>(dir.path());
        QVERIFY(cdrdao->ok());
        noWriterPath = dir.filePath("lamebin");
        QVERIFY(QDir().mkpath(noWriterPath) && QFile::link(lame, noWriterPath + "/lame"));
        noLamePath = cdrdao->binDir();

        // Sura 1 and aya 1 of sura 2, short recordings as the packs hold them
        // (22.05 kHz mono); 001.007 plays 2 seconds, less than a CD track may.
        const QString work = dir.filePath("work");
        QVERIFY(QDir().mkpath(work) && QDir::setCurrent(work));
        const QByteArray ayaMp3 = testenv::makeMp3(1500);
        QVERIFY(!ayaMp3.isEmpty());
        testenv::PackEntries entries{{"silence.mp3", testenv::makeMp3(1000)}, {"001.007.mp3", testenv::makeMp3(2000)},
                                     {"002.001.mp3", ayaMp3}};
        for (int a = 1; a <= 6; ++a) entries.append({QString("001.%1.mp3").arg(a, 3, 10, QChar('0')), ayaMp3});
        QVERIFY(testenv::writePack("quran/s001_s002.mat", entries));
    }

    void init() {
        log.clear();
        onLogLine = nullptr;
        cdrdao->clearLog();
        cdrdao->putFirstOnPath();
        SetWriter(GoodWrite(1));
    }

    void cleanup() {
        window.reset();
        QDir("temp").removeRecursively();
    }

    void cleanupTestCase() {
        QDir::setCurrent(savedCwd);
        cdrdao.reset();
    }

    void checksComeInOrderAndCountTracksAsTheDiscWill() {
        const std::vector<saya> one{Entry("001", "001")};
        QCOMPARE(CdBurner::Check(4859, one), CdBurner::Refusal::None);     // 80:59
        QCOMPARE(CdBurner::Check(4860, one), CdBurner::Refusal::TooLong);  // 81:00
        QCOMPARE(CdBurner::Check(0, {}), CdBurner::Refusal::Empty);
        QCOMPARE(CdBurner::Check(4860, {}), CdBurner::Refusal::TooLong);

        std::vector<saya> list;
        for (int a = 1; a <= 99; ++a) list.push_back(Entry("002", PadKey(std::to_string(a))));
        QCOMPARE(CdBurner::Check(0, list), CdBurner::Refusal::None);
        list.push_back(Entry("002", "100"));
        QCOMPARE(CdBurner::Check(0, list), CdBurner::Refusal::TooManyTracks);
        QVERIFY(CdBurner::RefusalText(CdBurner::Refusal::TooManyTracks).contains("groups"));
        // Two ayas sharing a group make one track: 99 again.
        list[0].group = list[1].group = 7;
        QCOMPARE(CdBurner::Check(0, list), CdBurner::Refusal::None);
        // A group counts once however far apart its members stand.
        list.push_back(Entry("002", "101", 7));
        QCOMPARE(CdBurner::Check(0, list), CdBurner::Refusal::None);
    }

    void burnsWithArgumentsProgressAndTitles() {
        ScriptedDialogs dialogs;
        SetWriter(GoodWrite(5));
        Start();
        // Groups 1 and 4 with three and two members, three single ayas.
        LoadPlaylist(dialogs, {"001,001,1,0,1,1", "001,002,1,0,4,2", "001,003,1,0,1,1", "001,004,2,1,0,0",
                               "001,005,1,0,4,2", "001,006,1,0,1,1", "001,007,1,0,0,0", "002,001,1,0,0,0"});
        QCOMPARE(int(window->BurnList().size()), 8);
        window->findChild<QSlider*>("speedSlider")->setValue(4);
        window->findChild<QComboBox*>("driveCombo")->setCurrentIndex(1);

        const QStringList titles{"group.1", "group.4", "Al-Fatiha.004", "Al-Fatiha.007", "Al-Baqara.001"};
        // While the writer runs: the files it was given are what a real
        // cdrdao burns, with the titles in disc order.
        testenv::RunResult readTest, cddb;
        qint64 paddedTrackBytes = 0;
        QString statusDuringWrite;
        onLogLine = [&](const QString& line) {
            if (line != "Burning track: 1. group.1") return;
            statusDuringWrite = progress->Message();
            readTest = testenv::run(realCdrdao, {"read-test", "temp/temp.toc"});
            cddb = testenv::run("toc2cddb", {"temp/temp.toc"});
            paddedTrackBytes = QFileInfo("temp/Al-Fatiha.007.wav").size();
        };
        dialogs.boxes.clear();
        window->MakeCD();

        QCOMPARE(dialogs.boxes.size(), 0);
        QCOMPARE(Writes().size(), 1);
        QCOMPARE(Writes().first(), (QStringList{"write", "--device", "/dev/sr1", "--driver", "generic-mmc:0x10", "--eject",
                                                "--speed", "16", QDir::toNativeSeparators("./temp/temp.toc")}));
        QCOMPARE(statusDuringWrite, QString("Burning Quran CD ..."));

        // One log line per track, the bar one step behind it (it moves after
        // the line), and full once the last track has started.
        const QStringList burning = LinesStartingWith("Burning track: ");
        QCOMPARE(burning.size(), 5);
        for (int k = 1; k <= 5; ++k) {
            const int at = Texts().indexOf(QString("Burning track: %1. %2").arg(k).arg(titles[k - 1]));
            QVERIFY2(at >= 0, qPrintable(titles[k - 1]));
            QCOMPARE(log[at].bar, k - 1);
            QCOMPARE(log[at].barMax, 5);
        }
        QCOMPARE(Texts().last(), kAllDone);
        QCOMPARE(log.last().bar, 5);
        QCOMPARE(progress->BarValue(), 5);
        QVERIFY(progress->CloseEnabled());
        QVERIFY(TempFolderClean());

        QVERIFY2(readTest.exitCode == 0, readTest.err.constData());
        QCOMPARE(readTest.err.count("Writing track"), 5);
        QVERIFY(!readTest.err.contains("WARNING"));
        for (int i = 0; i < titles.size(); ++i)
            QVERIFY2(cddb.out.contains(QString("TTITLE%1=%2\n").arg(i).arg(titles[i]).toUtf8()), cddb.out.constData());
        // The 2-second aya went to the writer as a 4-second track.
        QCOMPARE(paddedTrackBytes, qint64(44 + 4 * 44100 * 4));
    }

    void unwritableDiscIsReportedAndTheWriterStopped() {
        ScriptedDialogs dialogs;
        // A written disc: cdrdao would wait for the user to reload it.
        SetWriter("ifarg:write\nerr:Starting write at speed 4...\n"
                  "err:Disk seems to be written - hit return to reload disk.\nhang\n");
        Start();
        LoadPlaylist(dialogs, {"001,004,2,1,0,0"});
        bool writerStillBusy = false;
        dialogs.boxes.clear();
        dialogs.onBox = [&](const ShownBox& box) {
            // The burn has not got past the writer while the box is open.
            if (box.text == kNotWritable)
                writerStillBusy = WriterAlive() && QFile::exists("temp/temp.toc") &&
                                  Texts().last() == "Cannot write to media ... ";
        };
        window->MakeCD();  // returns only because the hanging writer was killed

        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].title, QString("Norvane"));
        QCOMPARE(dialogs.boxes[0].text, kNotWritable);
        QVERIFY(writerStillBusy);
        QCOMPARE(Texts().count("Cannot write to media ... "), 1);
        QVERIFY(!Texts().contains(kAllDone));
        QVERIFY(LinesStartingWith("Burning Quran CD failed").isEmpty());
        QVERIFY(TempFolderClean());
        QVERIFY(progress->CloseEnabled());

        // The next burn starts with a clean slate.
        log.clear();
        SetWriter(GoodWrite(1));
        dialogs.onBox = nullptr;
        window->MakeCD();
        QCOMPARE(Texts().last(), kAllDone);
        QCOMPARE(Texts().count("Cannot write to media ... "), 0);
        QCOMPARE(dialogs.boxes.size(), 1);
    }

    // Which way the writer ends is decided in the burner and covered by the
    // norvane-make cd table; here the window's part: box, last line, Close.
    void writerFailuresEndTheBurnInTheLog() {
        ScriptedDialogs dialogs;
        Start();
        LoadPlaylist(dialogs, {"001,004,2,1,0,0"});
        qputenv("PATH", noWriterPath.toLocal8Bit());
        dialogs.boxes.clear();
        window->MakeCD();
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].title, QString("Norvane Error"));
        QCOMPARE(dialogs.boxes[0].text, QString("cannot run command"));
        QCOMPARE(Texts().last(), QString("Burning Quran CD failed: cdrdao could not be started"));
        QVERIFY(!Texts().contains(kAllDone));
        QVERIFY(TempFolderClean());
        QVERIFY(progress->CloseEnabled());

        log.clear();
        cdrdao->putFirstOnPath();
        SetWriter("ifarg:write\nerr:Writing track 01 (mode AUDIO/AUDIO )...\nexit:1\n");
        dialogs.boxes.clear();
        window->MakeCD();
        QCOMPARE(dialogs.boxes.size(), 0);
        QCOMPARE(Texts().last(), QString("Burning Quran CD failed: cdrdao ended with status 1"));
        QCOMPARE(LinesStartingWith("Burning track: ").size(), 1);
        QVERIFY(!Texts().contains(kAllDone));
        QVERIFY(TempFolderClean());
        QVERIFY(progress->CloseEnabled());
    }

    void markersBeyondTheTracksAreIgnored() {
        ScriptedDialogs dialogs;
        SetWriter("ifarg:write\n"
                  "err:Writing track 01 (mode AUDIO/AUDIO )...\n"
                  "err:Writing track 02 (mode AUDIO/AUDIO )...\n"
                  "out:WRITING TRACK 03\n");
        Start();
        window->ProcessMsg();  // no burn: nothing to tell
        QVERIFY(log.isEmpty());
        LoadPlaylist(dialogs, {"001,004,2,1,0,0"});
        window->MakeCD();
        QCOMPARE(LinesStartingWith("Burning track: "), QStringList{"Burning track: 1. Al-Fatiha.004"});
        QCOMPARE(progress->BarValue(), 1);
        QCOMPARE(progress->BarMaximum(), 1);
        QCOMPARE(Texts().last(), kAllDone);
    }

    void failedTracksStopTheBurnBeforeTheWriter() {
        ScriptedDialogs dialogs;
        Start();
        // 002.002 is in no installed pack.
        LoadPlaylist(dialogs, {"001,004,2,1,0,0", "002,002,1,0,0,0"});
        dialogs.boxes.clear();
        window->MakeCD();
        QVERIFY(Writes().isEmpty());
        QCOMPARE(Texts().last(), QString("Burning Quran CD failed: not every track could be made, so nothing was written"));
        QVERIFY(Texts().join('\n').contains("002.002"));
        QVERIFY(!Texts().contains(kAllDone));
        QVERIFY(TempFolderClean());
        QVERIFY(progress->CloseEnabled());
        QCOMPARE(dialogs.boxes.size(), 0);
    }

    void refusedWithABoxBeforeAnyWork_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("box");
        QStringList hundred;
        for (int a = 1; a <= 100; ++a) hundred << QString("002,%1,1,0,0,0").arg(a, 3, 10, QChar('0'));
        // Each recording counts 1 second: (1 + 59) x 80 + (1 + 59) = 4860 s.
        QTest::newRow("81:00") << QStringList{"001,001,80,59,0,0", "001,002,1,59,0,0"} << 4860 << kTooLong;
        QTest::newRow("80:59 goes on") << QStringList{"001,001,80,59,0,0", "001,002,1,58,0,0"} << 4859 << "";
        QTest::newRow("empty") << QStringList() << 0 << "Please add some sura(s) or aya(s) to memorize!";
        QTest::newRow("100 tracks") << hundred << -1
                                    << CdBurner::RefusalText(CdBurner::Refusal::TooManyTracks);
    }

    void refusedWithABoxBeforeAnyWork() {
        QFETCH(QStringList, lines);
        QFETCH(int, seconds);
        QFETCH(QString, box);
        ScriptedDialogs dialogs;
        Start();
        if (!lines.isEmpty()) LoadPlaylist(dialogs, lines);
        if (seconds >= 0) QCOMPARE(window->TotalSeconds(), seconds);
        // Without lame no track can be made, which keeps the test from
        // making 80 minutes of audio when the burn goes on.
        qputenv("PATH", noLamePath.toLocal8Bit());
        dialogs.boxes.clear();
        window->MakeCD();
        QVERIFY(Writes().isEmpty());
        if (box.isEmpty()) {
            QVERIFY(!dialogs.Texts().contains(kTooLong));
            QVERIFY(progress->isVisible());
            QCOMPARE(LinesStartingWith("Burning Quran CD failed: not every track").size(), 1);
            return;
        }
        QCOMPARE(dialogs.Texts(), QStringList{box});
        QCOMPARE(dialogs.boxes[0].title, QString("Norvane"));
        QVERIFY(!progress->isVisible());
        QVERIFY(log.isEmpty());
        QVERIFY(!QDir("temp").exists("temp.toc"));
    }
};

QTEST_MAIN(MakeCdTest)
#include "gui_makecd.moc"
