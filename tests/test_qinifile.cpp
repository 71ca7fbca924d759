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
    void reads_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // a null string: not found
        QTest::newRow("plain") << QByteArray("[cd]\ndevice=3\n") << "cd" << "device" << "3";
        QTest::newRow("section case") << QByteArray("[cd]\ndevice=3\n") << "CD" << "device" << QString();
        QTest::newRow("key case") << QByteArray("[cd]\ndevice=3\n") << "cd" << "Device" << QString();
        QTest::newRow("text ends at a second =") << QByteArray("[dir]\nmp3dir=C:/a=b\n") << "dir" << "mp3dir" << "C:/a";
        // The line is trimmed, but the blanks next to "=" stay in key and value.
        QTest::newRow("blanks beside =") << QByteArray("[cd]\n  device = 1  \n") << "cd" << "device " << " 1";
        QTest::newRow("key without its blank") << QByteArray("[cd]\n  device = 1  \n") << "cd" << "device" << QString();
        QTest::newRow("header keeps inner blanks") << QByteArray("[ cd ]\ndevice=2\n") << " cd " << "device" << "2";
        QTest::newRow("header trimmed is another") << QByteArray("[ cd ]\ndevice=2\n") << "cd" << "device" << QString();
        QTest::newRow("bracket inside a header") << QByteArray("[a[b]\nk=v\n") << "a" << "k" << "v";
        QTest::newRow("CR LF") << QByteArray("[cd]\r\ndevice=4\r\n") << "cd" << "device" << "4";
    }

    void reads() {
        QFETCH(QByteArray, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QVERIFY(writeFile(path(), text));
        QIniFile ini(path());
        QCOMPARE(ini.ReadString(section, key), value);
        QCOMPARE(ini.ReadString(section, key).isNull(), value.isNull());
        QCOMPARE(ini.ReadInt(section, key), value.toInt());
    }

    void missingFileGivesEmptyStore() {
        QIniFile ini(path("absent.ini"));
        QVERIFY(ini.ReadString("dir", "mp3dir").isEmpty());
        QCOMPARE(ini.ReadInt("cd", "device"), 0);
        QVERIFY(ini.SectionNames().isEmpty());
        QVERIFY(ini.WriteInt("cd", "device", 1));
        QCOMPARE(readFile(path("absent.ini")), QByteArray("[cd]\ndevice=1\n"));
    }

    void rewritesSortedWithEmptySectionFirst() {
        QVERIFY(writeFile(path(), "x=1\r\n[b]\nk=2\n\n   \n[a]\nk=3\n"));
        QIniFile ini(path());
        QCOMPARE(ini.ReadString("", "x"), QString("1"));
        QVERIFY(ini.WriteFile());
        QCOMPARE(readFile(path()), QByteArray("x=1\n\n[a]\nk=3\n\n[b]\nk=2\n"));
    }

    void writesCommentsAtStartOfTheirSection() {
        QVERIFY(writeFile(path(), "[cd]\nzeta=1\n; first note\nalpha=2\n# second note\n[dir]\nmp3dir=/m\n"));
        QIniFile ini(path());
        QVERIFY(ini.WriteInt("cd", "zeta", 5));
        QCOMPARE(readFile(path()),
                 QByteArray("[cd]\n; first note\n# second note\nalpha=2\nzeta=5\n\n[dir]\nmp3dir=/m\n"));
    }

    void writeStringAppendsThenReplaces() {
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

    void writeIntAndDoubleFormat() {
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

    void listsBySection() {
        QVERIFY(writeFile(path(), "[s]\nb=2\n;note\na=1\n[t]\nc=3\n"));
        QIniFile ini(path());
        QCOMPARE(ini.SectionValues("s"), QStringList({";note", "1", "2"}));
        QCOMPARE(ini.SectionEntries("s"), QStringList({"=;note", "a=1", "b=2"}));
        QCOMPARE(ini.SectionNames(), QStringList({"s", "s", "s", "t"}));
    }

    // The file cannot even be opened for writing: its folder is a regular file,
    // or a folder stands where the file should be.
    void failedOpenKeepsValueInMemory() {
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
    void failedWriteLeavesOldFileWhole() {
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
};

QTEST_GUILESS_MAIN(TestQIniFile)
#include "test_qinifile.moc"
