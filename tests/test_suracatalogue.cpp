// The compiled-in sura tables, keys and the pack ranges.

#include "library/suracatalogue.h"

#include <QtTest>

class TestSuraCatalogue : public QObject {
    Q_OBJECT
private slots:
    void padKey_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("0") << "0" << "000";
        QTest::newRow("7") << "7" << "007";
        QTest::newRow("10") << "10" << "010";
        QTest::newRow("99") << "99" << "099";
        QTest::newRow("286") << "286" << "286";
        QTest::newRow("already padded") << "007" << "007";
        QTest::newRow("trailing text") << "12abc" << "012";
        QTest::newRow("leading blanks") << "  5" << "005";
        QTest::newRow("no digits") << "abc" << "000";
        QTest::newRow("empty") << "" << "000";
        QTest::newRow("huge does not overflow") << "99999999999999999999" << "2147483647";
    }

    void padKey() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QCOMPARE(QString::fromStdString(PadKey(text.toStdString())), key);
    }

    void ayaCounts_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("ayas");
        QTest::newRow("001") << "001" << 7;
        QTest::newRow("002") << "002" << 286;
        QTest::newRow("078") << "078" << 40;
        QTest::newRow("114") << "114" << 6;
        QTest::newRow("unpadded is no key") << "1" << 0;
        QTest::newRow("115") << "115" << 0;
        QTest::newRow("000") << "000" << 0;
    }

    void ayaCounts() {
        QFETCH(QString, key);
        QFETCH(int, ayas);
        QCOMPARE(Sura().AyaCount(key.toStdString()), ayas);
    }

    void countsCoverEverySura() {
        const Sura sura;
        int total = 0;
        for (int n = 1; n <= Sura::kSuraCount; ++n) {
            const std::string key = PadKey(std::to_string(n));
            QVERIFY2(sura.AyaCount(key) > 0, key.c_str());
            QCOMPARE(sura.SuraNumber(key), n);
            // Every name starts with its own number and a dot.
            QVERIFY2(sura.ShortName(key).rfind(std::to_string(n) + ". ", 0) == 0, key.c_str());
            total += sura.AyaCount(key);
        }
        QCOMPARE(total, Sura::kAyaTotal);
        QCOMPARE(total, 6236);
    }

    void shortNamesAndTitles_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("title");
        QTest::newRow("001 keeps its trailing space") << "001" << "1. Al-Fatiha " << "Al-Fatiha";
        QTest::newRow("036") << "036" << "36. Ya-Seen" << "Ya-Seen";
        QTest::newRow("114 has none") << "114" << "114. An-Nas" << "An-Nas";
        QTest::newRow("unknown") << "115" << "" << "";
    }

    void shortNamesAndTitles() {
        QFETCH(QString, key);
        QFETCH(QString, shortName);
        QFETCH(QString, title);
        QCOMPARE(QString::fromStdString(Sura().ShortName(key.toStdString())), shortName);
        QCOMPARE(QString::fromStdString(SuraTitle(key.toStdString())), title);
    }

    void everyTitleIsBare() {
        // Titles become file names and CD-TEXT: no number, no outer blanks.
        for (int n = 1; n <= Sura::kSuraCount; ++n) {
            const QString title = QString::fromStdString(SuraTitle(PadKey(std::to_string(n))));
            QVERIFY(!title.isEmpty());
            QCOMPARE(title, title.simplified());
            QVERIFY2(!title.at(0).isDigit(), qPrintable(title));
        }
    }

    void suraNumbersOnlyForExactKeys_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("number");
        QTest::newRow("078") << "078" << 78;
        QTest::newRow("78") << "78" << 0;
        QTest::newRow("1") << "1" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("002 with blank") << "002 " << 0;
    }

    void suraNumbersOnlyForExactKeys() {
        QFETCH(QString, key);
        QFETCH(int, number);
        QCOMPARE(Sura().SuraNumber(key.toStdString()), number);
    }

    void jmapRowsCoverEverySuraOnce() {
        const std::vector<JMapEntry>& rows = JMapRows();
        QCOMPARE(int(rows.size()), 18);
        int next = 1;
        std::string previousName;
        for (const JMapEntry& row : rows) {
            QCOMPARE(int(row.first), next);
            QVERIFY(row.last >= row.first);
            // The name spells the range and the rows stand in name order.
            const std::string spelled = "s" + PadKey(std::to_string(row.first)) + "_s" +
                                        PadKey(std::to_string(row.last)) + ".mat";
            QCOMPARE(QString::fromStdString(row.name), QString::fromStdString(spelled));
            QVERIFY(previousName < row.name);
            previousName = row.name;
            next = row.last + 1;
        }
        QCOMPARE(next, 115);
    }

    void packNameForSura_data() {
        QTest::addColumn<int>("sura");
        QTest::addColumn<QString>("pack");
        QTest::newRow("1") << 1 << "s001_s002.mat";
        QTest::newRow("45") << 45 << "s042_s045.mat";
        QTest::newRow("46") << 46 << "s046_s051.mat";
        QTest::newRow("78") << 78 << "s078_s114.mat";
        QTest::newRow("114") << 114 << "s078_s114.mat";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("115") << 115 << "";
    }

    void packNameForSura() {
        QFETCH(int, sura);
        QFETCH(QString, pack);
        QCOMPARE(QString::fromStdString(PackNameForSura(sura)), pack);
    }
};

QTEST_GUILESS_MAIN(TestSuraCatalogue)
#include "test_suracatalogue.moc"
