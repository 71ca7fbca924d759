// norvane-pack run as a user runs it (exit statuses, the files it leaves,
// damaged packs), and the pack import behind its import job.

#include "library/packarchive.h"
#include "library/packimport.h"
#include "library/qaudio.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace libfixtures;
using testenv::asBytes;

namespace {

QString packTool() { return testenv::binDir() + "/norvane-pack"; }

// How an MP3 decodes with lame.
Wav decodeMp3(const QByteArray& mp3) {
    QTemporaryDir work;
    testenv::writeFile(work.filePath("in.mp3"), mp3);
    testenv::run("lame", {"--silent", "--decode", work.filePath("in.mp3"), work.filePath("out.wav")});
    return parseWav(testenv::readFile(work.filePath("out.wav")));
}

}  // namespace

class TestPackTool : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void exitStatusOfEachCall_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("catalogue") << QStringList{"catalogue"} << 0;
        QTest::newRow("nothing") << QStringList() << 2;
        QTest::newRow("unknown job") << QStringList{"pack", "x"} << 2;
        QTest::newRow("create without list") << QStringList{"create", "out.mat"} << 2;
        QTest::newRow("list with two packs") << QStringList{"list", "a.mat", "b.mat"} << 2;
        QTest::newRow("extract without OUT") << QStringList{"extract", "a.mat", "x"} << 2;
        QTest::newRow("import without OUTDIR") << QStringList{"import", "folder"} << 2;
    }

    void exitStatusOfEachCall() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QCOMPARE(tool(args).exitCode, status);
        QVERIFY(QDir(dir->path()).isEmpty());
    }

    void createWritesTheArchiveLayout() {
        makeTwoEntryPack("out.mat");
        QCOMPARE(testenv::readFile(path("out.mat")), handMadePack({{"a.mp3", "abc"}, {"b.mp3", "12345"}}));
    }

    void createFailureLeavesNoPack_data() {
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("named");
        QTest::newRow("unreadable listed file") << "a.mp3 gone.mp3" << "out.mat" << "gone.mp3";
        QTest::newRow("missing list file") << "" << "out.mat" << "list.txt";
        QTest::newRow("unwritable target") << "a.mp3" << "no/such/dir/out.mat" << "out.mat";
    }

    void createFailureLeavesNoPack() {
        QFETCH(QString, listText);
        QFETCH(QString, out);
        QFETCH(QString, named);
        testenv::writeFile(path("a.mp3"), "abc");
        testenv::writeFile(path("out.mat"), "previous pack");
        if (!listText.isEmpty()) testenv::writeFile(path("list.txt"), listText.toUtf8());
        const QStringList before = filesIn(dir->path());
        const testenv::RunResult r = tool({"create", out, "list.txt"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(named.toUtf8()), r.err.constData());
        QCOMPARE(testenv::readFile(path("out.mat")), QByteArray("previous pack"));
        QCOMPARE(filesIn(dir->path()), before);
    }

    void listVerifyAndExtractASoundPack() {
        const QList<int> lengths{2000, 7250};
        testenv::PackEntries entries;
        for (int i = 0; i < 2; ++i)
            entries.append({QString("002.00%1.mp3").arg(i + 1), testenv::makeMp3(lengths[i], 44100, 1, {"-b", "128"})});
        QVERIFY(!entries[0].second.isEmpty() && testenv::writePack(path("s.mat"), entries));

        const testenv::RunResult r = tool({"list", "s.mat"});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QByteArray& bytes = entries[i].second;
            const QList<QByteArray> columns = lines[i].split('\t');
            QCOMPARE(columns.size(), 4);
            QCOMPARE(columns[1].toInt(), int(bytes.size()));
            QCOMPARE(columns[2].toUInt(nullptr, 16), PackChecksum(bytes.constData(), bytes.size()));
            // Tagged recordings measure to the millisecond, as the window counts them.
            QVERIFY2(qAbs(columns[3].toInt() - lengths[i]) <= 1, columns[3].constData());
        }
        QCOMPARE(tool({"verify", "s.mat"}).exitCode, 0);
        // A folder in front of the name is ignored, as the window asks by bare name.
        QCOMPARE(tool({"extract", "s.mat", "some/where/002.001.mp3", "got.mp3"}).exitCode, 0);
        QCOMPARE(testenv::readFile(path("got.mp3")), entries[0].second);
    }

    void failuresNameTheFileAndWriteNothing_data() {
        // named: texts the message must hold, '|'-separated; notNamed: one it must not.
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("notNamed");
        QTest::newRow("list: missing file") << QStringList{"list", "none.mat"} << "none.mat" << "";
        QTest::newRow("list: index cut short") << QStringList{"list", "cut.mat"} << "cut.mat" << "";
        QTest::newRow("list: damaged entry") << QStringList{"list", "d.mat"} << "d.mat|\"e\"" << "";
        QTest::newRow("extract: absent entry") << QStringList{"extract", "p.mat", "c.mp3", "got.mp3"} << "c.mp3" << "";
        QTest::newRow("extract: damaged entry") << QStringList{"extract", "d.mat", "e", "got.mp3"} << "\"e\"" << "";
        QTest::newRow("verify: changed bytes") << QStringList{"verify", "changed.mat"} << "\"b.mp3\"" << "\"a.mp3\"";
        QTest::newRow("verify: damaged entry") << QStringList{"verify", "d.mat"} << "\"e\"" << "";
        QTest::newRow("import: missing folder") << QStringList{"import", "absent", "out"} << "absent" << "";
        QTest::newRow("import: no recordings") << QStringList{"import", "empty", "out"} << "empty" << "";
        QTest::newRow("import: file in the way") << QStringList{"import", "in", "blocker"} << "blocker" << "";
    }

    void failuresNameTheFileAndWriteNothing() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        QFETCH(QString, notNamed);
        makeTwoEntryPack("p.mat");
        QByteArray changed = testenv::readFile(path("p.mat"));
        changed[548] = 'X';  // inside b.mp3's data (546..551)
        testenv::writeFile(path("changed.mat"), changed);
        testenv::writeFile(path("d.mat"), packHeader(1) + packRecord("e", 275, 9999) + "DATA");
        testenv::writeFile(path("cut.mat"), testenv::readFile(path("p.mat")).left(100));
        QVERIFY(QDir().mkpath(path("empty")) && QDir().mkpath(path("in")));
        testenv::writeFile(path("empty/notes.txt"), "x");
        testenv::writeFile(path("in/001001.mp3"), "x");
        testenv::writeFile(path("in/silence.mp3"), "x");
        testenv::writeFile(path("blocker"), "a file where the folder should be");

        const testenv::RunResult r = tool(args);
        QCOMPARE(r.exitCode, 1);
        for (const QString& text : named.split('|')) QVERIFY2(r.err.contains(text.toUtf8()), r.err.constData());
        if (!notNamed.isEmpty()) QVERIFY2(!r.err.contains(notNamed.toUtf8()), r.err.constData());
        QVERIFY(!QFile::exists(path("got.mp3")) && !QFile::exists(path("out")));
    }

    void importSortsAyasIntoTheirPacks() {
        const QByteArray aya = testenv::makeMp3(200);
        QVERIFY(!aya.isEmpty() && QDir().mkpath(path("in")));
        for (int a = 1; a <= 7; ++a) testenv::writeFile(path(QString("in/00100%1.mp3").arg(a)), aya);
        for (const char* name : {"002001", "002255", "045037", "078040", "002287", "115001"})
            testenv::writeFile(path(QString("in/%1.mp3").arg(name)), name);
        testenv::writeFile(path("in/silence.mp3"), "my silence");
        testenv::writeFile(path("in/readme.txt"), "not a recording");

        PackImport import;
        QVERIFY(import.Scan(path("in").toStdString()));
        QVERIFY(import.WritePacks(path("out").toStdString()));
        const PackImportResult& result = import.Result();
        QStringList ignored, written;
        for (const IgnoredFile& file : result.ignored) ignored << QString::fromStdString(file.name);
        for (const ImportedPack& pack : result.packs) written << QString::fromStdString(pack.name);
        QCOMPARE(ignored, (QStringList{"002287.mp3", "115001.mp3", "readme.txt"}));
        QCOMPARE(written, (QStringList{"s001_s002.mat", "s042_s045.mat", "s078_s114.mat"}));
        QCOMPARE(filesIn(path("out")), written);
        QCOMPARE(result.packs[0].ayasHeld, 9);
        QCOMPARE(result.packs[0].ayasInPack, 7 + 286);
        QCOMPARE(result.packs[0].missingRuns, (std::vector<std::string>{"002.002-002.254", "002.256-002.286"}));
        QCOMPARE(result.packs[1].missingRuns, std::vector<std::string>{"042.001-045.036"});

        PackArchive pack;
        QVERIFY(pack.Open(path("out/s001_s002.mat").toStdString()));
        QCOMPARE(int(pack.EntriesInFileOrder().size()), 10);
        QCOMPARE(asBytes(pack.Extract("001.007.mp3")), aya);
        QCOMPARE(asBytes(pack.Extract("002.255.mp3")), QByteArray("002255"));
        QCOMPARE(asBytes(pack.Extract("silence.mp3")), QByteArray("my silence"));
    }

    // A pack that cannot be written whole leaves the earlier one of its name.
    void failedImportKeepsTheOldPack_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("named");
        QTest::newRow("recording over 2 GiB") << false << "001001.mp3";
        QTest::newRow("disk full") << true << "s001_s002.mat";
    }

    void failedImportKeepsTheOldPack() {
        QFETCH(bool, diskFull);
        QFETCH(QString, named);
        QVERIFY(QDir().mkpath(path("in")) && QDir().mkpath(path("out")));
        testenv::writeFile(path("out/s001_s002.mat"), "old pack");
        testenv::writeFile(path("in/silence.mp3"), QByteArray(4000, 's'));
        testenv::writeFile(path("in/001001.mp3"), "x");
        if (!diskFull) QVERIFY(QFile::resize(path("in/001001.mp3"), qint64(3) << 30));  // sparse: no disk used

        PackImport import;
        QVERIFY(import.Scan(path("in").toStdString()));
        std::optional<FileSizeLimit> limit;
        if (diskFull) QVERIFY(limit.emplace(1000).ok());
        const bool written = import.WritePacks(path("out").toStdString());
        limit.reset();
        QVERIFY(!written);
        QVERIFY2(QString::fromStdString(import.Result().error).contains(named), import.Result().error.c_str());
        QVERIFY(import.Result().packs.empty());
        QCOMPARE(testenv::readFile(path("out/s001_s002.mat")), QByteArray("old pack"));
        QCOMPARE(filesIn(path("out")), QStringList{"s001_s002.mat"});
    }

    void importMakesOneSecondOfSilenceWhenNoneIsGiven() {
        QVERIFY(QDir().mkpath(path("in")));
        testenv::writeFile(path("in/114006.mp3"), testenv::makeMp3(100));
        const testenv::RunResult r = tool({"import", "in", "out"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("s078_s114.mat") && r.out.contains("078.001-114.005"), r.out.constData());
        PackArchive pack;
        QVERIFY(pack.Open(path("out/s078_s114.mat").toStdString()));
        const Wav silence = decodeMp3(asBytes(pack.Extract("silence.mp3")));
        // Exactly one second (lame's gapless tag trims its padding), and truly silent.
        QVERIFY(silence.valid);
        QVERIFY2(qAbs(silence.frames() - silence.rate) <= silence.rate / 1000, qPrintable(QString::number(silence.frames())));
        QVERIFY(silence.peak(0, silence.frames(), 0) <= 1);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString& name) const { return dir->filePath(name); }
    testenv::RunResult tool(const QStringList& args) { return testenv::run(packTool(), args, dir->path()); }
    void makeTwoEntryPack(const QString& name) {
        testenv::writeFile(path("a.mp3"), "abc");
        testenv::writeFile(path("b.mp3"), "12345");
        testenv::writeFile(path("list.txt"), "a.mp3  b.mp3\n");
        QCOMPARE(tool({"create", name, "list.txt"}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestPackTool)
#include "test_packtool.moc"
