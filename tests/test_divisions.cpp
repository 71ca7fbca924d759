// The mushaf's divisions: the compiled-in table against the sura
// catalogue, the table reader's refusals, selections as learners write
// them, and runs of ayas added as groups.
#include "burnlist/ayabatch.h"
#include "library/mushafdivisions.h"
#include "library/suracatalogue.h"

#include <QFile>
#include <QtTest>

namespace {

const MushafDivisions& Mushaf() { return MushafDivisions::Madani(); }

QString Text(const AyaRange& range) {
    return QString::fromStdString(range.first.Text() + "-" + range.last.Text());
}

}  // namespace

class TestDivisions : public QObject {
    Q_OBJECT
private slots:
    // Each kind's divisions follow each other without gap or overlap from
    // 1:1 to 114:6, so together they hold every aya once; the coarser
    // kinds begin where the finer ones do.
    void tableCoversTheQuranInOrder() {
        for (Division kind : {Division::Sura, Division::Juz, Division::Hizb, Division::Quarter, Division::Page}) {
            AyaKey expected(1, 1);
            size_t ayas = 0;
            for (int n = 1; n <= MushafDivisions::Count(kind); ++n) {
                const AyaRange range = Mushaf().Range(kind, n);
                QVERIFY2(range.first == expected, qPrintable(MushafDivisions::KindName(kind) + QString::number(n)));
                QVERIFY(Mushaf().NumberOf(kind, range.first) == n && Mushaf().NumberOf(kind, range.last) == n);
                ayas += range.Ayas().size();
                expected = NextAya(range.last);
            }
            QCOMPARE(expected, AyaKey());  // the last ended at 114:6
            QCOMPARE(int(ayas), Sura::kAyaTotal);
        }
        for (int k = 1; k <= 60; ++k) {
            QCOMPARE(Mushaf().Starts(Division::Hizb)[k - 1], Mushaf().Starts(Division::Quarter)[4 * k - 4]);
            if (k <= 30) QCOMPARE(Mushaf().Starts(Division::Juz)[k - 1], Mushaf().Starts(Division::Hizb)[2 * k - 2]);
        }
        // A landmark every printed mushaf shows; no aya is on no page.
        QCOMPARE(Mushaf().NumberOf(Division::Page, AyaKey(2, 255)), 42);
        QCOMPARE(Mushaf().NumberOf(Division::Page, AyaKey(2, 300)), 0);
    }

    void faultyTablesAreRefused() {
        QFile file(":/data/mushaf-divisions.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        MushafDivisions table;
        QVERIFY(!MushafDivisions::Parse(good, &table));
        const QList<QPair<QByteArray, QByteArray>> faults{
            {"juz 1:1 2:142 2:253", "juz 1:1 2:253 2:142"},  // out of order
            {" 78:1\n", " 2:300\n"},                           // no such aya
            {"page 103:1 106:1 109:1 112:1", "page 103:1 106:1 109:1"},  // a page short
            {"hizb ", "hizbs "},
        };
        for (const auto& [from, to] : faults) {
            QVERIFY(good.contains(from));
            QVERIFY2(MushafDivisions::Parse(QByteArray(good).replace(from, to), &table), to.constData());
        }
    }

    void selections_data() {
        QTest::addColumn<int>("kind");  // -1: ayas
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");  // the range, or the start of the problem
        const auto row = [](const char* name, int kind, const char* text, const char* result) {
            QTest::newRow(name) << kind << text << result;
        };
        row("juz 30", int(Division::Juz), "30", "078.001-114.006");
        row("suras across", int(Division::Sura), "78-80", "078.001-080.042");
        row("hizb", int(Division::Hizb), " 59 - 60 ", "078.001-114.006");
        row("quarters", int(Division::Quarter), "1-2", "001.001-002.043");
        row("pages", int(Division::Page), "2-3", "002.001-002.016");
        row("ayas", -1, "2:255-2:257", "002.255-002.257");
        row("ayas across suras", -1, "1:7-2:1", "001.007-002.001");
        row("juz 31", int(Division::Juz), "31", "juz 31 does not exist");
        row("page 0", int(Division::Page), "0", "page 0 does not exist");
        row("quarter 241", int(Division::Quarter), "1-241", "quarter 241 does not exist");
        row("backwards", int(Division::Sura), "80-78", "sura \"80-78\" runs backwards");
        row("no number", int(Division::Page), "5-", "\"5-\" is no page number");
        row("2:300", -1, "2:255-2:300", "2:300 is no aya");
        row("sura 115", -1, "115:1", "sura 115 does not exist");
    }
    void selections() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, result);
        AyaRange range;
        const std::string typed = text.toStdString();
        const Problem problem = kind < 0 ? MushafDivisions::ParseAyaRange(typed, &range)
                                         : Mushaf().ParseRange(Division(kind), typed, &range);
        QCOMPARE(problem ? problem.Text().left(result.size()) : Text(range), result);
    }

    // Runs become groups under the free numbers; ayas already listed stay
    // where they are; with too few numbers left nothing changes.
    void runsBecomeGroupsOfTheFreeNumbers() {
        BurnListCore list;
        QVERIFY(!AddAyaRuns(list, {{AyaKey(1, 2)}}, {}, GroupSettings{}));  // takes group 1
        const std::vector<std::vector<AyaKey>> pages = Mushaf().SplitBy(Division::Page, AyaRange{{1, 6}, {2, 6}}.Ayas());
        QCOMPARE(int(pages.size()), 3);  // 1:6-1:7, 2:1-2:5, 2:6
        QVERIFY(!AddAyaRuns(list, {{AyaKey(2, 6)}}, {}));
        QVERIFY(!AddAyaRuns(list, pages, {3, 2, 4}, GroupSettings{5, 1, true}));
        QStringList entries;
        for (const saya& s : list.List())
            entries << QString("%1/%2x%3").arg(QString::fromStdString(s.Key())).arg(s.group).arg(s.reps);
        QCOMPARE(entries.join(' '), "001.002/1x1 001.006/2x3 001.007/2x3 002.001/3x3 002.002/3x3 002.003/3x3 "
                                    "002.004/3x3 002.005/3x3 002.006/0x1");
        QVERIFY(list.List()[1].buildUp && list.List()[1].groupPause == 1 && list.RepsOfGroup(3) == 5);
        QCOMPARE(FreeGroups(list).size(), size_t(97));
        std::vector<std::vector<AyaKey>> many;
        for (int aya = 10; aya < 108; ++aya) many.push_back({AyaKey(2, aya)});
        const Problem refused = AddAyaRuns(list, many, {}, GroupSettings{});
        QVERIFY(refused.Text().contains("98 new groups are needed, but only 97"));
        QCOMPARE(list.List().size(), size_t(9));
    }
};

QTEST_GUILESS_MAIN(TestDivisions)
#include "test_divisions.moc"
