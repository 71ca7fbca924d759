// The table of contents: its exact lines, and that the real cdrdao reads
// every kind of disc the program writes (single ayas, groups, 99 tracks,
// folders with blanks) with the titles intact and a marker per track.

#include "library/suracatalogue.h"
#include "production/tocwriter.h"
#include "production/tracknames.h"
#include "support/testenv.h"
#include "tools/processwrap.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Names = std::vector<std::string>;

// Four seconds of 44.1 kHz 16-bit stereo: the shortest track cdrdao takes.
const QByteArray& FourSecondWav() {
    static const QByteArray wav = testenv::makeWav(4 * 44100, 44100, 2, 0);
    return wav;
}

bool MakeTrackFiles(const QString& folder, const Names& names) {
    for (const std::string& name : names)
        if (!testenv::writeFile(folder + "/" + QString::fromStdString(name), FourSecondWav())) return false;
    return true;
}

// Groups first, then single ayas, as track preparation orders them.
Names ManyTracks(int count) {
    Names names;
    for (int g = 1; g <= 9 && int(names.size()) < count; ++g) names.push_back("group." + std::to_string(g) + ".wav");
    for (int a = 1; int(names.size()) < count; ++a) names.push_back("Al-Baqara." + PadKey(std::to_string(a)) + ".wav");
    return names;
}

QStringList Lines(const QByteArray& text) {
    QStringList lines = QString::fromUtf8(text).split(QString::fromLatin1(TocWriter::LineEnd()));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // after the last line end
    return lines;
}

}  // namespace

class TestTocWriter : public QObject {
    Q_OBJECT
private slots:
    void titles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stripped");
        QTest::addColumn<QString>("title");
        QTest::newRow("group") << "group.12.wav" << "group.12" << "group.12";
        QTest::newRow("aya") << "An-Nas.006.wav" << "An-Nas.006" << "An-Nas.006";
        QTest::newRow("no dot") << "track" << "track" << "track";
        QTest::newRow("folder") << "./temp/Al-Fatiha.001.wav" << "./temp/Al-Fatiha.001" << "Al-Fatiha.001";
        QTest::newRow("backslash") << "C:\\temp\\\\group.1.wav" << "C:\\temp\\\\group.1" << "group.1";
        // The extension goes first, so a dot in a folder name cuts there.
        QTest::newRow("dotted folder") << "a.b/c" << "a" << "a";
    }

    void titles() {
        QFETCH(QString, name);
        QFETCH(QString, stripped);
        QFETCH(QString, title);
        QCOMPARE(QString::fromStdString(StripExtension(name.toStdString())), stripped);
        QCOMPARE(QString::fromStdString(TrackTitle(name.toStdString())), title);
    }

    void linesFollowTheFormatExactly() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("temp");
        QVERIFY(QDir().mkpath(folder));
        const QString toc = dir.filePath("temp.toc");
        TocWriter writer;
        QVERIFY(writer.Write(toc, {"group.2.wav", "group.1.wav", "Al-Fatiha.001.wav"}, folder));

        const QByteArray text = testenv::readFile(toc);
        const QString end = QString::fromLatin1(TocWriter::LineEnd());
    #ifdef Q_OS_WIN
        QCOMPARE(end, QStringLiteral("\r\n"));
    #else
        QCOMPARE(end, QStringLiteral("\n"));
        QVERIFY(!text.contains('\r'));
    #endif
        QVERIFY(text.endsWith(end.toLatin1() + end.toLatin1()));  // the last track's empty line

        const QString file = QDir::toNativeSeparators(QDir(folder).absolutePath()) + QDir::separator() + QDir::separator();
        auto track = [&](const QString& title, const QString& name) {
            return QStringList{"TRACK AUDIO", "CD_TEXT {LANGUAGE 0 {TITLE \"" + title + "\" PERFORMER \"Temmar\"}}",
                               "FILE \"" + file + name + "\" 00:00:00", ""};
        };
        QStringList expected{"CD_DA", "CD_TEXT {LANGUAGE_MAP {0: 9} LANGUAGE 0 {TITLE \"Quran\" PERFORMER \"Temmar\"}}", ""};
        expected << track("group.2", "group.2.wav") << track("group.1", "group.1.wav")
                 << track("Al-Fatiha.001", "Al-Fatiha.001.wav");
        QCOMPARE(Lines(text), expected);
    }

    void cdrdaoReadsTheDisc_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("single ayas") << "temp" << 0 << QStringList{"Al-Fatiha.001.wav", "Al-Baqara.255.wav"};
        QTest::newRow("groups then ayas") << "temp" << 0
                                          << QStringList{"group.2.wav", "group.1.wav", "group.100.wav", "An-Nas.006.wav"};
        QTest::newRow("folder with blanks") << "my quran/temp folder" << 0 << QStringList{"group.1.wav", "Yusuf.004.wav"};
        QTest::newRow("99 tracks") << "temp" << 99 << QStringList{};
    }

    void cdrdaoReadsTheDisc() {
        QFETCH(QString, subfolder);
        QFETCH(int, count);
        QFETCH(QStringList, names);
        Names tracks = count ? ManyTracks(count) : Names{};
        for (const QString& n : names) tracks.push_back(n.toStdString());

        QTemporaryDir dir;
        const QString folder = dir.filePath(subfolder);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(MakeTrackFiles(folder, tracks));
        const QString toc = dir.filePath("temp.toc");
        TocWriter writer;
        QVERIFY2(writer.Write(toc, tracks, folder), qPrintable(writer.LastError()));
        const int n = int(tracks.size());

        const testenv::RunResult info = testenv::run("cdrdao", {"toc-info", toc});
        QVERIFY2(info.exitCode == 0, info.err.constData());
        QVERIFY2(info.out.contains(QByteArray::number(n) + " tracks,"), info.out.constData());
        QVERIFY(!info.err.contains("WARNING"));

        // Through the runner, as a burn reads it: one track marker per track, no refusal.
        ProcessWrap runner;
        QSignalSpy marks(&runner, &ProcessWrap::ProcessMsg);
        QSignalSpy refusals(&runner, &ProcessWrap::ErrorWritten);
        runner.RunCommand({"cdrdao", "read-test", toc});
        QVERIFY2(runner.LastRunSucceeded(), qPrintable(runner.GetText().join('\n')));
        QCOMPARE(marks.count(), n);
        QCOMPARE(refusals.count(), 0);
        QVERIFY(!runner.GetText().filter("Writing track " + QString::number(n).rightJustified(2, '0')).isEmpty());

        // The CD-TEXT as cdrdao parsed it: disc performer / title, then one title per track.
        const testenv::RunResult cddb = testenv::run("toc2cddb", {toc});
        QCOMPARE(cddb.exitCode, 0);
        const QString out = QString::fromUtf8(cddb.out);
        QVERIFY2(out.contains("\nDTITLE=Temmar / Quran\n"), qPrintable(out));
        for (int i = 0; i < n; ++i) {
            const QString line = QString("\nTTITLE%1=%2\n").arg(i).arg(QString::fromStdString(TrackTitle(tracks[i])));
            QVERIFY2(out.contains(line), qPrintable(line));
        }
        QVERIFY(!out.contains(QString("TTITLE%1=").arg(n)));
    }

    void longFolderPathIsWrittenWhole() {
        // The longest path cdrdao reads whole is 1999 bytes; one more is refused.
        QTemporaryDir dir;
        const std::string name = "group.1.wav";
        QString folder = dir.path();
        while (folder.size() + 2 + int(name.size()) + 200 < 1999) folder += "/" + QString(199, QChar('d'));
        folder += "/" + QString(1999 - folder.size() - 3 - int(name.size()), QChar('e'));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(MakeTrackFiles(folder, {name}));
        const QString toc = dir.filePath("temp.toc");
        TocWriter writer;
        QVERIFY2(writer.Write(toc, {name}, folder), qPrintable(writer.LastError()));
        const QString path = QDir::toNativeSeparators(folder) + QDir::separator() + QDir::separator() + "group.1.wav";
        QCOMPARE(path.size(), 1999);
        const QStringList lines = Lines(testenv::readFile(toc));
        QCOMPARE(lines.value(5), "FILE \"" + path + "\" 00:00:00");
        const testenv::RunResult info = testenv::run("cdrdao", {"toc-info", toc});
        QVERIFY2(info.exitCode == 0 && info.out.contains("1 tracks,"), info.err.constData());

        const QString longer = folder + "e";
        QVERIFY(QDir().mkpath(longer));
        QVERIFY(MakeTrackFiles(longer, {name}));
        QVERIFY(!writer.Write(toc, {name}, longer));
        QVERIFY(writer.LastError().contains("2000 bytes long"));
    }

    void textCdrdaoWouldMisreadIsRefused_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QString>("badName");
        QTest::addColumn<QString>("reason");
        QTest::newRow("quote in folder") << "say \"hi\"" << "" << "double quote";
        QTest::newRow("quote in name") << "temp" << "a\"b.wav" << "double quote";
        QTest::newRow("line break in folder") << "two\nlines" << "" << "control character";
    #ifndef Q_OS_WIN
        QTest::newRow("octal escape in folder") << "a\\101" << "" << "backslash followed by a digit";
    #endif
        // cdrdao cuts longer strings short and then looks for some other file.
        QTest::newRow("longer than cdrdao reads") << QString(2100, QChar('d')) << "" << "more than the 1999";
    }

    void textCdrdaoWouldMisreadIsRefused() {
        QFETCH(QString, subfolder);
        QFETCH(QString, badName);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Names tracks{"group.2.wav"};
        // A good first track does not hide a bad second one.
        if (!badName.isEmpty()) tracks.push_back(badName.toStdString());
        const QString toc = dir.filePath("temp.toc");
        TocWriter writer;
        QVERIFY(!writer.Write(toc, tracks, dir.filePath(subfolder)));
        QVERIFY2(writer.LastError().contains(reason), qPrintable(writer.LastError()));
        QVERIFY(writer.LastError().contains(badName.isEmpty() ? subfolder : badName.section('.', 0, -2)));
        QVERIFY(!QFile::exists(toc));
    }

    void failedWriteIsReported() {
        QTemporaryDir dir;
        TocWriter writer;
        QVERIFY(!writer.Write(dir.filePath("missing/temp.toc"), {"group.1.wav"}, dir.path()));
        QVERIFY(writer.LastError().contains("missing/temp.toc"));

        // A refused table leaves the file of an earlier burn as it was.
        const QString toc = dir.filePath("temp.toc");
        QVERIFY(testenv::writeFile(toc, "old"));
        QVERIFY(!writer.Write(toc, {"a\"b.wav"}, dir.path()));
        QCOMPARE(testenv::readFile(toc), QByteArray("old"));
        QVERIFY(writer.Write(toc, {"group.1.wav"}, dir.path()));
        QVERIFY(testenv::readFile(toc).startsWith("CD_DA"));
        QVERIFY(writer.LastError().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTocWriter)
#include "test_tocwriter.moc"
