// The settings store: how the file is read, that what is written reads
// back, and that a failed write never damages the file on disk.

#include "settings/qinifile.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

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
        QTest::newRow("bracket inside a header") << QByteArray("[a[b]\nk=v\n") << "a" << "k" << "v";
        QTest::newRow("CR LF") << QByteArray("[cd]\r\ndevice=4\r\n") << "cd" << "device" << "4";
        QTest::newRow("before any header") << QByteArray("x=1\n[cd]\nx=2\n") << "" << "x" << "1";
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

    void writesReadBackAndKeepComments() {
        QVERIFY(writeFile(path(), "[dir]\nzeta=1\n; a note\nmp3dir=/old\n"));
        QIniFile ini(path());
        QVERIFY(ini.WriteString("cd", "device", "1"));
        QVERIFY(ini.WriteString("dir", "mp3dir", "/new"));
        QVERIFY(ini.WriteInt("cd", "speed", -4));
        QIniFile again(path());
        QCOMPARE(again.ReadString("dir", "mp3dir"), QString("/new"));
        QCOMPARE(again.ReadInt("cd", "device"), 1);
        QCOMPARE(again.ReadInt("cd", "speed"), -4);
        QCOMPARE(again.ReadInt("dir", "zeta"), 1);
        QVERIFY(readFile(path()).contains("[dir]\n; a note\n"));

        QIniFile fresh(path("absent.ini"));
        QVERIFY(fresh.ReadString("dir", "mp3dir").isNull());
        QVERIFY(fresh.WriteInt("cd", "device", 2));
        QCOMPARE(QIniFile(path("absent.ini")).ReadInt("cd", "device"), 2);
    }

    // The file cannot be opened for writing (its folder is a regular file,
    // or a folder stands where it should be), or the write fails half-way
    // (the file-size limit stands in for a full disk). The value stays in
    // memory, the old file stays whole, and no temporary file is left.
    void failedWriteLeavesOldFileWhole() {
        QVERIFY(writeFile(path("plain"), "not a folder"));
        QIniFile underFile(path("plain") + "/norvane.ini");
        QVERIFY(!underFile.WriteString("dir", "mp3dir", "/music"));
        QCOMPARE(underFile.ReadString("dir", "mp3dir"), QString("/music"));
        QVERIFY(QDir(dir.path()).mkpath("folder.ini/inside"));
        QVERIFY(!QIniFile(path("folder.ini")).WriteInt("cd", "device", 2));
        QVERIFY(QFileInfo(path("folder.ini/inside")).isDir());

        const QByteArray old = "[cd]\ndevice=1\n\n[dir]\nmp3dir=/a/long/enough/folder/name\n";
        QVERIFY(writeFile(path(), old));
        QIniFile ini(path());
        bool written = true;
        {
            const libfixtures::FileSizeLimit limit(16);
            QVERIFY(limit.ok());
            written = ini.WriteInt("cd", "device", 7);
        }
        QVERIFY(!written);
        QCOMPARE(readFile(path()), old);
        QCOMPARE(ini.ReadInt("cd", "device"), 7);
        QCOMPARE(QDir(dir.path()).entryList({"norvane.ini*"}, QDir::Files | QDir::Hidden), QStringList{"norvane.ini"});
        // Once writing works again the next change goes through.
        QVERIFY(ini.WriteInt("cd", "device", 8));
        QCOMPARE(QIniFile(path()).ReadInt("cd", "device"), 8);
    }
};

QTEST_GUILESS_MAIN(TestQIniFile)
#include "test_qinifile.moc"
