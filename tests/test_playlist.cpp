// Playlist files: what is written, what is read back, which lines are
// refused, and that failures are reported instead of passing as success.

#include "burnlist/playlist.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testenv::keys;
using testenv::makeSaya;

QString Describe(const saya& s) {
    return QString("%1 r%2 p%3 g%4").arg(QString::fromStdString(s.Key())).arg(s.reps).arg(s.pause).arg(s.group);
}

QStringList Describe(const std::vector<saya>& list) {
    QStringList out;
    for (const saya& s : list) out << Describe(s);
    return out;
}

}  // namespace

class TestPlaylist : public QObject {
    Q_OBJECT
private slots:
    void savedTextAndRoundTripWithGroups() {
        const std::vector<saya> list{makeSaya("002", "255", 3, 2), makeSaya("003", "001", 1, 0, 4),
                                     makeSaya("003", "002", 2, 5, 4), makeSaya("010", "001", 7, 60, 100)};
        const std::map<int, int> groupReps{{0, 0}, {4, 5}, {100, 9}};
        QCOMPARE(PlaylistText(list, groupReps), QByteArray("002,255,3,2,0,0\n003,001,1,0,4,5\n"
                                                           "003,002,2,5,4,5\n010,001,7,60,100,9\n"));

        const QString path = dir.filePath("round.qap");
        QCOMPARE(SavePlaylistFile(path, list, groupReps), QString());
        const QByteArray onDisk = testenv::readFile(path);
    #ifdef Q_OS_WIN
        QVERIFY(onDisk.contains("002,255,3,2,0,0\r\n"));
    #else
        QCOMPARE(onDisk, PlaylistText(list, groupReps));
    #endif

        const PlaylistLoad load = LoadPlaylistFile(path);
        QVERIFY(load.ok());
        QCOMPARE(Describe(load.entries), Describe(list));
        QCOMPARE(load.groupReps, (std::map<int, int>{{4, 5}, {100, 9}}));
        QVERIFY(load.skippedLines.empty());
        QVERIFY(load.adjustedLines.empty());
        QCOMPARE(PlaylistLoadNote(load), QString());
        // A stray count of group 0 is never written.
        QCOMPARE(PlaylistText({makeSaya("002", "255")}, {{0, 9}}), QByteArray("002,255,1,0,0,0\n"));
    }

    void parses_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("groupReps");  // "group:reps ..."
        QTest::newRow("file order is kept")
            << QByteArray("003,001,1,0,0,0\n002,255,1,0,0,0\n001,001,1,0,0,0\n")
            << QStringList{"003.001 r1 p0 g0", "002.255 r1 p0 g0", "001.001 r1 p0 g0"} << "";
        const QStringList two{"002.255 r3 p2 g4", "003.001 r1 p0 g0"};
        QTest::newRow("LF, no final break") << QByteArray("002,255,3,2,4,5\n003,001,1,0,0,0") << two << "4:5";
        QTest::newRow("CR LF") << QByteArray("002,255,3,2,4,5\r\n003,001,1,0,0,0\r\n") << two << "4:5";
        QTest::newRow("four fields: no group") << QByteArray("002,255,3,2\n") << QStringList{"002.255 r3 p2 g0"} << "";
        // A duplicate is dropped, not counted as a bad line, yet its group count applies.
        QTest::newRow("first duplicate wins")
            << QByteArray("002,255,3,2,1,2\n002,001,1,0,1,2\n002,255,5,9,1,7\n")
            << QStringList{"002.255 r3 p2 g1", "002.001 r1 p0 g1"} << "1:7";
        // Two commas count as one separator; numbers stop at the first non-digit.
        QTest::newRow("numbers read like atoi") << QByteArray(",2,,255,3x, +4,2y,6z,\n")
                                                << QStringList{"002.255 r3 p4 g2"} << "2:6";
        // Group 0 is "no group": its count must not become one something multiplies by.
        QTest::newRow("group 0 has no count") << QByteArray("002,255,1,0,0,9\n") << QStringList{"002.255 r1 p0 g0"} << "";
    }

    void parses() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, entries);
        QFETCH(QString, groupReps);
        const PlaylistLoad load = ParsePlaylist(text);
        QCOMPARE(Describe(load.entries), entries);
        QStringList reps;
        for (const auto& [group, count] : load.groupReps) reps << QString("%1:%2").arg(group).arg(count);
        QCOMPARE(reps.join(' '), groupReps);
        QVERIFY(load.skippedLines.empty());
    }

    void badLinesAreSkippedAndNumbered() {
        const QByteArray text =
            "002,001,1,0\n"         // 1 good
            "002,002,1\n"           // 2 three fields
            "002,003,1,0,3\n"       // 3 five fields
            "\n"                    // 4 blank: ignored, not reported
            "x02,004,1,0\n"         // 5 sura not digits
            "002,../a,1,0\n"        // 6 aya not digits
            "115,001,1,0\n"         // 7 no such sura
            "001,008,1,0\n"         // 8 al-Fatiha has seven ayas
            "002,005,1,0,101,2\n"   // 9 group beyond 100
            "002,006,1,0,-1,2\n"    // 10 negative group
            "0,001,1,0\n"           // 11 sura 0
            "   \r\n"               // 12 blank with CR: ignored
            "002,007,1,0,2,3\n";    // 13 good
        const PlaylistLoad load = ParsePlaylist(text);
        QCOMPARE(keys(load.entries), (QStringList{"002.001", "002.007"}));
        QCOMPARE(load.skippedLines, (std::vector<int>{2, 3, 5, 6, 7, 8, 9, 10, 11}));
        const QString note = PlaylistLoadNote(load);
        QVERIFY2(note.startsWith("9 line(s)"), qPrintable(note));
        QVERIFY2(note.contains("2, 3, 5, 6, 7, 8, 9, 10, 11."), qPrintable(note));
        // The skipped group lines set no group repetitions.
        QCOMPARE(load.groupReps, (std::map<int, int>{{2, 3}}));
    }

    void absurdValuesAreBroughtIntoRange() {
        const PlaylistLoad load = ParsePlaylist(
            "002,001,0,-5,0,0\n"
            "002,002,99999999999999999999,99999,3,0\n"
            "002,003,100,60,4,100\n"
            "002,004,2,1,5,-7\n");
        QCOMPARE(Describe(load.entries),
                 (QStringList{"002.001 r1 p0 g0", "002.002 r100 p60 g3", "002.003 r100 p60 g4", "002.004 r2 p1 g5"}));
        QCOMPARE(load.groupReps, (std::map<int, int>{{3, 1}, {4, 100}, {5, 1}}));
        QCOMPARE(load.adjustedLines, (std::vector<int>{1, 2, 4}));
        QVERIFY(load.skippedLines.empty());
        QVERIFY(PlaylistLoadNote(load).contains("1, 2, 4."));
    }

    void unreadableFileIsAnError() {
        const PlaylistLoad missing = LoadPlaylistFile(dir.filePath("no-such.qap"));
        QVERIFY(!missing.ok());
        QVERIFY(missing.entries.empty());

        QVERIFY(QDir(dir.path()).mkpath("folder.qap"));
        const PlaylistLoad folder = LoadPlaylistFile(dir.filePath("folder.qap"));
        QVERIFY2(!folder.ok(), "a directory read as an empty playlist");

        // A huge file picked by mistake is refused, not read into memory.
        QFile huge(dir.filePath("huge.qap"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(qint64(64) * 1024 * 1024));
        huge.close();
        QVERIFY(!LoadPlaylistFile(huge.fileName()).ok());
    }

    void failedSaveIsReportedAndKeepsOldFile() {
        const std::vector<saya> list{makeSaya("002", "255", 3, 2)};
        const QString inMissingFolder = dir.filePath("missing/plan.qap");
        QVERIFY(!SavePlaylistFile(inMissingFolder, list, {}).isEmpty());
        QVERIFY(!QFile::exists(inMissingFolder));

        QVERIFY(QDir(dir.path()).mkpath("taken.qap"));
        QVERIFY(!SavePlaylistFile(dir.filePath("taken.qap"), list, {}).isEmpty());

        // A successful save replaces the old file as a whole.
        const QString path = dir.filePath("replace.qap");
        QVERIFY(testenv::writeFile(path, "003,001,1,0,0,0\n003,002,1,0,0,0\n003,003,1,0,0,0\n"));
        QCOMPARE(SavePlaylistFile(path, list, {}), QString());
        QCOMPARE(keys(LoadPlaylistFile(path).entries), QStringList{"002.255"});
    }

    void emptyListSavesEmptyFile() {
        const QString path = dir.filePath("empty.qap");
        QCOMPARE(SavePlaylistFile(path, {}, {{0, 0}}), QString());
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
        const PlaylistLoad load = LoadPlaylistFile(path);
        QVERIFY(load.ok());
        QVERIFY(load.entries.empty());
    }

    void extensionRule_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "/home/u/plan" << "/home/u/plan.qap";
        QTest::newRow("already .qap") << "/home/u/plan.qap" << "/home/u/plan.qap";
        QTest::newRow("case matters") << "/home/u/list.QAP" << "/home/u/list.QAP.qap";
        QTest::newRow("other extension") << "/home/u/list.txt" << "/home/u/list.txt.qap";
        QTest::newRow("dot only in a folder") << "/home/u.v/plan" << "/home/u.v/plan.qap";
        QTest::newRow("bare name") << "plan" << "plan.qap";
    }

    void extensionRule() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(PlaylistFileName(chosen), written);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestPlaylist)
#include "test_playlist.moc"
