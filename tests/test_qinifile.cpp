// The settings store: how the file is read, how it is rewritten, and that a
// failed write never damages the file on disk.

#include "settings/qinifile.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using testenv::readFile;
using testenv::writeFile;

class TestQIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name = "norvane.ini") const { return dir.filePath(name); }

private slots:
    void readsSectionsCaseSensitively();
    void keepsTextOnlyUpToSecondEquals();
    void keepsBlanksBesideEquals();
    void headerNameKeepsInnerBlanks();
    void missingFileGivesEmptyStore();
    void rewritesSortedWithEmptySectionFirst();
    void writesCommentsAtStartOfTheirSection();
    void writeStringAppendsThenReplaces();
    void writeIntAndDoubleFormat();
    void readsCrLfFiles();
    void listsBySection();
    void failedOpenKeepsValueInMemory();
    void failedWriteLeavesOldFileWhole();
};

void TestQIniFile::readsSectionsCaseSensitively() {
    QVERIFY(writeFile(path(), "[cd]\ndevice=3\n"));
    QIniFile ini(path());
    QCOMPARE(ini.ReadInt("cd", "device"), 3);
    QCOMPARE(ini.ReadInt("CD", "device"), 0);
    QCOMPARE(ini.ReadInt("cd", "Device"), 0);
    QVERIFY(ini.ReadString("CD", "device").isNull());
}

void TestQIniFile::keepsTextOnlyUpToSecondEquals() {
    QVERIFY(writeFile(path(), "[dir]\nmp3dir=C:/a=b\n"));
    QIniFile ini(path());
    QCOMPARE(ini.ReadString("dir", "mp3dir"), QString("C:/a"));
}

void TestQIniFile::keepsBlanksBesideEquals() {
    QVERIFY(writeFile(path(), "[cd]\n  device = 1  \n"));
    QIniFile ini(path());
    // The line is trimmed, but the blanks next to "=" stay in key and value.
    QVERIFY(ini.ReadString("cd", "device").isNull());
    QCOMPARE(ini.ReadString("cd", "device "), QString(" 1"));
    QCOMPARE(ini.ReadInt("cd", "device "), 1);
}

void TestQIniFile::headerNameKeepsInnerBlanks() {
    QVERIFY(writeFile(path(), "[ cd ]\ndevice=2\n[a[b]\nk=v\n"));
    QIniFile ini(path());
    QCOMPARE(ini.ReadInt(" cd ", "device"), 2);
    QCOMPARE(ini.ReadInt("cd", "device"), 0);
    QCOMPARE(ini.ReadString("a", "k"), QString("v"));
}

void TestQIniFile::missingFileGivesEmptyStore() {
    QIniFile ini(path("absent.ini"));
    QVERIFY(ini.ReadString("dir", "mp3dir").isEmpty());
    QCOMPARE(ini.ReadInt("cd", "device"), 0);
    QVERIFY(ini.SectionNames().isEmpty());
    QVERIFY(ini.WriteInt("cd", "device", 1));
    QCOMPARE(readFile(path("absent.ini")), QByteArray("[cd]\ndevice=1\n"));
}

void TestQIniFile::rewritesSortedWithEmptySectionFirst() {
    QVERIFY(writeFile(path(), "x=1\n[b]\nk=2\n\n   \n[a]\nk=3\n"));
    QIniFile ini(path());
    QCOMPARE(ini.ReadString("", "x"), QString("1"));
    QVERIFY(ini.WriteFile());
    QCOMPARE(readFile(path()), QByteArray("x=1\n\n[a]\nk=3\n\n[b]\nk=2\n"));
}

void TestQIniFile::writesCommentsAtStartOfTheirSection() {
    QVERIFY(writeFile(path(), "[cd]\nzeta=1\n; first note\nalpha=2\n# second note\n[dir]\nmp3dir=/m\n"));
    QIniFile ini(path());
    QVERIFY(ini.WriteInt("cd", "zeta", 5));
    QCOMPARE(readFile(path()),
             QByteArray("[cd]\n; first note\n# second note\nalpha=2\nzeta=5\n\n[dir]\nmp3dir=/m\n"));
}

void TestQIniFile::writeStringAppendsThenReplaces() {
    QVERIFY(writeFile(path(), "[dir]\nmp3dir=/old\n"));
    QIniFile ini(path());
    QVERIFY(ini.WriteString("cd", "device", "1"));
    QCOMPARE(readFile(path()), QByteArray("[cd]\ndevice=1\n\n[dir]\nmp3dir=/old\n"));
    QVERIFY(ini.WriteString("dir", "mp3dir", "/new"));
    QCOMPARE(readFile(path()), QByteArray("[cd]\ndevice=1\n\n[dir]\nmp3dir=/new\n"));
    QCOMPARE(ini.SectionNames(), QStringList({"cd", "dir"}));

    // A second store sees what the first one wrote.
    QIniFile again(path());
    QCOMPARE(again.ReadString("dir", "mp3dir"), QString("/new"));
    QCOMPARE(again.ReadInt("cd", "device"), 1);
}

void TestQIniFile::writeIntAndDoubleFormat() {
    QIniFile ini(path("numbers.ini"));
    QVERIFY(ini.WriteInt("n", "neg", -42));
    QVERIFY(ini.WriteDouble("n", "third", 1.0 / 3));
    QVERIFY(ini.WriteDouble("n", "big", 1234567.0));
    QVERIFY(ini.WriteString("n", "word", "abc"));
    QCOMPARE(ini.ReadInt("n", "neg"), -42);
    QCOMPARE(ini.ReadInt("n", "word"), 0);
    QCOMPARE(readFile(path("numbers.ini")),
             QByteArray("[n]\nbig=1.23457e+06\nneg=-42\nthird=0.333333\nword=abc\n"));
}

void TestQIniFile::readsCrLfFiles() {
    QVERIFY(writeFile(path(), "[cd]\r\ndevice=4\r\n"));
    QIniFile ini(path());
    QCOMPARE(ini.ReadString("cd", "device"), QString("4"));
    QVERIFY(ini.WriteFile());
    QCOMPARE(readFile(path()), QByteArray("[cd]\ndevice=4\n"));
}

void TestQIniFile::listsBySection() {
    QVERIFY(writeFile(path(), "[s]\nb=2\n;note\na=1\n[t]\nc=3\n"));
    QIniFile ini(path());
    QCOMPARE(ini.SectionValues("s"), QStringList({";note", "1", "2"}));
    QCOMPARE(ini.SectionEntries("s"), QStringList({"=;note", "a=1", "b=2"}));
    QCOMPARE(ini.SectionNames(), QStringList({"s", "s", "s", "t"}));
}

// The file cannot even be opened for writing: its folder is a regular file,
// or a folder stands where the file should be.
void TestQIniFile::failedOpenKeepsValueInMemory() {
    QVERIFY(writeFile(path("plain"), "not a folder"));
    QIniFile underFile(path("plain") + "/norvane.ini");
    QVERIFY(!underFile.WriteString("dir", "mp3dir", "/music"));
    QCOMPARE(underFile.ReadString("dir", "mp3dir"), QString("/music"));
    QCOMPARE(readFile(path("plain")), QByteArray("not a folder"));

    QVERIFY(QDir(dir.path()).mkpath("folder.ini/inside"));
    QIniFile onFolder(path("folder.ini"));
    QVERIFY(!onFolder.WriteInt("cd", "device", 2));
    QCOMPARE(onFolder.ReadInt("cd", "device"), 2);
    QVERIFY(QFileInfo(path("folder.ini/inside")).isDir());
}

// The write itself fails half-way (the file size limit stands in for a full
// disk; it holds for root too). The old file must survive untouched.
void TestQIniFile::failedWriteLeavesOldFileWhole() {
    const QByteArray old = "[cd]\ndevice=1\n\n[dir]\nmp3dir=/a/long/enough/folder/name\n";
    QVERIFY(writeFile(path(), old));
    QIniFile ini(path());

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = ini.WriteInt("cd", "device", 7);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(readFile(path()), old);
    QCOMPARE(ini.ReadInt("cd", "device"), 7);
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList({"norvane.ini*"}, QDir::Files | QDir::Hidden),
             QStringList({"norvane.ini"}));

    // Once writing works again the next change goes through.
    QVERIFY(ini.WriteInt("cd", "device", 8));
    QIniFile reread(path());
    QCOMPARE(reread.ReadInt("cd", "device"), 8);
}

QTEST_GUILESS_MAIN(TestQIniFile)
#include "test_qinifile.moc"
