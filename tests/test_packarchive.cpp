// The pack archive: its byte layout, round trips, atomic writes, and how
// reading copes with damaged and hostile files.

#include "library/packarchive.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QImage>
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
        const rlim_t used = rlim_t(statm.readAll().split(' ').value(0).toULongLong()) * 4096;
        rlimit capped = saved;
        capped.rlim_cur = std::min<rlim_t>(saved.rlim_cur, used + (rlim_t(1) << 30));
        active = setrlimit(RLIMIT_AS, &capped) == 0;
    }
    ~MemoryCeiling() {
        if (active) setrlimit(RLIMIT_AS, &saved);
    }

private:
    rlimit saved{};
    bool active = false;
};

}  // namespace

class TestPackArchive : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void writesTheLayoutByteForByte() {
        QCOMPARE(PackChecksum("abc", 3), 0x352441C2u);  // standard CRC-32
        testenv::writeFile(path("one.bin"), "abc");
        PackArchive pack;
        std::string error = "not cleared";
        pack.AddPending(PackArchive::ReadFileEntry(spath("one.bin"), &error));
        QVERIFY(error.empty());
        pack.AddPending(pending("two.bin", "12345"));
        QVERIFY(pack.Write(spath("out.mat")));
        QCOMPARE(testenv::readFile(path("out.mat")), handMadePack({{"one.bin", "abc"}, {"two.bin", "12345"}}));
    }

    void roundTripKeepsEveryByte() {
        QByteArray binary;
        for (int i = 0; i < 70000; ++i) binary.append(char(i * 7));
        const std::string longest(255, 'n');  // the name field keeps its closing zero byte
        PackArchive writer;
        writer.AddPending(pending("001.001.mp3", binary));
        writer.AddPending(pending("empty.bin", QByteArray()));
        writer.AddPending(pending(longest, "xyz"));
        QVERIFY(writer.Write(spath("rt.mat")));

        PackArchive reader;
        QVERIFY(reader.Open(spath("rt.mat")));
        QCOMPARE(asBytes(reader.Extract("001.001.mp3")), binary);
        QCOMPARE(asBytes(reader.Extract(longest)), QByteArray("xyz"));
        QVERIFY(reader.Holds("empty.bin") && reader.Extract("empty.bin").empty());
        QVERIFY(!reader.Holds("absent.mp3"));
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
        QVERIFY(!written);
        QVERIFY2(writer.LastError().find("keep.mat") != std::string::npos, writer.LastError().c_str());
        QCOMPARE(testenv::readFile(path("keep.mat")), QByteArray("old contents"));
        QCOMPARE(filesIn(dir->path()), QStringList{"keep.mat"});
    }

    void openRejects_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = packRecord("a", 7 + 268, 7 + 268 + 1);
        const QByteArray unterminated = packRecord(QByteArray(256, 'z'), 275, 276);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("wrong magic") << QByteArray("jr1") + le32(0);
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
        QVERIFY(!openRaw(&pack, bytes));
        QVERIFY(!pack.LastError().empty());
        QVERIFY(pack.EntriesInFileOrder().empty());
        QVERIFY(pack.Extract("a").empty());
    }

    void countsOfZeroAndBelowReadNoEntries() {
        for (const qint32 count : {0, -1, qint32(0x80000000)}) {
            const MemoryCeiling ceiling;
            PackArchive pack;
            QVERIFY(openRaw(&pack, packHeader(count) + packRecord("a", 0, 1)));
            QVERIFY(pack.EntriesInFileOrder().empty());
        }
    }

    void failedOpenForgetsTheEarlierIndex() {
        testenv::writeFile(path("good.mat"), handMadePack({{"a", "1"}}));
        PackArchive pack;
        QVERIFY(pack.Open(spath("good.mat")) && pack.Holds("a"));
        QVERIFY(!pack.Open(spath("missing.mat")));
        QVERIFY(!pack.Holds("a"));
        QVERIFY2(pack.LastError().find("missing.mat") != std::string::npos, pack.LastError().c_str());
    }

    void extractRefusesBytesOutsideTheFile_data() {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("end");
        QTest::addColumn<QByteArray>("expected");
        // The file is 7 + 268 + 4 = 279 bytes; its data area is "DATA".
        QTest::newRow("sound") << 275u << 279u << QByteArray("DATA");
        QTest::newRow("end before start") << 279u << 275u << QByteArray();
        QTest::newRow("end one past the file") << 275u << 280u << QByteArray();
        QTest::newRow("end far past the file") << 275u << 0xffffffffu << QByteArray();
        QTest::newRow("both past the file") << 5000u << 6000u << QByteArray();
    }

    void extractRefusesBytesOutsideTheFile() {
        QFETCH(uint, start);
        QFETCH(uint, end);
        QFETCH(QByteArray, expected);
        const MemoryCeiling ceiling;
        PackArchive pack;
        QVERIFY(openRaw(&pack, packHeader(1) + packRecord("e", start, end) + "DATA"));
        QCOMPARE(asBytes(pack.Extract("e")), expected);
        QCOMPARE(pack.LiesInsideFile(pack.EntriesInFileOrder().at(0)), !expected.isEmpty());
    }

    void extractAfterFileShrankOrVanished() {
        const QByteArray archive = handMadePack({{"first", "11111"}, {"last", "22222"}});
        testenv::writeFile(path("s.mat"), archive);
        PackArchive pack;
        QVERIFY(pack.Open(spath("s.mat")));
        testenv::writeFile(path("s.mat"), archive.left(archive.size() - 2));
        QCOMPARE(asBytes(pack.Extract("first")), QByteArray("11111"));
        QVERIFY(pack.Extract("last").empty());
        QVERIFY(QFile::remove(path("s.mat")));
        QVERIFY(pack.Extract("first").empty());
    }

    void laterDuplicateWins() {
        PackArchive pack;
        QVERIFY(openRaw(&pack, handMadePack({{"x.mp3", "early"}, {"x.mp3", "late"}})));
        QCOMPARE(asBytes(pack.Extract("x.mp3")), QByteArray("late"));
        QCOMPARE(int(pack.EntriesInFileOrder().size()), 2);
    }

    // Only the file-name part of an asked name counts, so no folder part can
    // lead anywhere; the match is exact and case-sensitive.
    void namesAreFileNameParts_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("bare") << "002.255.mp3" << true;
        QTest::newRow("windows path") << "C:\\packs\\002.255.mp3" << true;
        QTest::newRow("climbing path") << "../../002.255.mp3" << true;
        QTest::newRow("drive only") << "D:002.255.mp3" << true;
        QTest::newRow("upper-case ending") << "002.255.MP3" << false;
        QTest::newRow("trailing slash") << "002.255.mp3/" << false;
        QTest::newRow("empty") << "" << false;
    }

    void namesAreFileNameParts() {
        QFETCH(QString, asked);
        QFETCH(bool, found);
        PackArchive pack;
        QVERIFY(openRaw(&pack, handMadePack({{"002.255.mp3", "kursi"}})));
        QCOMPARE(asBytes(pack.Extract(asked.toStdString())), found ? QByteArray("kursi") : QByteArray());
    }

    void addListedFilesReadsWordsInOrderOrNothing() {
        testenv::writeFile(path("b.mp3"), "bee");
        testenv::writeFile(path("a.mp3"), "ay");
        testenv::writeFile(path("list.txt"), (path("b.mp3") + "\n\t  " + path("a.mp3") + " \n\n").toUtf8());
        PackArchive pack;
        QVERIFY(pack.AddListedFiles(spath("list.txt")));
        QCOMPARE(int(pack.Pending().size()), 2);
        QCOMPARE(QString::fromStdString(pack.Pending()[0].name), QString("b.mp3"));
        QCOMPARE(pack.Pending()[1].checksum, PackChecksum("ay", 2));

        testenv::writeFile(path("list.txt"), (path("a.mp3") + " " + path("gone.mp3")).toUtf8());
        QVERIFY(!pack.AddListedFiles(spath("list.txt")));
        QVERIFY2(pack.LastError().find("gone.mp3") != std::string::npos, pack.LastError().c_str());
        QVERIFY(pack.Pending().empty());
    }

    void loadPackedImage() {
        const testenv::WorkFolder work;  // img.dat is looked up in the working folder
        QVERIFY(LoadPackedImage("cd.png").isNull());
        QImage image(5, 3, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QBuffer png;
        QVERIFY(png.open(QIODevice::WriteOnly) && image.save(&png, "PNG"));
        testenv::writeFile("img.dat", handMadePack({{"cd.png", png.data()}, {"bad.png", "not an image"}}));
        QCOMPARE(LoadPackedImage("cd.png").size(), QSize(5, 3));
        QVERIFY(LoadPackedImage("bad.png").isNull());
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString& name) const { return dir->filePath(name); }
    std::string spath(const QString& name) const { return path(name).toStdString(); }
    bool openRaw(PackArchive* pack, const QByteArray& bytes) {
        testenv::writeFile(path("raw.mat"), bytes);
        return pack->Open(spath("raw.mat"));
    }
};

QTEST_MAIN(TestPackArchive)
#include "test_packarchive.moc"
