// The burn-list core without the window (whose tests cover editing, groups
// and a saved playlist coming back): the disc's length with its measuring
// cache and whether it fits, and playlist files (bad lines are skipped and reported, absurd
// values clamped, failed saves reported).

#include "app/cdlength.h"
#include "burnlist/playlist.h"
#include "production/totaltime.h"
#include "library/suracatalogue.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QtTest>
#include <optional>

using testenv::makeSaya;
Q_DECLARE_METATYPE(std::vector<saya>)

namespace {

QStringList describe(const std::vector<saya>& list) {
    QStringList out;
    for (const saya& s : list)
        out << QString("%1 r%2 p%3 g%4").arg(QString::fromStdString(s.Key())).arg(s.reps).arg(s.pause).arg(s.group);
    return out;
}

}  // namespace

class TestBurnList : public QObject {
    Q_OBJECT
private slots:
    // Blocks of 588 frames at 44.1 kHz, each track rounded up and padded to
    // 4 s, against the 359,849 an 80-minute CD-R holds. Ayas of 002 last
    // 1 s, the silence recording too.
    void discCountsTheTracksAsWritten_data() {
        QTest::addColumn<std::vector<saya>>("list");
        QTest::addColumn<qint64>("blocks");
        QTest::addColumn<QString>("shown");  // with the 2 s before track 1, rounded down
        const auto row = [](const char* name, std::vector<saya> list, qint64 blocks, const char* shown) {
            QTest::newRow(name) << list << blocks << QString(shown);
        };
        row("5 s + 1 frame, 5 s + 1 frame at 22.05 kHz, 1 s padded", {makeSaya("001", "001"), makeSaya("001", "002"),
            makeSaya("002", "001")}, 376 + 376 + 300, "00:16");
        // (2 x (5 s + 1 frame + 1 s pause) + 1 s) x 3 passes, then 6 frames over a block.
        row("group of pauses", {makeSaya("001", "001", 2, 1, 1), makeSaya("002", "001", 1, 0, 1)}, 2926, "00:41");
        // 1.2 s x 100 with 47 s of pause: (1 + 47) x 100 counting whole seconds per aya.
        row("80:00 of whole seconds", {makeSaya("001", "003", 100, 47)}, 361500, "80:22");
        row("just under", {makeSaya("001", "005")}, 359849, "79:59");
        row("one frame more", {makeSaya("001", "006")}, 359850, "80:00");
    }
    void discCountsTheTracksAsWritten() {
        const std::map<std::string, SampleLength> lengths{{"001.001", {220501, 44100}}, {"001.002", {110251, 22050}},
            {"001.003", {52920, 44100}}, {"001.005", {359849 * 588, 44100}}, {"001.006", {359849 * 588 + 1, 44100}}};
        TotalTime total(
            [&](const std::string& key) { return lengths.count(key) ? lengths.at(key) : SampleLength{48000, 48000}; });
        QFETCH(std::vector<saya>, list);
        QFETCH(qint64, blocks);
        QFETCH(QString, shown);
        const DiscTime disc = total.Disc(list, {{1, 3}});
        QCOMPARE(disc.trackTotal, blocks);
        QCOMPARE(disc.Fits(), blocks <= 359849);
        QVERIFY(CdLengthHtml(disc).contains(">" + shown + "<"));
        QCOMPARE(CdLengthHtml(disc).contains("#ffffff"), disc.Fits());  // the caption turns red
    }

    // Good lines load in file order; bad ones are skipped and numbered, absurd
    // values brought into range and numbered.
    void parsesGoodBadAndAbsurdLines() {
        const PlaylistLoad load = ParsePlaylist(
            "\xEF\xBB\xBF"                               // a Windows editor's byte-order mark, not part of line 1
            "003,001,1,0,0,9\r\n"                       // 1 group 0 takes no count
            "002,255,3,2,1,2\n"                          // 2
            "002,255,5,9,1,7\n"                          // 3 duplicate: dropped, its group count applies
            ",2,,001,3x, +4,2y,6z,\n"                    // 4 read like atoi, two commas are one
            "002,002,1\n"                                // 5 three fields
            "002,003,1,0,3\n"                            // 6 five fields
            "\n"                                         // 7 blank: ignored, not reported
            "x02,004,1,0\n"                              // 8 sura not digits
            "002,../a,1,0\n"                             // 9 aya not digits
            "115,001,1,0\n"                              // 10 no such sura
            "001,008,1,0\n"                              // 11 al-Fatiha has seven ayas
            "002,005,1,0,101,2\n"                        // 12 group beyond 100
            "002,006,1,0,-1,2\n"                         // 13 negative group
            "002,007,0,-5\n"                             // 14 reps and pause clamped
            "002,008,99999999999999999999,99999,3,0\n"   // 15 clamped, group count too
            "002,009,100,60,4,100");                     // 16 at the limits, no final break
        QCOMPARE(describe(load.entries), (QStringList{"003.001 r1 p0 g0", "002.255 r3 p2 g1", "002.001 r3 p4 g2",
                                                      "002.007 r1 p0 g0", "002.008 r100 p60 g3", "002.009 r100 p60 g4"}));
        QCOMPARE(load.groupReps, (std::map<int, int>{{1, 7}, {2, 6}, {3, 1}, {4, 100}}));
        QCOMPARE(load.skippedLines.first, (std::vector<int>{5, 6, 8, 9, 10, 11, 12, 13}));
        QCOMPARE(load.adjustedLines.first, (std::vector<int>{14, 15}));
        QCOMPARE(PlaylistLoadNote(load).split('\n').size(), 2);
    }

    // A file of junk under the size limit: the note names a few lines and
    // counts the rest, however many there are.
    void junkLinesAreCountedNotListed() {
        QByteArray junk;
        for (int i = 0; i < 500000; ++i) junk += "x\n";
        junk += "002,255,1,0\n";
        const PlaylistLoad load = ParsePlaylist(junk);
        QCOMPARE(load.entries.size(), size_t(1));
        QCOMPARE(load.skippedLines.count, qint64(500000));
        QCOMPARE(load.skippedLines.first, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        const QString note = PlaylistLoadNote(load);
        QVERIFY2(note.endsWith(": 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 499,990 more."), qPrintable(note));
        QVERIFY(note.startsWith("500,000 line(s)"));
    }

    // Named fields after the sixth: read in any order, unknown ones skipped,
    // a group's taken from its last line, written back only when set; a
    // file without them is written back byte for byte.
    void namedFieldsLoadAndSaveAndOldFilesStay() {
        const QByteArray old = "002,255,3,2,1,2\n003,001,1,0,0,0\n";
        const PlaylistLoad plain = ParsePlaylist(old);
        QCOMPARE(PlaylistText(plain.entries, plain.groupReps), old);
        const PlaylistLoad load = ParsePlaylist("002,001,1,0,1,2,gm=build,zz=1,px=1.5,gp=9\n"
                                                "002,002,1,0,1,2,gp=5,gm=build\n"
                                                "002,003,2,1,0,0,px=0.25\n"
                                                "002,004,1,0,0,0,px=9\n"           // clamped to 3
                                                "002,005,1,0,0,0,px=abc\n"         // skipped
                                                "002,006,1,0,2,1,gp=99,gm=fast\n"  // 60 s, normal
                                                "002,007,1,0,0,0,gp=5,gm=build\n");  // no group: no group pause
        QCOMPARE(load.skippedLines.first, std::vector<int>{5});
        QCOMPARE(load.adjustedLines.first, (std::vector<int>{4, 6}));
        const QByteArray saved = "002,001,1,0,1,2,px=1.5,gp=5,gm=build\n002,002,1,0,1,2,gp=5,gm=build\n"
                                 "002,003,2,1,0,0,px=0.25\n002,004,1,0,0,0,px=3\n002,006,1,0,2,1,gp=60\n"
                                 "002,007,1,0,0,0\n";
        QCOMPARE(PlaylistText(load.entries, load.groupReps), saved);
        const PlaylistLoad again = ParsePlaylist(saved);
        QCOMPARE(PlaylistText(again.entries, again.groupReps), saved);
    }

    // A save that cannot be made whole is reported and keeps the old file.
    // A huge file picked by mistake is refused, not read into memory.
    void savesWholeOrNotAtAllAndRefusesHugeFiles() {
        QFile huge(path("huge.qap"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(64) * 1024 * 1024));
        QVERIFY(!LoadPlaylistFile(huge.fileName()).ok());
        std::vector<saya> list;
        for (int a = 1; a <= 200; ++a) list.push_back(makeSaya("002", PadKey(std::to_string(a)), 3, 2));

        QVERIFY(testenv::writeFile(path("plan.qap"), "003,001,1,0,0,0\n"));
        std::optional<libfixtures::Limit> limit(std::in_place, RLIMIT_FSIZE, 1000);
        QVERIFY(limit->ok());
        const QString error = SavePlaylistFile(path("plan.qap"), list, {});
        limit.reset();
        QVERIFY(!error.isEmpty());
        QCOMPARE(testenv::readFile(path("plan.qap")), QByteArray("003,001,1,0,0,0\n"));
        // Once it can, a save replaces the file and reads back as it was.
        list.back() = makeSaya("010", "001", 7, 60, 100);
        QCOMPARE(SavePlaylistFile(path("plan.qap"), list, {{0, 9}, {100, 5}}), QString());
        const PlaylistLoad load = LoadPlaylistFile(path("plan.qap"));
        QVERIFY(load.ok() && load.skippedLines.empty() && load.adjustedLines.empty());
        QCOMPARE(describe(load.entries), describe(list));
        QCOMPARE(load.groupReps, (std::map<int, int>{{100, 5}}));
    }

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

QTEST_GUILESS_MAIN(TestBurnList)
#include "test_burnlist.moc"
