// The pack archive: its exact byte layout, round trips, and how reading
// copes with damaged and hostile files.

#include "library/packarchive.h"
#include "support/testenv.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace {

QByteArray le32(quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    return QByteArray(c, 4);
}

QByteArray header(qint32 count) { return QByteArray("JR1") + le32(quint32(count)); }

// One raw 268-byte index record; `nameField` is zero-filled to 256 bytes.
QByteArray record(const QByteArray& nameField, quint32 start, quint32 end, quint32 checksum = 0) {
    QByteArray r = nameField.left(256);
    r.append(QByteArray(256 - r.size(), '\0'));
    return r + le32(start) + le32(end) + le32(checksum);
}

// A well-formed archive of the given entries, built by hand.
QByteArray handMade(const QList<QPair<QByteArray, QByteArray>>& entries) {
    QByteArray index, data;
    quint32 offset = 7 + 268 * entries.size();
    for (const auto& e : entries) {
        index += record(e.first, offset, offset + e.second.size(),
                        PackChecksum(e.second.constData(), e.second.size()));
        offset += e.second.size();
        data += e.second;
    }
    return header(entries.size()) + index + data;
}

quint32 fieldAt(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

PackArchive::PendingEntry pending(const std::string& name, const QByteArray& data) {
    return PackArchive::EntryFromBytes(name, testenv::toVector(data));
}

using testenv::asBytes;

// While alive, caps the address space at 1 GiB above what the process uses
// now, so that reserving memory for a hostile size fails the test instead of
// passing by luck on a large machine.
class MemoryCeiling {
public:
    MemoryCeiling() {
#ifdef Q_OS_LINUX
        QFile statm("/proc/self/statm");
        if (!statm.open(QIODevice::ReadOnly) || getrlimit(RLIMIT_AS, &saved) != 0) return;
        const rlim_t used = rlim_t(statm.readAll().split(' ').value(0).toULongLong()) * 4096;
        rlimit capped = saved;
        capped.rlim_cur = std::min<rlim_t>(saved.rlim_cur, used + (rlim_t(1) << 30));
        active = setrlimit(RLIMIT_AS, &capped) == 0;
#endif
    }
    ~MemoryCeiling() {
#ifdef Q_OS_LINUX
        if (active) setrlimit(RLIMIT_AS, &saved);
#endif
    }

private:
#ifdef Q_OS_LINUX
    rlimit saved{};
#endif
    bool active = false;
};

}  // namespace

class TestPackArchive : public QObject {
    Q_OBJECT
private slots:
    void init() {
        startDir = QDir::currentPath();
        dir = new QTemporaryDir;
        QVERIFY(dir->isValid());
    }

    void cleanup() {
        QDir::setCurrent(startDir);
        delete dir;
        dir = nullptr;
    }

    void writesTheExactLayout() {
        testenv::writeFile(path("one.bin"), "abc");
        testenv::writeFile(path("two.bin"), "12345");
        PackArchive pack;
        std::string error = "not cleared";
        pack.AddPending(PackArchive::ReadFileEntry(spath("one.bin"), &error));
        QCOMPARE(QString::fromStdString(error), QString());
        error = "not cleared";
        pack.AddPending(PackArchive::ReadFileEntry(spath("two.bin"), &error));
        QCOMPARE(QString::fromStdString(error), QString());
        QCOMPARE(QString::fromStdString(pack.Pending()[0].name), QString("one.bin"));
        QVERIFY(pack.Write(spath("out.mat")));

        const QByteArray bytes = testenv::readFile(path("out.mat"));
        QCOMPARE(bytes.size(), 551);
        QCOMPARE(fieldAt(bytes, 7 + 256), 543u);  // first data byte, after two 268-byte records
        QCOMPARE(fieldAt(bytes, 7 + 264), 0x352441C2u);  // the CRC-32 of "abc"
        // The same archive made by hand from the description is byte-identical.
        QCOMPARE(bytes, handMade({{"one.bin", "abc"}, {"two.bin", "12345"}}));
    }

    void roundTripKeepsEveryByte() {
        QByteArray binary;
        for (int i = 0; i < 70000; ++i) binary.append(char(i * 7));
        PackArchive writer;
        writer.AddPending(pending("001.001.mp3", binary));
        writer.AddPending(pending("empty.bin", QByteArray()));
        writer.AddPending(pending("silence.mp3", QByteArray("\0\0\xff", 3)));
        const std::string longest(255, 'n');  // the name field keeps its closing zero byte
        writer.AddPending(pending(longest, "xyz"));
        QVERIFY(writer.Write(spath("rt.mat")));

        PackArchive reader;
        QVERIFY(reader.Open(spath("rt.mat")));
        QCOMPARE(reader.Count(), 4);
        QCOMPARE(asBytes(reader.Extract("001.001.mp3")), binary);
        QCOMPARE(asBytes(reader.Extract(longest)), QByteArray("xyz"));
        QVERIFY(reader.Extract("empty.bin").empty());
        QVERIFY(reader.Holds("empty.bin"));
        QCOMPARE(asBytes(reader.Extract("silence.mp3")), QByteArray("\0\0\xff", 3));
        QVERIFY(reader.Extract("absent.mp3").empty());
        QVERIFY(!reader.Holds("absent.mp3"));

        // Copies are values: they extract on their own after the original is gone.
        PackArchive copy;
        {
            PackArchive original;
            QVERIFY(original.Open(spath("rt.mat")));
            copy = original;
        }
        QCOMPARE(asBytes(copy.Extract("001.001.mp3")), binary);
    }

    void writeRefusesWhatTheFormatCannotHold_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("sizeDelta");
        QTest::newRow("256-character name") << QByteArray(256, 'n') << 0;
        QTest::newRow("zero byte in name") << QByteArray("a\0b", 3) << 0;
        QTest::newRow("size disagrees with data") << QByteArray("a.mp3") << 1;
    }

    void writeRefusesWhatTheFormatCannotHold() {
        QFETCH(QByteArray, name);
        QFETCH(int, sizeDelta);
        // An existing archive at the target must survive the refused write.
        testenv::writeFile(path("keep.mat"), "old contents");
        PackArchive writer;
        writer.AddPending(pending("fine.mp3", "1"));
        PackArchive::PendingEntry bad = pending(name.toStdString(), "data");
        bad.size += sizeDelta;
        writer.AddPending(bad);
        QVERIFY(!writer.Write(spath("keep.mat")));
        QVERIFY(!writer.LastError().empty());
        QCOMPARE(testenv::readFile(path("keep.mat")), QByteArray("old contents"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"keep.mat"});
    }

    void writeToUnwritablePathFails() {
        PackArchive writer;
        writer.AddPending(pending("a", "1"));
        const std::string target = spath("no-such-folder/out.mat");
        QVERIFY(!writer.Write(target));
        QVERIFY2(writer.LastError().find(target) != std::string::npos, writer.LastError().c_str());
    }

    void openRejects_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = record("a", 7 + 268, 7 + 268 + 1);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("two bytes") << QByteArray("JR");
        QTest::newRow("JR2") << QByteArray("JR2") + le32(0);
        QTest::newRow("lower-case jr1") << QByteArray("jr1") + le32(0);
        QTest::newRow("header cut in the count") << QByteArray("JR1\x01\x00", 5);
        QTest::newRow("index cut short") << header(1) + good.left(100);
        QTest::newRow("second entry missing") << header(2) + good + "x";
        QTest::newRow("huge count") << header(0x7fffffff) + good + "x";
        QTest::newRow("name without zero byte") << header(1) + record(QByteArray(256, 'z'), 275, 276) + "x";
        QTest::newRow("second name without zero byte")
            << header(2) + good + record(QByteArray(256, 'z'), 0, 0) + "x";
    }

    void openRejects() {
        QFETCH(QByteArray, bytes);
        bool opened = true;
        const MemoryCeiling ceiling;
        const PackArchive pack = openRaw(bytes, &opened);
        QVERIFY(!opened);
        QVERIFY(!pack.LastError().empty());
        QVERIFY(pack.EntriesInFileOrder().empty());
        QVERIFY(!pack.Holds("a"));
        QVERIFY(pack.Extract("a").empty());
    }

    void openAcceptsCountsOfZeroAndBelow_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("most negative") << int(0x80000000);
    }

    void openAcceptsCountsOfZeroAndBelow() {
        QFETCH(int, count);
        // Index-like bytes follow, but a count of zero or below reads none.
        bool opened = false;
        const PackArchive pack = openRaw(header(count) + record("a", 0, 1), &opened);
        QVERIFY(opened);
        QCOMPARE(pack.Count(), count);
        QVERIFY(pack.EntriesInFileOrder().empty());
        QVERIFY(pack.Extract("a").empty());
    }

    void failedOpenForgetsTheEarlierIndex() {
        testenv::writeFile(path("good.mat"), handMade({{"a", "1"}}));
        testenv::writeFile(path("bad.mat"), "JR2");
        PackArchive pack;
        QVERIFY(pack.Open(spath("good.mat")));
        QVERIFY(pack.Holds("a"));
        QVERIFY(!pack.Open(spath("bad.mat")));
        QVERIFY(!pack.Holds("a"));
        QVERIFY(!pack.Open(spath("missing.mat")));
        QVERIFY2(pack.LastError().find("missing.mat") != std::string::npos, pack.LastError().c_str());
    }

    void extractRefusesBytesOutsideTheFile_data() {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("end");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("inside");
        // The file is 7 + 268 + 4 = 279 bytes; its data area is "DATA".
        QTest::newRow("sound") << 275u << 279u << QByteArray("DATA") << true;
        QTest::newRow("start equals end") << 277u << 277u << QByteArray() << true;
        QTest::newRow("end before start") << 279u << 275u << QByteArray() << false;
        QTest::newRow("end one past the file") << 275u << 280u << QByteArray() << false;
        QTest::newRow("end far past the file") << 275u << 0xffffffffu << QByteArray() << false;
        QTest::newRow("both past the file") << 5000u << 6000u << QByteArray() << false;
    }

    void extractRefusesBytesOutsideTheFile() {
        QFETCH(uint, start);
        QFETCH(uint, end);
        QFETCH(QByteArray, expected);
        QFETCH(bool, inside);
        const MemoryCeiling ceiling;
        bool opened = false;
        const PackArchive pack = openRaw(header(1) + record("e", start, end) + "DATA", &opened);
        QVERIFY(opened);
        QCOMPARE(asBytes(pack.Extract("e")), expected);
        QCOMPARE(pack.LiesInsideFile(pack.EntriesInFileOrder().at(0)), inside);
    }

    void extractAfterFileShrankOrVanished() {
        const QByteArray archive = handMade({{"first", "11111"}, {"last", "22222"}});
        testenv::writeFile(path("s.mat"), archive);
        PackArchive pack;
        QVERIFY(pack.Open(spath("s.mat")));
        testenv::writeFile(path("s.mat"), archive.left(archive.size() - 2));
        QCOMPARE(asBytes(pack.Extract("first")), QByteArray("11111"));
        QVERIFY(pack.Extract("last").empty());
        QVERIFY(!pack.LiesInsideFile(*pack.Find("last")));
        QVERIFY(QFile::remove(path("s.mat")));
        QVERIFY(pack.Extract("first").empty());
        QVERIFY(!pack.LiesInsideFile(*pack.Find("first")));
    }

    void laterDuplicateWins() {
        testenv::writeFile(path("d.mat"), handMade({{"x.mp3", "early"}, {"y.mp3", "y"}, {"x.mp3", "late"}}));
        PackArchive pack;
        QVERIFY(pack.Open(spath("d.mat")));
        QCOMPARE(asBytes(pack.Extract("x.mp3")), QByteArray("late"));
        QCOMPARE(pack.Count(), 3);
        QCOMPARE(int(pack.EntriesInFileOrder().size()), 3);
        QCOMPARE(asBytes(pack.ExtractEntry(pack.EntriesInFileOrder()[0])), QByteArray("early"));
    }

    void namesAreFileNamePartsAndCaseSensitive_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("bare") << "002.255.mp3" << QByteArray("kursi");
        QTest::newRow("windows path") << "C:\\packs\\002.255.mp3" << QByteArray("kursi");
        QTest::newRow("relative path") << "x/002.255.mp3" << QByteArray("kursi");
        QTest::newRow("drive only") << "D:002.255.mp3" << QByteArray("kursi");
        QTest::newRow("upper-case ending") << "002.255.MP3" << QByteArray();
        QTest::newRow("trailing slash") << "002.255.mp3/" << QByteArray();
        QTest::newRow("mixed separators") << "c:\\x/y\\002.255.mp3" << QByteArray("kursi");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("other aya") << "002.256.mp3" << QByteArray();
    }

    void namesAreFileNamePartsAndCaseSensitive() {
        QFETCH(QString, asked);
        QFETCH(QByteArray, expected);
        testenv::writeFile(path("n.mat"), handMade({{"002.255.mp3", "kursi"}}));
        PackArchive pack;
        QVERIFY(pack.Open(spath("n.mat")));
        QCOMPARE(asBytes(pack.Extract(asked.toStdString())), expected);
        QCOMPARE(pack.Holds(asked.toStdString()), !expected.isEmpty());
    }

    void addListedFilesReadsWordsInOrder() {
        testenv::writeFile(path("b.mp3"), "bee");
        testenv::writeFile(path("a.mp3"), "ay");
        testenv::writeFile(path("list.txt"), (path("b.mp3") + "\n\t  " + path("a.mp3") + " \n\n").toUtf8());
        PackArchive pack;
        pack.AddPending(pending("stale", "gone"));
        QVERIFY(pack.AddListedFiles(spath("list.txt")));
        QCOMPARE(int(pack.Pending().size()), 2);
        QCOMPARE(QString::fromStdString(pack.Pending()[0].name), QString("b.mp3"));
        QCOMPARE(asBytes(pack.Pending()[0].data), QByteArray("bee"));
        QCOMPARE(pack.Pending()[0].size, 3);
        QCOMPARE(pack.Pending()[0].checksum, PackChecksum("bee", 3));
        QCOMPARE(QString::fromStdString(pack.Pending()[1].name), QString("a.mp3"));

        // An unreadable file or list adds nothing and is named.
        testenv::writeFile(path("list.txt"), (path("a.mp3") + " " + path("gone.mp3")).toUtf8());
        for (const char* list : {"list.txt", "no-list.txt"}) {
            PackArchive failing;
            QVERIFY(!failing.AddListedFiles(spath(list)));
            const std::string named = QString(list).startsWith("no") ? "no-list.txt" : "gone.mp3";
            QVERIFY2(failing.LastError().find(named) != std::string::npos, failing.LastError().c_str());
            QVERIFY(failing.Pending().empty());
        }
        std::string error;
        const PackArchive::PendingEntry gone = PackArchive::ReadFileEntry(spath("gone.mp3"), &error);
        QVERIFY2(error.find("gone.mp3") != std::string::npos, error.c_str());
        QVERIFY(gone.data.empty());
    }

    void loadPackedImage() {
        // img.dat is looked up in the working directory; cleanup() restores it.
        QVERIFY(QDir::setCurrent(dir->path()));
        QVERIFY(LoadPackedImage("cd.png").isNull());  // no img.dat at all

        QImage image(5, 3, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "PNG"));
        testenv::writeFile("img.dat", handMade({{"cd.png", png}, {"bad.png", "not an image"}}));

        const QPixmap pixmap = LoadPackedImage("cd.png");
        QCOMPARE(pixmap.size(), QSize(5, 3));
        QCOMPARE(pixmap.toImage().pixelColor(2, 1), QColor(Qt::red));
        QVERIFY(LoadPackedImage("bad.png").isNull());
        QVERIFY(LoadPackedImage("exit.png").isNull());
    }

private:
    QTemporaryDir* dir = nullptr;
    QString startDir;
    QString path(const QString& name) const { return dir->filePath(name); }
    std::string spath(const QString& name) const { return path(name).toStdString(); }
    PackArchive openRaw(const QByteArray& bytes, bool* opened = nullptr);
};

PackArchive TestPackArchive::openRaw(const QByteArray& bytes, bool* opened) {
    testenv::writeFile(path("raw.mat"), bytes);
    PackArchive pack;
    const bool ok = pack.Open(spath("raw.mat"));
    if (opened) *opened = ok;
    return pack;
}

QTEST_MAIN(TestPackArchive)
#include "test_packarchive.moc"
