// Pack archives: the byte layout, atomic writes, how reading copes with
// damaged and hostile files; and norvane-pack run as a user runs it, its
// import of a folder of recordings included.

#include "library/packarchive.h"
#include "library/savefile.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QtTest>
#include <optional>

using testenv::asBytes;

namespace {

// Pack bytes written straight from the archive layout, not by PackArchive.
QByteArray le32(quint32 value) {
    value = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&value), 4);
}

// "JR1" and the entry count.
QByteArray packHeader(qint32 count) { return QByteArray("JR1") + le32(quint32(count)); }

// One 268-byte index record; the name field is cut or zero-filled to 256 bytes.
QByteArray packRecord(const QByteArray& nameField, quint32 start, quint32 end, quint32 checksum = 0) {
    return nameField.leftJustified(256, '\0', true) + le32(start) + le32(end) + le32(checksum);
}

// The names of the files in a folder, hidden ones included, sorted.
QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

PackArchive::PendingEntry pending(const std::string& name, const QByteArray& data) {
    return PackArchive::EntryFromBytes(name, testenv::toVector(data));
}

// 1 GiB above the address space in use now: under this ceiling, reserving
// memory for a hostile size fails the test instead of passing by luck on a
// large machine.
rlim_t memoryCeiling() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) return RLIM_INFINITY;
    return statm.readAll().split(' ').value(0).toULongLong() * 4096 + (rlim_t(1) << 30);
}

}  // namespace

class TestPackArchive : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir.emplace().isValid()); }

    // A refused or failing write leaves an existing pack as it was, and no
    // temporary file beside it.
    void failedWriteKeepsTheOldPack() {
        // The second entry's name, how far its size is off, and how large a
        // file may grow (0: no limit): a disk that fills part-way.
        const QList<std::tuple<QByteArray, int, int>> cases{
            {QByteArray(256, 'n'), 0, 0}, {QByteArray("a\0b", 3), 0, 0}, {"a.mp3", 1, 0}, {"a.mp3", 0, 600}};
        for (const auto& [name, sizeDelta, fileLimit] : cases) {
            testenv::writeFile(path("keep.mat"), "old contents");
            PackArchive writer;
            writer.AddPending(pending("fine.mp3", QByteArray(1000, 'f')));
            PackArchive::PendingEntry entry = pending(name.toStdString(), "data");
            entry.size += sizeDelta;
            writer.AddPending(entry);
            std::optional<libfixtures::Limit> limit;
            if (fileLimit) QVERIFY(limit.emplace(RLIMIT_FSIZE, fileLimit).ok());
            const bool written = writer.Write(spath("keep.mat"));
            const QString saved = fileLimit ? SaveWholeFile(path("keep.ini"), QByteArray(1000, 'i')) : "File too large";
            limit.reset();
            // A full disk is said so, not "Unknown error".
            const QString said = QString::fromStdString(writer.LastError());
            QVERIFY2(!written && said.contains("keep.mat") && (!fileLimit || said.endsWith(": File too large")), qPrintable(said));
            QCOMPARE(saved, QString("File too large"));
            QCOMPARE(testenv::readFile(path("keep.mat")), QByteArray("old contents"));
            QCOMPARE(filesIn(dir->path()), QStringList{"keep.mat"});
        }
    }

    // The path is named byte for byte: one given on a command line need not
    // be UTF-8, and what looks like a placeholder in it stays as it is.
    void namesThePathAsGiven() {
        const std::string target = dir->path().toStdString() + "/no \xff%1%2 folder/a.mat";
        PackArchive writer;
        writer.AddPending(pending("a.mp3", "data"));
        QVERIFY(!writer.Write(target));
        QVERIFY2(writer.LastError().find("\"" + target + "\": ") != std::string::npos, writer.LastError().c_str());
    }

    // Hostile and damaged files. `entries` is how many entries Open reads
    // (-1: it must refuse the file); none of them reads bytes outside the
    // file, and nothing of an earlier index survives.
    void opensOnlyWhatIsWhole_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entries");
        const QByteArray good = packRecord("a", 7 + 268, 7 + 268 + 1);
        const QByteArray unterminated = packRecord(QByteArray(256, 'z'), 275, 276);
        QTest::newRow("empty file") << QByteArray() << -1;
        QTest::newRow("wrong magic") << QByteArray("jr1\0\0\0\0", 7) << -1;
        QTest::newRow("header cut in the count") << QByteArray("JR1\x01\x00", 5) << -1;
        QTest::newRow("second entry missing") << packHeader(2) + good + "x" << -1;
        QTest::newRow("huge count") << packHeader(0x7fffffff) + good + "x" << -1;
        QTest::newRow("name without zero byte") << packHeader(1) + unterminated + "x" << -1;
        QTest::newRow("second name without zero byte") << packHeader(2) + good + unterminated + "x" << -1;
        QTest::newRow("count 0") << packHeader(0) + good + "x" << 0;
        for (const qint32 count : {-1, qint32(0x80000000)})
            QTest::addRow("count %u", quint32(count)) << packHeader(count) + good + "x" << -1;
        // The file is 7 + 268 + 4 = 279 bytes; its data area is "DATA".
        for (const auto& [start, end] : QList<QPair<quint32, quint32>>{{279, 275}, {275, 280}, {275, 0xffffffff}})
            QTest::addRow("bytes %u to %u", start, end) << packHeader(1) + packRecord("a", start, end) + "DATA" << 1;
    }

    void opensOnlyWhatIsWhole() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        const libfixtures::Limit ceiling(RLIMIT_AS, memoryCeiling());
        PackArchive pack;
        QVERIFY(openRaw(&pack, packHeader(1) + packRecord("a", 275, 276) + "1") && pack.Holds("a"));
        QCOMPARE(openRaw(&pack, bytes), entries >= 0);
        // The reason without the path, for a message that names the pack.
        QVERIFY(entries >= 0 || (!pack.OpenProblem().empty() && pack.LastError().find(pack.OpenProblem()) != std::string::npos));
        QCOMPARE(int(pack.EntriesInFileOrder().size()), qMax(entries, 0));
        QVERIFY(pack.Extract("a").empty());
    }

    // Only the file-name part of an asked name counts, so no folder part can
    // lead anywhere; the match is exact and case-sensitive. Of two entries
    // of one name the later wins. A name of 255 bytes keeps the closing zero
    // byte of its field.
    void readsBackAndLooksUpByFileNamePart() {
        QCOMPARE(PackChecksum("abc", 3), 0x352441C2u);  // standard CRC-32
        const QByteArray binary = testenv::makeWav(35000, 44100, 1);  // zero bytes and all others
        const std::string longest(255, 'n');
        PackArchive pack, writer;
        writer.AddPending(pending("002.255.mp3", "early"));
        writer.AddPending(pending("002.255.mp3", "kursi"));
        writer.AddPending(pending(longest, binary));
        QVERIFY(writer.Write(spath("raw.mat")) && pack.Open(spath("raw.mat")));
        QCOMPARE(asBytes(pack.Extract(longest)), binary);
        for (const char* asked : {"002.255.mp3", "C:\\packs\\002.255.mp3", "../../002.255.mp3", "D:002.255.mp3"})
            QVERIFY2(asBytes(pack.Extract(asked)) == "kursi", asked);
        for (const char* asked : {"002.255.MP3", "002.255.mp3/", ""}) QVERIFY2(!pack.Holds(asked), asked);
        testenv::writeFile(path("raw.mat"), "JR1");  // the file shrinks after the open
        QVERIFY(pack.Extract("002.255.mp3").empty());
    }

    // norvane-pack import sorts a folder's recordings into their sura packs
    // and names what it ignores (an aya beyond its sura, a sura beyond 114, a
    // file that is no recording, text named like an aya or like the silence)
    // and what is missing, or cut short; lame makes the silence the folder
    // does not bring.
    // List, verify and extract read a pack back.
    void toolImportsListsVerifiesAndExtracts() {
        const QByteArray mp3 = testenv::makeMp3(7250, 44100, 1, {"-b", "128"});
        QVERIFY(!mp3.isEmpty() && QDir().mkpath(path("in")));
        for (const char* name : {"001007.mp3", "045037.mp3", "114006.mp3"}) testenv::writeFile(path("in/") + name, mp3);
        // Tags (a 200 kB cover among them) stay out of the pack: an ID3v2.4 tag
        // (size in 7-bit bytes) with its footer, an APEv2 tag and an ID3v1 tag.
        const QByteArray cover(200000, 'p'), ape = "APETAGEX" + QByteArray(4, 0) + le32(32) + QByteArray(16, 0);
        testenv::writeFile(path("in/002255.mp3"), QByteArray("ID3\x04\x00\x10\x00\x0c\x1a\x40", 10) + cover +
                                                      QByteArray(10, 'f') + mp3 + ape + "TAG" + QByteArray(125, 't'));
        for (const char* name : {"002287.mp3", "115001.mp3", "readme.txt", "001001.mp3", "silence.mp3"})
            testenv::writeFile(path("in/") + name, name);
        testenv::writeFile(path("in/045001.mp3"), mp3.left(mp3.size() * 3 / 10));
        const testenv::RunResult imported = tool({"import", "in", "out"});
        QCOMPARE(imported.exitCode, 0);
        for (const char* ignored : {"\"002287.mp3\"", "\"115001.mp3\"", "\"readme.txt\"",
                                    "\"001001.mp3\": not playable MP3 audio", "\"silence.mp3\": not playable MP3 audio",
                                    "\"045001.mp3\": cut short: plays 2.1"})
            QVERIFY2(imported.err.contains(ignored), imported.err.constData());
        for (const char* text : {"2 of 293 ayas", "missing: 001.001-001.006, 002.001-002.254, 002.256-002.286\n",
                                 "missing: 042.001-045.036\n", "missing: 078.001-114.005\n"})
            QVERIFY2(imported.out.contains(text), imported.out.constData());
        QCOMPARE(filesIn(path("out")), (QStringList{"s001_s002.mat", "s042_s045.mat", "s078_s114.mat"}));
        PackArchive sorted;
        QVERIFY(sorted.Open(spath("out/s001_s002.mat")) && sorted.EntriesInFileOrder().size() == 3);
        QVERIFY(sorted.EntriesInFileOrder().front().name == "001.007.mp3" && sorted.Holds("silence.mp3"));
        QCOMPARE(asBytes(sorted.Extract("002.255.mp3")), mp3);

        // list gives each entry's playing time: tagged recordings measure to
        // the millisecond, as the window counts them; lame's silence is 1 s.
        const QList<QByteArray> lines = tool({"list", "out/s078_s114.mat"}).out.trimmed().split('\n');
        QVERIFY2(lines.size() == 2 && qAbs(lines[0].split('\t').value(3).toInt() - 7250) <= 1 &&
                     qAbs(lines[1].split('\t').value(3).toInt() - 1000) <= 1,
                 lines.join('\n').constData());
        QCOMPARE(tool({"verify", "out/s078_s114.mat"}).exitCode, 0);
        // A folder in front of the name is ignored, as the window asks by bare name.
        QCOMPARE(tool({"extract", "out/s078_s114.mat", "some/where/114.006.mp3", "got.mp3"}).exitCode, 0);
        QCOMPARE(testenv::readFile(path("got.mp3")), mp3);
    }

    // Each failing call exits with 1, names the culprit (and not the sound
    // entry beside it), and leaves every file as it was, earlier packs included.
    void toolFailures() {
        testenv::writeFile(path("a.mp3"), "abc");
        testenv::writeFile(path("b.mp3"), "12345");
        testenv::writeFile(path("list.txt"), "a.mp3  b.mp3\n");
        QCOMPARE(tool({"create", "p.mat", "list.txt"}).exitCode, 0);
        const QByteArray pack = testenv::readFile(path("p.mat"));
        QCOMPARE(pack, packHeader(2) + packRecord("a.mp3", 543, 546, PackChecksum("abc", 3)) +
                           packRecord("b.mp3", 546, 551, PackChecksum("12345", 5)) + "abc12345");
        QByteArray changed = pack;
        changed[548] = 'X';  // inside b.mp3's data
        testenv::writeFile(path("changed.mat"), changed);
        testenv::writeFile(path("d.mat"), packHeader(1) + packRecord("e", 275, 9999) + "DATA");
        testenv::writeFile(path("bad.txt"), "a.mp3 gone.mp3");
        for (const char* folder : {"in", "huge", "out"}) QVERIFY(QDir(dir->path()).mkdir(folder));
        testenv::writeFile(path("in/001001.mp3"), testenv::makeMp3(1000));
        testenv::writeFile(path("huge/001001.mp3"), "x");
        QVERIFY(QFile::resize(path("huge/001001.mp3"), qint64(3) << 30));  // sparse: no disk used
        testenv::writeFile(path("out/s001_s002.mat"), "old pack");
        const QStringList before = filesIn(dir->path());
        // The arguments, a text the message must hold, and one it must not.
        const QList<std::tuple<QStringList, QByteArray, QByteArray>> cases{
            {{"create", "p.mat", "bad.txt"}, "gone.mp3", "\"a.mp3\""},
            {{"list", "d.mat"}, "\"e\"", ""},
            {{"extract", "p.mat", "c.mp3", "got.mp3"}, "c.mp3", ""},
            {{"extract", "d.mat", "e", "got.mp3"}, "\"e\"", ""},
            {{"verify", "changed.mat"}, "\"b.mp3\"", "\"a.mp3\""},
            {{"import", "absent", "out"}, "absent", ""},
            {{"import", "in", "p.mat"}, "p.mat", ""},
            {{"import", "huge", "out"}, "001001.mp3", ""}};
        for (const auto& [args, named, notNamed] : cases) {
            const testenv::RunResult r = tool(args);
            const bool blamed = r.err.contains(named) && (notNamed.isEmpty() || !r.err.contains(notNamed));
            QVERIFY2(r.exitCode == 1 && blamed, qPrintable(args.join(' ') + ": " + r.err));
            QVERIFY2(filesIn(dir->path()) == before, qPrintable(args.join(' ')));
        }
        QCOMPARE(testenv::readFile(path("p.mat")), pack);
        QCOMPARE(filesIn(path("out")), QStringList{"s001_s002.mat"});
        QCOMPARE(testenv::readFile(path("out/s001_s002.mat")), QByteArray("old pack"));
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
