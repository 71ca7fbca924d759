// Which tracks a burn list makes, in which order, under which names.
#include "production/trackplan.h"
#include "support/testenv.h"

#include <QtTest>

namespace {

// Group first here: most plans differ only in their groups.
saya Entry(const std::string& sura, const std::string& aya, int group = 0, int reps = 1, int pause = 0) {
    return testenv::makeSaya(sura, aya, reps, pause, group);
}

QStringList Keys(const PlannedTrack& track) { return testenv::keys(track.members); }

QStringList WavNames(const std::vector<PlannedTrack>& plan) {
    QStringList names;
    for (const PlannedTrack& t : plan) names << QString::fromStdString(t.wavName);
    return names;
}

}  // namespace

class TestTrackPlan : public QObject {
    Q_OBJECT
private slots:
    void groupsComeFirstInOrderOfFirstAppearance() {
        const std::vector<saya> list = {Entry("001", "001", 2), Entry("001", "005"), Entry("002", "010", 1),
                                        Entry("003", "001", 2)};
        const auto plan = PlanTracks(list, {{1, 4}, {2, 3}});
        QCOMPARE(WavNames(plan), QStringList({"group.2.wav", "group.1.wav", "Al-Fatiha.005.wav"}));
        QCOMPARE(Keys(plan[0]), QStringList({"001.001", "003.001"}));
        QCOMPARE(Keys(plan[1]), QStringList({"002.010"}));
        QCOMPARE(Keys(plan[2]), QStringList({"001.005"}));
        QCOMPARE(plan[0].group, 2);
        QCOMPARE(plan[0].passes, 3);
        QCOMPARE(plan[1].passes, 4);
        QCOMPARE(plan[2].group, 0);
        QCOMPARE(plan[2].passes, 1);
        QCOMPARE(QString::fromStdString(plan[0].Title()), QString("group.2"));
        QCOMPARE(QString::fromStdString(plan[2].Title()), QString("Al-Fatiha.005"));
    }

    void singlesKeepBurnListOrderAndTakeTheSuraTitle() {
        const std::vector<saya> list = {Entry("002", "255"), Entry("001", "007"), Entry("114", "006")};
        const auto plan = PlanTracks(list, {});
        QCOMPARE(WavNames(plan), QStringList({"Al-Baqara.255.wav", "Al-Fatiha.007.wav", "An-Nas.006.wav"}));
    }

    void groupWithoutRepetitionsPlaysOnce() {
        const std::vector<saya> list = {Entry("001", "001", 1), Entry("001", "002", 2), Entry("001", "003", 3)};
        const auto plan = PlanTracks(list, {{1, 0}, {2, -4}});  // group 3 has no entry at all
        QCOMPARE(int(plan.size()), 3);
        for (const PlannedTrack& t : plan) QCOMPARE(t.passes, 1);
    }

    void negativeGroupIsASingleAya() {
        // A hand-edited playlist can carry any number; below 1 means no group,
        // as the burn list shows it and as the CD's track count reads it.
        const std::vector<saya> list = {Entry("001", "001", -3), Entry("001", "002", 1)};
        const auto plan = PlanTracks(list, {{1, 2}});
        QCOMPARE(WavNames(plan), QStringList({"group.1.wav", "Al-Fatiha.001.wav"}));
        QCOMPARE(CountTracks(list), 2);
    }

    void countMatchesThePlan_data() {
        QTest::addColumn<std::vector<saya>>("list");
        QTest::newRow("empty") << std::vector<saya>{};
        QTest::newRow("singles") << std::vector<saya>{Entry("001", "001"), Entry("001", "002")};
        QTest::newRow("one group") << std::vector<saya>{Entry("001", "001", 5), Entry("001", "002", 5)};
        QTest::newRow("mixed") << std::vector<saya>{Entry("001", "001", 2), Entry("001", "002"),
                                                    Entry("001", "003", 1), Entry("001", "004", 2),
                                                    Entry("001", "005", 0), Entry("001", "006", 7)};
    }
    void countMatchesThePlan() {
        QFETCH(std::vector<saya>, list);
        QCOMPARE(CountTracks(list), int(PlanTracks(list, {}).size()));
    }

    void malformedKeysAreNamed_data() {
        QTest::addColumn<QString>("sura");
        QTest::addColumn<QString>("aya");
        QTest::addColumn<bool>("good");
        QTest::newRow("good") << "002" << "255" << true;
        QTest::newRow("last sura") << "114" << "006" << true;
        QTest::newRow("unpadded sura") << "2" << "255" << false;
        QTest::newRow("unpadded aya") << "002" << "25" << false;
        QTest::newRow("sura 0") << "000" << "001" << false;
        QTest::newRow("sura 115") << "115" << "001" << false;
        QTest::newRow("parent folder") << "002" << ".." << false;
        QTest::newRow("path in aya") << "002" << "../../x" << false;
        QTest::newRow("separator") << "0/2" << "001" << false;
        QTest::newRow("sign") << "+02" << "001" << false;
        QTest::newRow("empty") << "" << "" << false;
    }
    void malformedKeysAreNamed() {
        QFETCH(QString, sura);
        QFETCH(QString, aya);
        QFETCH(bool, good);
        const saya entry = Entry(sura.toStdString(), aya.toStdString());
        QCOMPARE(EntryProblem(entry).empty(), good);
        const auto plan = PlanTracks({entry}, {});
        QCOMPARE(plan.size(), size_t(1));
        // A malformed entry never gets a file name at all.
        QCOMPARE(plan[0].wavName.empty(), !good);
    }

    void repetitionsAndPausesBelowTheirRangeAreClamped() {
        QCOMPARE(PlayCount(Entry("001", "001", 0, 3)), 3);
        QCOMPARE(PlayCount(Entry("001", "001", 0, 0)), 1);
        QCOMPARE(PlayCount(Entry("001", "001", 0, -2)), 1);
        QCOMPARE(PauseSeconds(Entry("001", "001", 0, 1, 2)), 2);
        QCOMPARE(PauseSeconds(Entry("001", "001", 0, 1, -5)), 0);
    }
};

QTEST_GUILESS_MAIN(TestTrackPlan)
#include "test_trackplan.moc"
