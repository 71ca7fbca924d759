// Which tracks a burn list makes, in which order, under which names.
#include "production/trackplan.h"
#include "support/testenv.h"

#include <QtTest>

namespace {

// "sura:aya[:group]" entries separated by blanks; "001:001:2" is in group 2.
std::vector<saya> Entries(const QString& text) {
    std::vector<saya> list;
    for (const QString& e : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList f = e.split(':');
        list.push_back(testenv::makeSaya(f.value(0).toStdString(), f.value(1).toStdString(), 1, 0, f.value(2).toInt()));
    }
    return list;
}

// Every track as "file xPasses: members", "-" for a track without a file name.
QString Describe(const std::vector<PlannedTrack>& plan) {
    QStringList tracks;
    for (const PlannedTrack& t : plan)
        tracks << QString::fromStdString(t.wavName.empty() ? "-" : t.wavName) + QString(" x%1: ").arg(t.passes) +
                      testenv::keys(t.members).join(' ');
    return tracks.join(" | ");
}

}  // namespace

class TestTrackPlan : public QObject {
    Q_OBJECT
private slots:
    void plan_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("expected");  // group 1 repeats 4 times, group 2 three times
        QTest::newRow("groups by first member, then singles in list order")
            << "001:001:2 002:255 001:005 002:010:1 003:001:2"
            << "group.2.wav x3: 001.001 003.001 | group.1.wav x4: 002.010 | Al-Baqara.255.wav x1: 002.255 | "
               "Al-Fatiha.005.wav x1: 001.005";
        QTest::newRow("group with repetitions 0, -4 or none plays once")
            << "001:001:3 001:002:4 001:003:5" << "group.3.wav x1: 001.001 | group.4.wav x1: 001.002 | group.5.wav x1: 001.003";
        QTest::newRow("group below 1 is a single aya") << "001:001:-3 001:002:1"
                                                       << "group.1.wav x4: 001.002 | Al-Fatiha.001.wav x1: 001.001";
        QTest::newRow("last sura") << "114:006" << "An-Nas.006.wav x1: 114.006";
        // Malformed keys get no file name, so no path can leave the track folder.
        QTest::newRow("unpadded sura") << "2:255" << "- x1: 2.255";
        QTest::newRow("sura 0") << "000:001" << "- x1: 000.001";
        QTest::newRow("sura 115") << "115:001" << "- x1: 115.001";
        QTest::newRow("parent folder") << "002:.." << "- x1: 002...";
        QTest::newRow("path in aya") << "002:../../x" << "- x1: 002.../../x";
        QTest::newRow("separator") << "0/2:001" << "- x1: 0/2.001";
        QTest::newRow("empty") << ":" << "- x1: .";
        QTest::newRow("nothing") << "" << "";
    }
    void plan() {
        QFETCH(QString, list);
        QFETCH(QString, expected);
        const std::vector<saya> entries = Entries(list);
        const std::vector<PlannedTrack> tracks = PlanTracks(entries, {{1, 4}, {2, 3}, {3, 0}, {4, -4}});
        QCOMPARE(Describe(tracks), expected);
        QCOMPARE(CountTracks(entries), int(tracks.size()));
        for (const PlannedTrack& t : tracks)
            if (t.group == 0) QCOMPARE(EntryProblem(t.members.at(0)).empty(), !t.wavName.empty());
    }

    void noEntryPlaysLessThanOnceOrPausesBelowNothing() {
        for (int n : {0, -2}) {
            QCOMPARE(PlayCount(testenv::makeSaya("001", "001", n)), 1);
            QCOMPARE(PauseSeconds(testenv::makeSaya("001", "001", 1, n)), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestTrackPlan)
#include "test_trackplan.moc"
