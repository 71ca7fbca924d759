// The norvane-pack program, run as a user would run it: every job with good
// and bad input, its exit status, its messages and the files it leaves.

#include "library/packarchive.h"
#include "library/qaudio.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

using testenv::asBytes;

QString packTool() { return testenv::binDir() + "/norvane-pack"; }

QByteArray le32(quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    return QByteArray(c, 4);
}

// A one-entry archive whose index claims bytes [start, end) for "e".
QByteArray oneEntryArchive(quint32 start, quint32 end, const QByteArray& data) {
    QByteArray name("e");
    name.append(QByteArray(256 - name.size(), '\0'));
    return QByteArray("JR1") + le32(1) + name + le32(start) + le32(end) +
           le32(PackChecksum(data.constData(), data.size())) + data;
}

// Peak absolute sample of a 16-bit PCM WAV as lame decodes it, and its length.
struct Decoded {
    double seconds = 0;
    int peak = 0;
};

Decoded decodeMp3(const QByteArray& mp3) {
    QTemporaryDir work;
    testenv::writeFile(work.filePath("in.mp3"), mp3);
    testenv::run("lame", {"--silent", "--decode", work.filePath("in.mp3"), work.filePath("out.wav")});
    const QByteArray wav = testenv::readFile(work.filePath("out.wav"));
    Decoded d;
    const int dataAt = wav.indexOf("data");
    if (wav.size() < 44 || dataAt < 0) return d;
    const int channels = qFromLittleEndian<quint16>(wav.constData() + 22);
    const int rate = qFromLittleEndian<quint32>(wav.constData() + 24);
    const int samples = (wav.size() - dataAt - 8) / 2;
    d.seconds = double(samples) / channels / rate;
    for (int i = 0; i < samples; ++i)
        d.peak = qMax(d.peak, qAbs(int(qFromLittleEndian<qint16>(wav.constData() + dataAt + 8 + 2 * i))));
    return d;
}

}  // namespace

class TestPackTool : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = new QTemporaryDir;
        QVERIFY(dir->isValid());
        QVERIFY(QFile::exists(packTool()));
    }

    void cleanup() {
        delete dir;
        dir = nullptr;
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("nothing") << QStringList() << 2;
        QTest::newRow("unknown job") << QStringList{"pack", "x"} << 2;
        QTest::newRow("create without list") << QStringList{"create", "out.mat"} << 2;
        QTest::newRow("list with two packs") << QStringList{"list", "a.mat", "b.mat"} << 2;
        QTest::newRow("extract without OUT") << QStringList{"extract", "a.mat", "x"} << 2;
        QTest::newRow("verify without pack") << QStringList{"verify"} << 2;
        QTest::newRow("import without OUTDIR") << QStringList{"import", "folder"} << 2;
    }

    void badArguments() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const testenv::RunResult r = tool(args);
        QCOMPARE(r.exitCode, status);
        // Help goes to stdout and documents the statuses; mistakes get usage on stderr.
        QVERIFY(status == 0 ? r.out.contains("2 for wrong arguments") : r.err.contains("Usage"));
        QVERIFY(filesIn(".").isEmpty());
    }

    void createMakesTheLibraryLayout() {
        makeTwoEntryPack("out.mat");
        PackArchive expected;
        expected.AddPending(PackArchive::ReadFileEntry(path("a.mp3").toStdString()));
        expected.AddPending(PackArchive::ReadFileEntry(path("b.mp3").toStdString()));
        QVERIFY(expected.Write(path("expected.mat").toStdString()));
        const QByteArray made = testenv::readFile(path("out.mat"));
        QCOMPARE(made.size(), 551);
        QCOMPARE(made, testenv::readFile(path("expected.mat")));
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
        const QStringList before = filesIn(".");
        const testenv::RunResult r = tool({"create", out, "list.txt"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(named.toUtf8()), r.err.constData());
        // The earlier file is untouched and nothing half-written is left.
        QCOMPARE(testenv::readFile(path("out.mat")), QByteArray("previous pack"));
        QCOMPARE(filesIn("."), before);
    }

    void listExtractAndVerifyAGoodPack() {
        makeTwoEntryPack("p.mat");
        testenv::RunResult r = tool({"list", "p.mat"});
        QCOMPARE(r.exitCode, 0);
        // In file order; neither entry is audio, so both play for 0 ms.
        QCOMPARE(r.out, QByteArray("a.mp3\t3\t352441c2\t0\nb.mp3\t5\t") +
                            QByteArray::number(PackChecksum("12345", 5), 16).rightJustified(8, '0') + "\t0\n");
        QVERIFY(r.err.isEmpty());

        r = tool({"verify", "p.mat"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("2 entries"));

        // A folder in front of the name is ignored, as the window asks by bare name.
        for (const QString& name : {"b.mp3", "some/where/b.mp3"}) {
            QFile::remove(path("got.mp3"));
            QCOMPARE(tool({"extract", "p.mat", name, "got.mp3"}).exitCode, 0);
            QCOMPARE(testenv::readFile(path("got.mp3")), QByteArray("12345"));
        }
    }

    void listGivesThePlayingLength() {
        // Tagged recordings measure to the millisecond; the column must be the
        // length the window counts for its total.
        const QByteArray twoSeconds = testenv::makeMp3(2000, 44100, 1, {"-b", "128"});
        const QByteArray sevenSeconds = testenv::makeMp3(7250, 44100, 1, {"-b", "128"});
        QVERIFY(!twoSeconds.isEmpty() && !sevenSeconds.isEmpty());
        QVERIFY(testenv::writePack(path("s.mat"), {{"002.001.mp3", twoSeconds}, {"002.002.mp3", sevenSeconds}}));

        const testenv::RunResult r = tool({"list", "s.mat"});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        const QList<QByteArray> first = lines[0].split('\t'), second = lines[1].split('\t');
        QCOMPARE(first.size(), 4);
        QCOMPARE(first[1].toInt(), int(twoSeconds.size()));
        QVERIFY2(qAbs(first[3].toInt() - 2000) <= 1, first[3].constData());
        QVERIFY2(qAbs(second[3].toInt() - 7250) <= 1, second[3].constData());
        QAudio audio;
        QCOMPARE(second[3].toInt(), audio.GetLen(testenv::toVector(sevenSeconds)));
    }

    void failuresNameTheFileAndWriteNothing_data() {
        // named: texts the message must hold, '|'-separated; notNamed: one it must not.
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("notNamed");
        QTest::newRow("list: missing file") << QStringList{"list", "none.mat"} << "none.mat" << "";
        QTest::newRow("list: text file") << QStringList{"list", "text.mat"} << "text.mat" << "";
        QTest::newRow("list: index cut short") << QStringList{"list", "cut.mat"} << "cut.mat" << "";
        QTest::newRow("list: damaged entry") << QStringList{"list", "d.mat"} << "d.mat|\"e\"|damaged" << "";
        QTest::newRow("extract: absent entry") << QStringList{"extract", "p.mat", "c.mp3", "got.mp3"} << "c.mp3" << "";
        QTest::newRow("extract: names are case-sensitive")
            << QStringList{"extract", "p.mat", "B.MP3", "got.mp3"} << "B.MP3" << "";
        QTest::newRow("extract: damaged entry") << QStringList{"extract", "d.mat", "e", "got.mp3"} << "damaged" << "";
        QTest::newRow("extract: missing pack") << QStringList{"extract", "none.mat", "a.mp3", "got.mp3"} << "none.mat" << "";
        QTest::newRow("verify: changed bytes") << QStringList{"verify", "changed.mat"} << "\"b.mp3\"|checksum" << "\"a.mp3\"";
        QTest::newRow("verify: damaged entry") << QStringList{"verify", "d.mat"} << "\"e\"" << "";
        QTest::newRow("import: missing folder") << QStringList{"import", "absent", "out"} << "absent" << "";
        QTest::newRow("import: no recordings") << QStringList{"import", "empty", "out"} << "empty" << "";
        QTest::newRow("import: file in the way") << QStringList{"import", "in", "blocker"} << "blocker" << "";
        // The pack folder is made before the recordings are read, so this row
        // writes into a folder of its own; the message must give the cause.
        QTest::newRow("import: recording too large")
            << QStringList{"import", "huge", "huge-out"} << "001001.mp3|larger than 2 GiB" << "";
    }

    void failuresNameTheFileAndWriteNothing() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        QFETCH(QString, notNamed);
        makeTwoEntryPack("p.mat");
        QByteArray changed = testenv::readFile(path("p.mat"));
        changed[548] = 'X';  // inside b.mp3's data (546..551)
        testenv::writeFile(path("changed.mat"), changed);
        testenv::writeFile(path("d.mat"), oneEntryArchive(275, 9999, "DATA"));
        testenv::writeFile(path("text.mat"), "hello world");
        testenv::writeFile(path("cut.mat"), oneEntryArchive(275, 279, "").left(100));
        QVERIFY(QDir().mkpath(path("empty")) && QDir().mkpath(path("in")));
        testenv::writeFile(path("empty/notes.txt"), "x");
        testenv::writeFile(path("in/001001.mp3"), "x");
        testenv::writeFile(path("in/silence.mp3"), "x");
        testenv::writeFile(path("blocker"), "a file where the folder should be");
        QVERIFY(QDir().mkpath(path("huge")));
        testenv::writeFile(path("huge/silence.mp3"), "x");
        testenv::writeFile(path("huge/001001.mp3"), "x");
        QVERIFY(QFile::resize(path("huge/001001.mp3"), qint64(3) << 30));  // sparse: no disk space used

        const testenv::RunResult r = tool(args);
        QCOMPARE(r.exitCode, 1);
        for (const QString& text : named.split('|')) QVERIFY2(r.err.contains(text.toUtf8()), r.err.constData());
        if (!notNamed.isEmpty()) QVERIFY2(!r.err.contains(notNamed.toUtf8()), r.err.constData());
        // A listing shows nothing of a file that is no pack, and marks a damaged entry.
        if (args.first() == "list")
            QVERIFY2(named.contains("damaged") ? r.out.startsWith("e\tdamaged\t") && r.out.endsWith("\tdamaged\n")
                                               : r.out.isEmpty(), r.out.constData());
        QVERIFY(!QFile::exists(path("got.mp3")));
        QVERIFY(!QFile::exists(path("out")));
    }

    void importSortsAyasIntoTheirPacks() {
        QVERIFY(QDir().mkpath(path("in")));
        const QByteArray aya = testenv::makeMp3(200);
        QVERIFY(!aya.isEmpty());
        for (int a = 1; a <= 7; ++a) testenv::writeFile(path(QString("in/00100%1.mp3").arg(a)), aya);
        testenv::writeFile(path("in/002001.mp3"), "second sura");
        testenv::writeFile(path("in/002255.mp3"), "kursi");
        testenv::writeFile(path("in/045037.mp3"), "last of jathiya");
        testenv::writeFile(path("in/078040.mp3"), "last of naba");
        testenv::writeFile(path("in/silence.mp3"), "my silence");
        testenv::writeFile(path("in/002287.mp3"), "no such aya");
        testenv::writeFile(path("in/readme.txt"), "not a recording");

        const testenv::RunResult r = tool({"import", "in", "out"});
        QCOMPARE(r.exitCode, 0);
        // Only packs that have an aya are written, each with the given silence.
        QCOMPARE(filesIn("out"), (QStringList{"s001_s002.mat", "s042_s045.mat", "s078_s114.mat"}));
        QVERIFY2(r.out.contains("s001_s002.mat: 9 of 293 ayas, missing: 002.002-002.254, 002.256-002.286\n"),
                 r.out.constData());
        QVERIFY2(r.out.contains("missing: 042.001-045.036\n"), r.out.constData());
        QVERIFY2(r.err.contains("002287.mp3") && r.err.contains("readme.txt"), r.err.constData());

        PackArchive pack;
        QVERIFY(pack.Open(path("out/s001_s002.mat").toStdString()));
        QCOMPARE(int(pack.EntriesInFileOrder().size()), 10);
        QCOMPARE(asBytes(pack.Extract("001.007.mp3")), aya);
        QCOMPARE(asBytes(pack.Extract("002.001.mp3")), QByteArray("second sura"));
        QVERIFY(!pack.Holds("002.287.mp3"));
        for (const auto& entry : pack.EntriesInFileOrder())
            QCOMPARE(PackChecksum(pack.ExtractEntry(entry).data(), entry.end - entry.start), entry.checksum);
        for (const QString& name : filesIn("out")) {
            QVERIFY(pack.Open(path("out/" + name).toStdString()));
            QCOMPARE(asBytes(pack.Extract("silence.mp3")), QByteArray("my silence"));
        }
    }

    void importMakesSilenceWhenNoneIsGiven() {
        QVERIFY(QDir().mkpath(path("in")));
        testenv::writeFile(path("in/114006.mp3"), testenv::makeMp3(100));
        const testenv::RunResult r = tool({"import", "in", "out"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("s078_s114.mat: 1 of 564 ayas, missing: 078.001-114.005"), r.out.constData());
        PackArchive pack;
        QVERIFY(pack.Open(path("out/s078_s114.mat").toStdString()));
        const Decoded silence = decodeMp3(asBytes(pack.Extract("silence.mp3")));
        // Exactly one second (lame's gapless tag trims its padding), and truly silent.
        QVERIFY2(qAbs(silence.seconds - 1.0) < 0.001, qPrintable(QString::number(silence.seconds)));
        QVERIFY(silence.peak <= 1);
    }

    void catalogueListsEverySura() {
        const testenv::RunResult r = tool({"catalogue"});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 114);
        QCOMPARE(lines.at(44), QByteArray("045\t37\ts042_s045.mat"));
        QCOMPARE(lines.at(45), QByteArray("046\t35\ts046_s051.mat"));
    }

private:
    QTemporaryDir* dir = nullptr;
    QString path(const QString& name) const { return dir->filePath(name); }
    testenv::RunResult tool(const QStringList& args) { return testenv::run(packTool(), args, dir->path()); }
    void makeTwoEntryPack(const QString& name);
    QStringList filesIn(const QString& folder) const {
        return QDir(path(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

void TestPackTool::makeTwoEntryPack(const QString& name) {
    testenv::writeFile(path("a.mp3"), "abc");
    testenv::writeFile(path("b.mp3"), "12345");
    testenv::writeFile(path("list.txt"), "a.mp3  b.mp3\n");
    const testenv::RunResult r = tool({"create", name, "list.txt"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("a.mp3\nb.mp3\n"));
}

QTEST_GUILESS_MAIN(TestPackTool)
#include "test_packtool.moc"
