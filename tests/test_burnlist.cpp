// The burn-list core without the window: item texts, list editing and
// ordering, the total time arithmetic with its measuring cache, and the
// CD length figure.

#include "burnlist/burnlist.h"
#include "burnlist/cdlength.h"
#include "burnlist/totaltime.h"
#include "support/testenv.h"

#include <QtTest>
#include <climits>

namespace {

using testenv::keys;
using testenv::makeSaya;

// A length source with fixed lengths that counts how often it is asked.
struct FakeLengths {
    std::map<std::string, int> ms;
    std::map<std::string, int> asked;
    LengthSource Source() {
        return [this](const std::string& key) {
            ++asked[key];
            const auto it = ms.find(key);
            return it == ms.end() ? 0 : it->second;
        };
    }
};

}  // namespace

class TestBurnList : public QObject {
    Q_OBJECT
private slots:
    void itemTextsAndTheirParsing() {
        const saya s = makeSaya("002", "255", 3, 2, 4);
        QCOMPARE(ItemText(s), QString("002.255 x 3 - pause: 2 secs b/w reps"));
        QCOMPARE(GroupItemText(s, 5), QString("002.255 x 3 - pause: 2 secs b/w reps (GRP: 4 x 5)"));
        QCOMPARE(KeyOfItemText(GroupItemText(s, 5)), QString("002.255"));
        const saya back = SayaOfItemText(GroupItemText(s, 5));
        QCOMPARE(QString::fromStdString(back.sura), QString("002"));
        QCOMPARE(QString::fromStdString(back.aya), QString("255"));
        QCOMPARE(KeyOfItemText(""), QString());
        QCOMPARE(SayaOfItemText("").Key(), std::string("."));
    }

    void addKeepsKeyOrderAndRefusesDuplicates() {
        BurnListCore list;
        QVERIFY(list.Add(makeSaya("010", "001")));
        QVERIFY(list.Add(makeSaya("002", "010")));
        QVERIFY(list.Add(makeSaya("002", "001", 3)));
        QVERIFY(!list.Add(makeSaya("002", "001", 9)));
        QCOMPARE(keys(list.List()), (QStringList{"002.001", "002.010", "010.001"}));
        QCOMPARE(list.List()[0].reps, 3);
        QVERIFY(list.Contains("002.010"));
        QVERIFY(!list.Contains("002.002"));
        QCOMPARE(list.groupReps.at(0), 0);
    }

    void appendedFileOrderIsSortedByTheNextAddOrRemove() {
        BurnListCore list;
        QVERIFY(list.Append(makeSaya("010", "001")));
        QVERIFY(list.Append(makeSaya("003", "001")));
        QVERIFY(!list.Append(makeSaya("010", "001")));
        QCOMPARE(keys(list.List()), (QStringList{"010.001", "003.001"}));
        QVERIFY(list.Add(makeSaya("005", "001")));
        QCOMPARE(keys(list.List()), (QStringList{"003.001", "005.001", "010.001"}));

        BurnListCore other;
        other.Append(makeSaya("010", "001"));
        other.Append(makeSaya("003", "001"));
        other.Append(makeSaya("007", "001"));
        other.Remove("003", "001");
        QCOMPARE(keys(other.List()), (QStringList{"007.001", "010.001"}));
        QVERIFY(!other.Contains("003.001"));
        QVERIFY(other.Add(makeSaya("003", "001")));
    }

    void removeSuraAndClear() {
        BurnListCore list;
        list.Add(makeSaya("001", "001"));
        list.Add(makeSaya("002", "001"));
        list.Add(makeSaya("002", "002", 1, 0, 3));
        list.Add(makeSaya("003", "001", 1, 0, 3));
        list.RemoveSura("002");
        QCOMPARE(keys(list.List()), (QStringList{"001.001", "003.001"}));
        QVERIFY(!list.Contains("002.001"));
        QCOMPARE(list.InList().at("002.002"), 0);
        QCOMPARE(list.List()[1].group, 3);

        list.groupReps[3] = 4;
        list.Clear();
        QVERIFY(list.List().empty());
        QVERIFY(list.InList().empty());
        QCOMPARE(list.groupReps.at(3), 4);
    }

    void assignGroupSharesRepetitions() {
        BurnListCore list;
        list.Add(makeSaya("001", "001"));
        list.Add(makeSaya("001", "002"));
        list.Add(makeSaya("001", "003"));
        QCOMPARE(list.AssignGroup({{"001", "001"}, {"001", "002"}}, 2, 4), 2);
        QCOMPARE(list.ItemTexts(), (QStringList{"001.001 x 1 - pause: 0 secs b/w reps (GRP: 2 x 4)",
                                                "001.002 x 1 - pause: 0 secs b/w reps (GRP: 2 x 4)",
                                                "001.003 x 1 - pause: 0 secs b/w reps"}));
        QCOMPARE(list.AssignGroup({{"001", "003"}}, 2, 6), 1);
        QCOMPARE(list.ItemTexts().filter("(GRP: 2 x 6)").size(), 3);
        // Nothing listed: the group's repetitions stay.
        QCOMPARE(list.AssignGroup({{"009", "001"}}, 2, 9), 0);
        QCOMPARE(list.RepsOfGroup(2), 6);
        QCOMPARE(list.RepsOfGroup(55), 0);
    }

    void groupRepetitionsApplyToGroupsOnly() {
        FakeLengths lengths;
        lengths.ms = {{"002.001", 10000}, {"002.002", 10000}, {"002.255", 3999}};
        TotalTime total(lengths.Source());
        QCOMPARE(total.Seconds({}, {{0, 0}}), 0);
        // 3.999 s counts 3 before (3 + 2 pauses) x 3 repetitions.
        QCOMPARE(total.Seconds({makeSaya("002", "255", 3, 2)}, {{0, 0}}), 15);
        const std::vector<saya> grouped{makeSaya("002", "001", 1, 0, 1)};
        QCOMPARE(total.Seconds(grouped, {{0, 0}, {1, 1}}), 10);
        QCOMPARE(total.Seconds(grouped, {{0, 0}, {1, 2}}), 20);
        QCOMPARE(total.Seconds(grouped, {{0, 0}, {1, 3}}), 30);
        // A group with no count yet, and group 0 with a stray count, play once.
        QCOMPARE(total.Seconds(grouped, {{0, 0}}), 10);
        const std::vector<saya> mixed{makeSaya("002", "001", 1, 0, 0), makeSaya("002", "002", 2, 1, 1)};
        QCOMPARE(total.Seconds(mixed, {{0, 3}, {1, 2}}), 10 + (10 + 1) * 2 * 2);
    }

    void eachAyaIsMeasuredOnce() {
        FakeLengths lengths;
        lengths.ms["001.001"] = 5000;  // 001.002 has no recording: 0 ms
        TotalTime total(lengths.Source());
        const std::vector<saya> list{makeSaya("001", "001"), makeSaya("001", "002")};
        QCOMPARE(total.Seconds(list, {}), 5);
        QCOMPARE(total.Seconds(list, {}), 5);
        // Added again with other repetitions: the cached length, the new reps.
        QCOMPARE(total.Seconds({makeSaya("001", "001", 4, 1)}, {}), 24);
        QCOMPARE(lengths.asked["001.001"], 1);
        QCOMPARE(lengths.asked["001.002"], 1);
        QCOMPARE(total.AyaLengths().at("001.002"), 0);

        TotalTime unmeasured;
        QCOMPARE(unmeasured.Seconds(list, {}), 0);
    }

    void hugeTotalsSaturate() {
        TotalTime total([](const std::string&) { return INT_MAX; });
        std::vector<saya> list;
        for (int a = 1; a <= 50; ++a) list.push_back(makeSaya("002", qPrintable(QString::number(a)), 100, 60, 1));
        QCOMPARE(total.Seconds(list, {{1, 100}}), INT_MAX);
    }

    void cdLengthFigureAndBands_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("figure");
        QTest::newRow("empty") << 0 << "#EEEEEE" << "00:00";
        QTest::newRow("14:59") << 899 << "#EEEEEE" << "14:59";
        QTest::newRow("15:00") << 900 << "#FFFF99" << "15:00";
        QTest::newRow("24:59") << 1499 << "#FFFF99" << "24:59";
        QTest::newRow("25:00") << 1500 << "#CCFF00" << "25:00";
        QTest::newRow("35:00") << 2100 << "#FFCC66" << "35:00";
        QTest::newRow("45:00") << 2700 << "#FF9900" << "45:00";
        QTest::newRow("55:00") << 3300 << "#FF6600" << "55:00";
        QTest::newRow("65:00") << 3900 << "#FF3300" << "65:00";
        QTest::newRow("75:59") << 4559 << "#FF3300" << "75:59";
        QTest::newRow("76:00") << 4560 << "#FF0000" << "76:00";
        QTest::newRow("100:00") << 6000 << "#FF0000" << "100:00";
    }

    void cdLengthFigureAndBands() {
        QFETCH(int, seconds);
        QFETCH(QString, colour);
        QFETCH(QString, figure);
        QCOMPARE(CdLengthHtml(seconds),
                 "<p align=center><b><font size=\"10\" color=\"#ffffff\">CD Length: </font><font size=\"10\" color=\"" +
                     colour + "\">" + figure + "</b></font>");
    }
};

QTEST_GUILESS_MAIN(TestBurnList)
#include "test_burnlist.moc"
