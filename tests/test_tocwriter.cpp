// The table of contents as the real cdrdao reads it back (tracks, titles,
// every audio file), and the text it would misread, which is refused.

#include "production/tocwriter.h"
#include "support/testenv.h"

#include <QtTest>

class TestTocWriter : public QObject {
    Q_OBJECT
private slots:
    void cdrdaoReadsTheDisc() {
        const std::vector<std::string> tracks{"group.2.wav", "group.100.wav", "An-Nas.006.wav"};
        QTemporaryDir dir;
        const QString folder = dir.filePath("my quran/temp folder");
        QVERIFY(QDir().mkpath(folder));
        // Four seconds of 44.1 kHz 16-bit stereo each, the shortest track cdrdao takes.
        for (const std::string& name : tracks)
            QVERIFY(testenv::writeFile(folder + "/" + name.c_str(), testenv::makeWav(4 * 44100, 44100, 2, 0)));
        const QString toc = dir.filePath("temp.toc");
        TocWriter writer;
        QVERIFY2(writer.Write(toc, tracks, folder), qPrintable(writer.LastError()));

        // read-test checks the TOC as a write does (no warning) and opens every audio file.
        const testenv::RunResult read = testenv::run("cdrdao", {"read-test", toc});
        QVERIFY2(read.exitCode == 0 && read.err.count("Writing track ") == int(tracks.size()), read.err);
        QVERIFY2(!read.err.contains("WARNING: Track"), read.err);
        // The CD-TEXT as cdrdao parsed it: disc performer / title, one title per track.
        const testenv::RunResult cddb = testenv::run("toc2cddb", {toc});
        QStringList titles{"DTITLE=Temmar / Quran"};
        for (size_t i = 0; i < tracks.size(); ++i)
            titles << QString("TTITLE%1=%2").arg(i).arg(QString::fromStdString(tracks[i]).section('.', 0, -2));
        QCOMPARE(QString::fromUtf8(cddb.out).split('\n').filter(QRegularExpression("^[DT]TITLE")), titles);
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
        std::vector<std::string> tracks{"group.2.wav"};
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
