// The burn-list core without the window: list editing and ordering, the
// total time with its measuring cache, and playlist files (bad lines are
// skipped and reported, absurd values clamped, failed saves reported).

#include "burnlist/burnlist.h"
#include "burnlist/playlist.h"
#include "burnlist/totaltime.h"
#include "library/suracatalogue.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>
#include <climits>

using testenv::keys;
using testenv::makeSaya;

namespace {

QStringList describe(const std::vector<saya>& list) {
    QStringList out;
    for (const saya& s : list)
        out << QString("%1 r%2 p%3 g%4").arg(QString::fromStdString(s.Key())).arg(s.reps).arg(s.pause).arg(s.group);
    return out;
}

// A length source with fixed lengths that counts how often it is asked.
struct FakeLengths {
    std::map<std::string, int> ms, asked;
    LengthSource source() {
        return [this](const std::string& key) {
            ++asked[key];
            return ms.count(key) ? ms.at(key) : 0;
        };
    }
};

}  // namespace

class TestBurnList : public QObject {
    Q_OBJECT
private slots:
    void editingKeepsKeyOrderAndRefusesDuplicates() {
        BurnListCore list;
        QVERIFY(list.Append(makeSaya("010", "001")));
        QVERIFY(list.Append(makeSaya("003", "001")));
        QVERIFY(!list.Append(makeSaya("010", "001")));
        QCOMPARE(keys(list.List()), (QStringList{"010.001", "003.001"}));  // a playlist's order
        QVERIFY(list.Add(makeSaya("002", "001", 3)));
        QVERIFY(!list.Add(makeSaya("002", "001", 9)));
        QCOMPARE(keys(list.List()), (QStringList{"002.001", "003.001", "010.001"}));
        QCOMPARE(list.List()[0].reps, 3);
        list.Add(makeSaya("002", "002"));
        list.RemoveSura("002");
        list.Remove("003", "001");
        QCOMPARE(keys(list.List()), QStringList{"010.001"});
        QVERIFY(!list.Contains("002.002") && list.Add(makeSaya("002", "002")));
        list.Clear();
        QVERIFY(list.List().empty() && !list.Contains("010.001"));
    }

    void groupsShareTheirRepetitions() {
        BurnListCore list;
        for (const char* aya : {"001", "002", "003"}) list.Add(makeSaya("001", aya));
        QCOMPARE(list.AssignGroup({{"001", "001"}, {"001", "002"}}, 2, 4), 2);
        QCOMPARE(list.AssignGroup({{"001", "003"}}, 2, 6), 1);
        QCOMPARE(list.ItemTexts().filter("(GRP: 2 x 6)").size(), 3);
        // Nothing listed: the group's repetitions stay.
        QCOMPARE(list.AssignGroup({{"009", "001"}}, 2, 9), 0);
        QCOMPARE(list.groupReps.at(2), 6);
        // The window reads sura and aya back from a grouped item's text.
        QCOMPARE(SayaOfItemText(list.ItemTexts()[1]).Key(), std::string("001.002"));
    }

    void totalTimeCountsGroupsAndMeasuresEachAyaOnce() {
        FakeLengths lengths;
        lengths.ms = {{"002.001", 10000}, {"002.002", 10000}, {"002.255", 3999}};
        TotalTime total(lengths.source());
        // 3.999 s counts 3 before (3 + 2 pauses) x 3 repetitions.
        QCOMPARE(total.Seconds({makeSaya("002", "255", 3, 2)}, {{0, 0}}), 15);
        // A group with no count yet, and group 0 with a stray count, play once.
        const std::vector<saya> mixed{makeSaya("002", "001", 1, 0, 0), makeSaya("002", "002", 2, 1, 1)};
        QCOMPARE(total.Seconds(mixed, {{0, 3}, {1, 2}}), 10 + (10 + 1) * 2 * 2);
        QCOMPARE(total.Seconds(mixed, {{0, 3}}), 10 + (10 + 1) * 2);
        QCOMPARE(total.Seconds({makeSaya("002", "255", 4, 1), makeSaya("009", "009")}, {}), 16);
        for (const auto& [key, count] : lengths.asked) QVERIFY2(count == 1, key.c_str());
        QCOMPARE(int(lengths.asked.size()), 4);
        QCOMPARE(TotalTime().Seconds({makeSaya("002", "001", 5)}, {}), 0);  // nothing to measure with

        TotalTime huge([](const std::string&) { return INT_MAX; });
        std::vector<saya> many;
        for (int a = 1; a <= 50; ++a) many.push_back(makeSaya("002", std::to_string(a), 100, 60, 1));
        QCOMPARE(huge.Seconds(many, {{1, 100}}), INT_MAX);
    }

    void playlistRoundTrip() {
        const std::vector<saya> list{makeSaya("010", "001", 7, 60, 100), makeSaya("002", "255", 3, 2),
                                     makeSaya("003", "001", 1, 0, 4)};
        QCOMPARE(SavePlaylistFile(path("round.qap"), list, {{0, 9}, {4, 5}, {100, 9}}), QString());
        const PlaylistLoad load = LoadPlaylistFile(path("round.qap"));
        QVERIFY(load.ok());
        QCOMPARE(describe(load.entries), describe(list));
        QCOMPARE(load.groupReps, (std::map<int, int>{{4, 5}, {100, 9}}));
        QVERIFY(load.skippedLines.empty() && load.adjustedLines.empty() && PlaylistLoadNote(load).isEmpty());
        QCOMPARE(SavePlaylistFile(path("empty.qap"), {}, {}), QString());
        QVERIFY(LoadPlaylistFile(path("empty.qap")).ok());
    }

    void parses_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("groupReps");  // "group:reps ..."
        const QStringList two{"002.255 r3 p2 g4", "003.001 r1 p0 g0"};
        QTest::newRow("CR LF, no final break") << QByteArray("002,255,3,2,4,5\r\n003,001,1,0,0,0") << two << "4:5";
        QTest::newRow("four fields: no group") << QByteArray("002,255,3,2\n") << QStringList{"002.255 r3 p2 g0"} << "";
        // A duplicate is dropped, not counted as a bad line, yet its group count applies.
        QTest::newRow("first duplicate wins") << QByteArray("002,255,3,2,1,2\n002,255,5,9,1,7\n")
                                              << QStringList{"002.255 r3 p2 g1"} << "1:7";
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
        QCOMPARE(describe(load.entries), entries);
        QStringList reps;
        for (const auto& [group, count] : load.groupReps) reps << QString("%1:%2").arg(group).arg(count);
        QCOMPARE(reps.join(' '), groupReps);
        QVERIFY(load.skippedLines.empty());
    }

    void badLinesAreSkippedAndAbsurdValuesClamped() {
        const PlaylistLoad load = ParsePlaylist(
            "002,001,0,-5,0,0\n"                        // 1 reps and pause clamped
            "002,002,1\n"                               // 2 three fields
            "002,003,1,0,3\n"                           // 3 five fields
            "\n"                                        // 4 blank: ignored, not reported
            "x02,004,1,0\n"                             // 5 sura not digits
            "002,../a,1,0\n"                            // 6 aya not digits
            "115,001,1,0\n"                             // 7 no such sura
            "001,008,1,0\n"                             // 8 al-Fatiha has seven ayas
            "002,005,1,0,101,2\n"                       // 9 group beyond 100
            "002,006,1,0,-1,2\n"                        // 10 negative group
            "002,007,99999999999999999999,99999,3,0\n"  // 11 clamped, group reps too
            "002,008,100,60,4,100\n");                  // 12 at the limits
        QCOMPARE(describe(load.entries), (QStringList{"002.001 r1 p0 g0", "002.007 r100 p60 g3", "002.008 r100 p60 g4"}));
        QCOMPARE(load.skippedLines, (std::vector<int>{2, 3, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(load.adjustedLines, (std::vector<int>{1, 11}));
        QCOMPARE(load.groupReps, (std::map<int, int>{{3, 1}, {4, 100}}));
        QVERIFY(!PlaylistLoadNote(load).isEmpty());
    }

    void unreadableFilesAreErrors() {
        QVERIFY(!LoadPlaylistFile(path("no-such.qap")).ok());
        QVERIFY(QDir(dir.path()).mkpath("folder.qap"));
        QVERIFY2(!LoadPlaylistFile(path("folder.qap")).ok(), "a folder read as an empty playlist");
        // A huge file picked by mistake is refused, not read into memory.
        QFile huge(path("huge.qap"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(64) * 1024 * 1024));
        huge.close();
        QVERIFY(!LoadPlaylistFile(huge.fileName()).ok());
    }

    // A save that cannot be made whole is reported and keeps the old file.
    void failedSaveKeepsTheOldFile() {
        std::vector<saya> list;
        for (int a = 1; a <= 200; ++a) list.push_back(makeSaya("002", PadKey(std::to_string(a)), 3, 2));
        QVERIFY(!SavePlaylistFile(path("missing/plan.qap"), list, {}).isEmpty());
        QVERIFY(!QFile::exists(path("missing")));
        QVERIFY(QDir(dir.path()).mkpath("taken.qap"));
        QVERIFY(!SavePlaylistFile(path("taken.qap"), list, {}).isEmpty());

        QVERIFY(testenv::writeFile(path("plan.qap"), "003,001,1,0,0,0\n"));
        QString error;
        {
            const libfixtures::FileSizeLimit limit(1000);
            QVERIFY(limit.ok());
            error = SavePlaylistFile(path("plan.qap"), list, {});
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(testenv::readFile(path("plan.qap")), QByteArray("003,001,1,0,0,0\n"));
        QCOMPARE(SavePlaylistFile(path("plan.qap"), list, {}), QString());
        QCOMPARE(int(LoadPlaylistFile(path("plan.qap")).entries.size()), 200);
    }

    void extensionRule() {
        for (const auto& [chosen, written] : QList<QPair<QString, QString>>{
                 {"/u/plan", "/u/plan.qap"}, {"/u/plan.qap", "/u/plan.qap"},
                 {"/u/list.QAP", "/u/list.QAP.qap"}, {"/u.v/plan", "/u.v/plan.qap"}})
            QCOMPARE(PlaylistFileName(chosen), written);
    }

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

QTEST_GUILESS_MAIN(TestBurnList)
#include "test_burnlist.moc"
