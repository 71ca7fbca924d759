// The table of contents as the real cdrdao reads it back (tracks, titles,
// every audio file), and the text it would misread, which is refused.

#include "production/tocwriter.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Names = std::vector<std::string>;

// Each track four seconds of 44.1 kHz 16-bit stereo, the shortest cdrdao takes.
bool MakeTrackFiles(const QString& folder, const Names& names) {
    static const QByteArray wav = testenv::makeWav(4 * 44100, 44100, 2, 0);
    if (!QDir().mkpath(folder)) return false;
    for (const std::string& name : names)
        if (!testenv::writeFile(folder + "/" + QString::fromStdString(name), wav)) return false;
    return true;
}

}  // namespace

class TestTocWriter : public QObject {
    Q_OBJECT
private slots:
    void cdrdaoReadsTheDisc_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("groups then ayas") << "temp" << QStringList{"group.2.wav", "group.100.wav", "An-Nas.006.wav"};
        QTest::newRow("folder with blanks") << "my quran/temp folder" << QStringList{"group.1.wav", "Yusuf.004.wav"};
        QStringList many;
        for (int a = 1; a <= 99; ++a) many << QString("Al-Baqara.%1.wav").arg(a, 3, 10, QChar('0'));
        QTest::newRow("99 tracks") << "temp" << many;
    }
    void cdrdaoReadsTheDisc() {
        QFETCH(QString, subfolder);
        QFETCH(QStringList, names);
        Names tracks;
        for (const QString& n : names) tracks.push_back(n.toStdString());
        QTemporaryDir dir;
        QVERIFY(MakeTrackFiles(dir.filePath(subfolder), tracks));
        const QString toc = dir.filePath("temp.toc");
        TocWriter writer;
        QVERIFY2(writer.Write(toc, tracks, dir.filePath(subfolder)), qPrintable(writer.LastError()));

        // read-test checks the TOC as a write does (no warning) and opens every audio file.
        const testenv::RunResult read = testenv::run("cdrdao", {"read-test", toc});
        QVERIFY2(read.exitCode == 0 && read.err.count("Writing track ") == names.size(), read.err);
        QVERIFY2(!read.err.contains("WARNING: Track"), read.err);
        // The CD-TEXT as cdrdao parsed it: disc performer / title, one title per track.
        const testenv::RunResult cddb = testenv::run("toc2cddb", {toc});
        QStringList titles{"DTITLE=Temmar / Quran"};
        for (int i = 0; i < names.size(); ++i) titles << QString("TTITLE%1=%2").arg(i).arg(names[i].section('.', 0, -2));
        QStringList parsed = QString::fromUtf8(cddb.out).split('\n').filter(QRegularExpression("^[DT]TITLE"));
        QCOMPARE(parsed, titles);
    }

    void longestPathCdrdaoReadsWhole() {
        // 1999 bytes are read whole; cdrdao cuts one more short without a word.
        QTemporaryDir dir;
        QString folder = dir.path();
        while (folder.size() < 1700) folder += "/" + QString(199, QChar('d'));
        folder += "/" + QString(1999 - folder.size() - 3 - 11, QChar('e'));  // 2 separators, group.1.wav
        QVERIFY(MakeTrackFiles(folder, {"group.1.wav"}) && MakeTrackFiles(folder + "e", {"group.1.wav"}));
        QCOMPARE(folder.size() + 2 + 11, 1999);
        const QString toc = dir.filePath("temp.toc");
        TocWriter writer;
        QVERIFY2(writer.Write(toc, {"group.1.wav"}, folder), qPrintable(writer.LastError()));
        QVERIFY(testenv::run("cdrdao", {"read-test", toc}).exitCode == 0);
        QVERIFY(!writer.Write(toc, {"group.1.wav"}, folder + "e"));
        QVERIFY2(writer.LastError().contains("2000 bytes long"), qPrintable(writer.LastError()));
        QVERIFY(!writer.Write(dir.filePath("missing/temp.toc"), {"group.1.wav"}, folder));  // no such folder
        QVERIFY2(writer.LastError().contains("missing/temp.toc"), qPrintable(writer.LastError()));
    }

    void textCdrdaoWouldMisreadIsRefused_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QString>("badName");
        QTest::addColumn<QString>("reason");
        QTest::newRow("quote in folder") << "say \"hi\"" << "" << "double quote";
        QTest::newRow("quote in name") << "temp" << "a\"b.wav" << "double quote";
        QTest::newRow("line break in folder") << "two\nlines" << "" << "control character";
        QTest::newRow("octal escape in folder") << "a\\101" << "" << "backslash followed by a digit";
        QTest::newRow("longer than cdrdao reads") << QString(2100, QChar('d')) << "" << "more than the 1999";
    }
    void textCdrdaoWouldMisreadIsRefused() {
        QFETCH(QString, subfolder);
        QFETCH(QString, badName);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        // A good first track does not hide a bad second one.
        Names tracks{"group.2.wav"};
        if (!badName.isEmpty()) tracks.push_back(badName.toStdString());
        // The file of an earlier burn stays as it was.
        const QString toc = dir.filePath("temp.toc");
        QVERIFY(testenv::writeFile(toc, "old"));
        TocWriter writer;
        QVERIFY(!writer.Write(toc, tracks, dir.filePath(subfolder)));
        QVERIFY2(writer.LastError().contains(reason), qPrintable(writer.LastError()));
        QVERIFY(writer.LastError().contains(badName.isEmpty() ? subfolder : badName.section('.', 0, -2)));
        QCOMPARE(testenv::readFile(toc), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestTocWriter)
#include "test_tocwriter.moc"
