// Pack archives: the byte layout, atomic writes, how reading copes with
// damaged and hostile files; norvane-pack run as a user runs it; and the
// pack import behind its import job.

#include "library/packarchive.h"
#include "library/packimport.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace libfixtures;
using testenv::asBytes;

namespace {

PackArchive::PendingEntry pending(const std::string& name, const QByteArray& data) {
    return PackArchive::EntryFromBytes(name, testenv::toVector(data));
}

// While alive, caps the address space at 1 GiB above what the process uses
// now, so that reserving memory for a hostile size fails the test instead of
// passing by luck on a large machine.
class MemoryCeiling {
public:
    MemoryCeiling() {
        QFile statm("/proc/self/statm");
        if (!statm.open(QIODevice::ReadOnly) || getrlimit(RLIMIT_AS, &saved) != 0) return;
        rlimit capped = saved;
        capped.rlim_cur = statm.readAll().split(' ').value(0).toULongLong() * 4096 + (rlim_t(1) << 30);
        active = capped.rlim_cur < saved.rlim_cur && setrlimit(RLIMIT_AS, &capped) == 0;
    }
    ~MemoryCeiling() { if (active) setrlimit(RLIMIT_AS, &saved); }

private:
    rlimit saved{};
    bool active = false;
};

}  // namespace

class TestPackArchive : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir.emplace().isValid()); }

    void writesTheLayoutAndReadsItBack() {
        QCOMPARE(PackChecksum("abc", 3), 0x352441C2u);  // standard CRC-32
        testenv::writeFile(path("one.bin"), "abc");
        std::string error = "not cleared";
        PackArchive pack, reader;
        pack.AddPending(PackArchive::ReadFileEntry(spath("one.bin"), &error));
        pack.AddPending(pending("two.bin", "12345"));
        QVERIFY(error.empty() && pack.Write(spath("out.mat")));
        const QByteArray layout = handMadePack({{"one.bin", "abc"}, {"two.bin", "12345"}});
        QCOMPARE(testenv::readFile(path("out.mat")), layout);
        testenv::writeFile(path("two.bin"), "12345");
        testenv::writeFile(path("list.txt"), "one.bin\n two.bin");
        QCOMPARE(tool({"create", "made.mat", "list.txt"}).exitCode, 0);
        QCOMPARE(testenv::readFile(path("made.mat")), layout);

        QByteArray binary;
        for (int i = 0; i < 70000; ++i) binary.append(char(i * 7));
        const std::string longest(255, 'n');  // the name field keeps its closing zero byte
        pack.AddPending(pending(longest, binary));
        QVERIFY(pack.Write(spath("out.mat")) && reader.Open(spath("out.mat")));
        QCOMPARE(asBytes(reader.Extract(longest)), binary);
    }

    // A refused or failing write leaves an existing pack as it was, and no
    // temporary file beside it.
    void failedWriteKeepsTheOldPack_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("sizeDelta");
        QTest::addColumn<int>("fileLimit");  // bytes a file may grow to; 0 for no limit
        QTest::newRow("256-character name") << QByteArray(256, 'n') << 0 << 0;
        QTest::newRow("zero byte in name") << QByteArray("a\0b", 3) << 0 << 0;
        QTest::newRow("size disagrees with data") << QByteArray("a.mp3") << 1 << 0;
        QTest::newRow("disk full part-way") << QByteArray("a.mp3") << 0 << 600;
    }

    void failedWriteKeepsTheOldPack() {
        QFETCH(QByteArray, name);
        QFETCH(int, sizeDelta);
        QFETCH(int, fileLimit);
        testenv::writeFile(path("keep.mat"), "old contents");
        PackArchive writer;
        writer.AddPending(pending("fine.mp3", QByteArray(1000, 'f')));
        PackArchive::PendingEntry entry = pending(name.toStdString(), "data");
        entry.size += sizeDelta;
        writer.AddPending(entry);
        std::optional<FileSizeLimit> limit;
        if (fileLimit) QVERIFY(limit.emplace(fileLimit).ok());
        const bool written = writer.Write(spath("keep.mat"));
        limit.reset();
        QVERIFY2(!written && writer.LastError().find("keep.mat") != std::string::npos, writer.LastError().c_str());
        QCOMPARE(testenv::readFile(path("keep.mat")), QByteArray("old contents"));
        QCOMPARE(filesIn(dir->path()), QStringList{"keep.mat"});
    }

    void openRejects_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = packRecord("a", 7 + 268, 7 + 268 + 1);
        const QByteArray unterminated = packRecord(QByteArray(256, 'z'), 275, 276);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("wrong magic") << QByteArray("jr1\0\0\0\0", 7);
        QTest::newRow("header cut in the count") << QByteArray("JR1\x01\x00", 5);
        QTest::newRow("index cut short") << packHeader(1) + good.left(100);
        QTest::newRow("second entry missing") << packHeader(2) + good + "x";
        QTest::newRow("huge count") << packHeader(0x7fffffff) + good + "x";
        QTest::newRow("name without zero byte") << packHeader(1) + unterminated + "x";
        QTest::newRow("second name without zero byte") << packHeader(2) + good + unterminated + "x";
    }

    void openRejects() {
        QFETCH(QByteArray, bytes);
        const MemoryCeiling ceiling;
        PackArchive pack;
        QVERIFY(openRaw(&pack, handMadePack({{"a", "1"}})) && pack.Holds("a"));
        QVERIFY(!openRaw(&pack, bytes) && !pack.LastError().empty());
        // Nothing of the earlier index survives the failed open.
        QVERIFY(pack.EntriesInFileOrder().empty() && pack.Extract("a").empty());
    }

    void countsOfZeroAndBelowReadNoEntries() {
        const MemoryCeiling ceiling;
        for (const qint32 count : {0, -1, qint32(0x80000000)}) {
            PackArchive pack;
            QVERIFY(openRaw(&pack, packHeader(count) + packRecord("a", 0, 1)) && pack.EntriesInFileOrder().empty());
        }
    }

    void extractRefusesBytesOutsideTheFile() {
        // The file is 7 + 268 + 4 = 279 bytes; its data area is "DATA".
        const MemoryCeiling ceiling;
        for (const auto& [start, end] : QList<QPair<quint32, quint32>>{{279, 275}, {275, 280}, {275, 0xffffffff}}) {
            PackArchive pack;
            QVERIFY(openRaw(&pack, packHeader(1) + packRecord("e", start, end) + "DATA"));
            QVERIFY2(pack.Extract("e").empty() && !pack.LiesInsideFile(pack.EntriesInFileOrder().at(0)),
                     qPrintable(QString("%1 to %2").arg(start).arg(end)));
        }
        PackArchive sound;
        QVERIFY(openRaw(&sound, packHeader(1) + packRecord("e", 275, 279) + "DATA"));
        QCOMPARE(asBytes(sound.Extract("e")), QByteArray("DATA"));
        testenv::writeFile(path("raw.mat"), "JR1");  // the file shrinks after the open
        QVERIFY(sound.Extract("e").empty());
    }

    // Only the file-name part of an asked name counts, so no folder part can
    // lead anywhere; the match is exact and case-sensitive. Of two entries
    // of one name the later wins.
    void lookupByFileNamePart() {
        PackArchive pack;
        QVERIFY(openRaw(&pack, handMadePack({{"002.255.mp3", "early"}, {"002.255.mp3", "kursi"}})));
        for (const char* asked : {"002.255.mp3", "C:\\packs\\002.255.mp3", "../../002.255.mp3", "D:002.255.mp3"})
            QVERIFY2(asBytes(pack.Extract(asked)) == "kursi", asked);
        for (const char* asked : {"002.255.MP3", "002.255.mp3/", ""}) QVERIFY2(!pack.Holds(asked), asked);
    }

    void toolListsVerifiesAndExtracts() {
        const QByteArray mp3 = testenv::makeMp3(7250, 44100, 1, {"-b", "128"});
        QVERIFY(!mp3.isEmpty() && testenv::writePack(path("s.mat"), {{"002.001.mp3", mp3}}));
        const testenv::RunResult r = tool({"list", "s.mat"});
        const QList<QByteArray> columns = r.out.trimmed().split('\t');
        QVERIFY(r.exitCode == 0 && columns.size() == 4);
        QCOMPARE(columns[1].toInt(), int(mp3.size()));
        QCOMPARE(columns[2].toUInt(nullptr, 16), PackChecksum(mp3.constData(), mp3.size()));
        // Tagged recordings measure to the millisecond, as the window counts them.
        QVERIFY2(qAbs(columns[3].toInt() - 7250) <= 1, columns[3].constData());
        QCOMPARE(tool({"verify", "s.mat"}).exitCode, 0);
        // A folder in front of the name is ignored, as the window asks by bare name.
        QCOMPARE(tool({"extract", "s.mat", "some/where/002.001.mp3", "got.mp3"}).exitCode, 0);
        QCOMPARE(testenv::readFile(path("got.mp3")), mp3);
        for (const QStringList& wrong : QList<QStringList>{{}, {"pack", "x"}, {"create", "out.mat"}, {"import", "in"}})
            QVERIFY2(tool(wrong).exitCode == 2, qPrintable(wrong.join(' ')));
    }

    // Each failing call exits with 1, names the culprit, and leaves every file
    // as it was, earlier packs included.
    void toolFailures_data() {
        // named: texts the message must hold, '|'-separated; notNamed: one it must not.
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("notNamed");
        QTest::newRow("create: unreadable listed file") << QStringList{"create", "p.mat", "bad.txt"} << "gone.mp3" << "";
        QTest::newRow("create: missing list") << QStringList{"create", "p.mat", "none.txt"} << "none.txt" << "";
        QTest::newRow("create: unwritable target") << QStringList{"create", "no/dir/p.mat", "list.txt"} << "p.mat" << "";
        QTest::newRow("list: index cut short") << QStringList{"list", "cut.mat"} << "cut.mat" << "";
        QTest::newRow("list: damaged entry") << QStringList{"list", "d.mat"} << "d.mat|\"e\"" << "";
        QTest::newRow("extract: absent entry") << QStringList{"extract", "p.mat", "c.mp3", "got.mp3"} << "c.mp3" << "";
        QTest::newRow("extract: damaged entry") << QStringList{"extract", "d.mat", "e", "got.mp3"} << "\"e\"" << "";
        QTest::newRow("verify: changed bytes") << QStringList{"verify", "changed.mat"} << "\"b.mp3\"" << "\"a.mp3\"";
        QTest::newRow("import: missing folder") << QStringList{"import", "absent", "out"} << "absent" << "";
        QTest::newRow("import: no recordings") << QStringList{"import", "empty", "out"} << "empty" << "";
        QTest::newRow("import: file in the way") << QStringList{"import", "in", "p.mat"} << "p.mat" << "";
        QTest::newRow("import: recording over 2 GiB") << QStringList{"import", "huge", "out"} << "001001.mp3" << "";
    }

    void toolFailures() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        QFETCH(QString, notNamed);
        testenv::writeFile(path("a.mp3"), "abc");
        testenv::writeFile(path("b.mp3"), "12345");
        testenv::writeFile(path("list.txt"), "a.mp3  b.mp3\n");
        QCOMPARE(tool({"create", "p.mat", "list.txt"}).exitCode, 0);
        QByteArray changed = testenv::readFile(path("p.mat"));
        changed[548] = 'X';  // inside b.mp3's data (546..551)
        testenv::writeFile(path("changed.mat"), changed);
        testenv::writeFile(path("d.mat"), packHeader(1) + packRecord("e", 275, 9999) + "DATA");
        testenv::writeFile(path("cut.mat"), changed.left(100));
        testenv::writeFile(path("bad.txt"), "a.mp3 gone.mp3");
        for (const char* folder : {"empty", "in", "huge", "out"}) QVERIFY(QDir(dir->path()).mkdir(folder));
        testenv::writeFile(path("empty/notes.txt"), "x");
        testenv::writeFile(path("in/001001.mp3"), "x");
        testenv::writeFile(path("huge/silence.mp3"), "x");
        testenv::writeFile(path("huge/001001.mp3"), "x");
        QVERIFY(QFile::resize(path("huge/001001.mp3"), qint64(3) << 30));  // sparse: no disk used
        testenv::writeFile(path("out/s001_s002.mat"), "old pack");
        const QByteArray pack = testenv::readFile(path("p.mat"));
        const QStringList before = filesIn(dir->path());

        const testenv::RunResult r = tool(args);
        QCOMPARE(r.exitCode, 1);
        for (const QString& text : named.split('|')) QVERIFY2(r.err.contains(text.toUtf8()), r.err.constData());
        if (!notNamed.isEmpty()) QVERIFY2(!r.err.contains(notNamed.toUtf8()), r.err.constData());
        QVERIFY(filesIn(dir->path()) == before && testenv::readFile(path("p.mat")) == pack);
        QCOMPARE(filesIn(path("out")), QStringList{"s001_s002.mat"});
        QCOMPARE(testenv::readFile(path("out/s001_s002.mat")), QByteArray("old pack"));
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
        QVERIFY(import.Scan(spath("in")) && import.WritePacks(spath("out")));
        const PackImportResult& result = import.Result();
        QStringList ignored, written;
        for (const IgnoredFile& file : result.ignored) ignored << QString::fromStdString(file.name);
        for (const ImportedPack& pack : result.packs) written << QString::fromStdString(pack.name);
        QCOMPARE(ignored, (QStringList{"002287.mp3", "115001.mp3", "readme.txt"}));
        QCOMPARE(written, (QStringList{"s001_s002.mat", "s042_s045.mat", "s078_s114.mat"}));
        QCOMPARE(filesIn(path("out")), written);
        QVERIFY(result.packs[0].ayasHeld == 9 && result.packs[0].ayasInPack == 7 + 286);
        QCOMPARE(result.packs[0].missingRuns, (std::vector<std::string>{"002.002-002.254", "002.256-002.286"}));
        QCOMPARE(result.packs[1].missingRuns, std::vector<std::string>{"042.001-045.036"});

        PackArchive pack;
        QVERIFY(pack.Open(spath("out/s001_s002.mat")) && pack.EntriesInFileOrder().size() == 10);
        QCOMPARE(asBytes(pack.Extract("001.007.mp3")), aya);
        QCOMPARE(asBytes(pack.Extract("002.255.mp3")), QByteArray("002255"));
        QCOMPARE(asBytes(pack.Extract("silence.mp3")), QByteArray("my silence"));
    }

    void importMakesOneSecondOfSilenceWhenNoneIsGiven() {
        QVERIFY(QDir().mkpath(path("in")));
        testenv::writeFile(path("in/114006.mp3"), testenv::makeMp3(100));
        const testenv::RunResult r = tool({"import", "in", "out"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("s078_s114.mat") && r.out.contains("078.001-114.005"), r.out.constData());
        PackArchive pack;
        QVERIFY(pack.Open(spath("out/s078_s114.mat")));
        testenv::writeFile(path("silence.mp3"), asBytes(pack.Extract("silence.mp3")));
        testenv::run("lame", {"--silent", "--decode", path("silence.mp3"), path("silence.wav")});
        const Wav silence = parseWav(testenv::readFile(path("silence.wav")));
        // Exactly one second (lame's gapless tag trims its padding), and truly silent.
        QVERIFY2(silence.valid && qAbs(silence.frames() - silence.rate) <= silence.rate / 1000,
                 qPrintable(QString::number(silence.frames())));
        QVERIFY(silence.peak(0, silence.frames(), 0) <= 1);
    }

private:
    std::optional<QTemporaryDir> dir;
    QString path(const QString& name) const { return dir->filePath(name); }
    std::string spath(const QString& name) const { return path(name).toStdString(); }
    testenv::RunResult tool(const QStringList& args) {
        return testenv::run(testenv::binDir() + "/norvane-pack", args, dir->path());
    }
    bool openRaw(PackArchive* pack, const QByteArray& bytes) {
        testenv::writeFile(path("raw.mat"), bytes);
        return pack->Open(spath("raw.mat"));
    }
};

QTEST_GUILESS_MAIN(TestPackArchive)
#include "test_packarchive.moc"
