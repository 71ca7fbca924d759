// Which tracks a burn list makes, in which order, under which names.
#include "production/trackplan.h"
#include "production/trackscript.h"
#include "support/testenv.h"

#include <QtTest>
#include <cmath>

namespace {

// "sura:aya[:group]" entries separated by blanks; "001:001:2" is in group 2.
std::vector<saya> Entries(const QString& text) {
    std::vector<saya> list;
    for (const QString& e : text.split(' ', Qt::SkipEmptyParts))
        list.push_back(testenv::makeSaya(e.section(':', 0, 0).toStdString(), e.section(':', 1, 1).toStdString(), 1, 0,
                                         e.section(':', 2, 2).toInt()));
    return list;
}

}  // namespace

class TestTrackPlan : public QObject {
    Q_OBJECT
private slots:
    void plan_data() {
        QTest::addColumn<QString>("list");
        // "file xPasses: members"; group 1 repeats 4 times, group 2 three times.
        QTest::addColumn<QString>("expected");
        QTest::newRow("groups by first member, then singles in list order")
            << "001:001:2 002:255 001:005 002:010:1 003:001:2"
            << "group.2.wav x3: 001.001 003.001 | group.1.wav x4: 002.010 | Al-Baqara.255.wav x1: 002.255 | "
               "Al-Fatiha.005.wav x1: 001.005";
        QTest::newRow("group with repetitions 0, -4 or none plays once, below 1 is a single aya")
            << "001:001:3 001:002:4 001:003:5 114:006:-3"
            << "group.3.wav x1: 001.001 | group.4.wav x1: 001.002 | group.5.wav x1: 001.003 | "
               "An-Nas.006.wav x1: 114.006";
    }
    void plan() {
        QFETCH(QString, list);
        QFETCH(QString, expected);
        const std::vector<saya> entries = Entries(list);
        const std::vector<PlannedTrack> tracks = PlanTracks(entries, {{1, 4}, {2, 3}, {3, 0}, {4, -4}});
        QStringList described;
        for (const PlannedTrack& t : tracks) {
            described << QString::fromStdString(t.wavName) + QString(" x%1:").arg(t.passes);
            for (const saya& member : t.members) described.last() += " " + QString::fromStdString(member.Key());
        }
        QCOMPARE(described.join(" | "), expected);
        QCOMPARE(CountTracks(entries), int(tracks.size()));
    }

    // Malformed keys get no file name, so no path can leave the track folder;
    // no entry plays less than once or pauses below nothing.
    void oddEntriesAreMadeSafe() {
        for (const char* key : {"2:255", "000:001", "115:001", "002:..", "002:../../x", "0/2:001", ":"}) {
            const std::vector<PlannedTrack> plan = PlanTracks(Entries(key), {});
            QVERIFY2(plan.size() == 1 && plan[0].wavName.empty() && !EntryProblem(plan[0].members[0]).empty(), key);
        }
        QCOMPARE(PlayCount(testenv::makeSaya("001", "001", 0)), 1);
        QCOMPARE(PauseSeconds(testenv::makeSaya("001", "001", 1, -2)), 0);
    }

    // One rule for every place a recitation speed is chosen: 0.50 to 1.50 in
    // steps of 0.05, typed decimals taken as meant despite binary fractions.
    void speedsAreOfferedInStepsOfFiveHundredths_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("nearest");
        QTest::newRow("0.5") << 0.5 << true << 50;
        QTest::newRow("1.15") << 1.15 << true << 115;
        QTest::newRow("0.55") << 0.55 << true << 55;
        QTest::newRow("1.5") << 1.5 << true << 150;
        QTest::newRow("0.73") << 0.73 << false << 75;
        QTest::newRow("0.72") << 0.72 << false << 70;
        QTest::newRow("0.575 halfway") << 0.575 << false << 60;
        QTest::newRow("0.45 below") << 0.45 << false << 50;
        QTest::newRow("1.55 above") << 1.55 << false << 150;
        QTest::newRow("not a number") << std::nan("") << false << 100;
    }
    void speedsAreOfferedInStepsOfFiveHundredths() {
        QFETCH(double, speed);
        QFETCH(bool, allowed);
        QFETCH(int, nearest);
        QCOMPARE(PlayOptions::SpeedAllowed(speed), allowed);
        QCOMPARE(PlayOptions::NearestAllowedSpeedPercent(speed), nearest);
        QVERIFY(PlayOptions::SpeedAllowed(nearest / 100.0));
    }
};

QTEST_GUILESS_MAIN(TestTrackPlan)
#include "test_trackplan.moc"
