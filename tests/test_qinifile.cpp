// The settings store: how the file is read, that what is written reads
// back, and that a failed write never damages the file on disk.

#include "settings/qinifile.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QtTest>
#include <optional>

using testenv::readFile;
using testenv::writeFile;

class TestQIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name = "norvane.ini") const { return dir.filePath(name); }

private slots:
    void reads() {
        // File text, section, key, and the value read (null: not found).
        const QList<std::tuple<QByteArray, QString, QString, QString>> rows{
            {"[cd]\ndevice=3\n", "CD", "device", QString()},  // case counts, in sections
            {"[cd]\ndevice=3\n", "cd", "Device", QString()},  // and in keys
            // Leading blanks go; those next to "=" and at the end stay in key and value.
            {"[cd]\n  device = 1  \n", "cd", "device ", " 1  "},
            {"[a[b]\nk=v\n", "a", "k", "v"},
            {"[cd]\r\ndevice=4\r\n", "cd", "device", "4"},
            {"x=1\n[cd]\nx=2\n", "", "x", "1"},  // lines before any header
            // Byte-order marks at a line's start go with the blanks, wherever they stand.
            {"\xEF\xBB\xBF[cd]\ndevice=5\n", "cd", "device", "5"},
            {" \xEF\xBB\xBF[cd]\nk=v\n", "cd", "k", "v"},
            {"[cd]\n\xEF\xBB\xBF \xEF\xBB\xBF device=6\n", "cd", "device", "6"},
        };
        for (const auto& [text, section, key, value] : rows) {
            QVERIFY(writeFile(path(), text));
            const QIniFile ini(path());
            QVERIFY2(ini.ReadString(section, key) == value && ini.ReadString(section, key).isNull() == value.isNull() &&
                         ini.ReadInt(section, key) == value.toInt(),
                     text.constData());
        }
    }

    // What the store writes reads back the same, and rewriting it changes no
    // byte: "=" and blanks inside values and section names included.
    void writesReadBackAndKeepComments() {
        // A line with no key is a comment; carriage returns are no part of a value.
        QVERIFY(writeFile(path(), "[dir]\nzeta=1\n; a note\n=x=1\nmp3dir=/old\nend=1\r\r"));
        // Section, key, value.
        const QList<std::tuple<QString, QString, QString>> rows{
            {"cd", "device", "1"}, {"dir", "mp3dir", "/home/u/a=b"}, {"cd", "label", "two blanks  "},
            {"a=b", "k", "=v= "}, {"a=b", "d ", " e"}};
        QIniFile ini(path());
        for (const auto& [section, key, value] : rows) QVERIFY(ini.WriteString(section, key, value));
        const QByteArray written = readFile(path());
        QIniFile again(path());
        QVERIFY(again.WriteFile() && readFile(path()) == written);
        for (const auto& [section, key, value] : rows) QCOMPARE(again.ReadString(section, key), value);
        QVERIFY(again.ReadInt("dir", "zeta") == 1 && written.contains("[dir]\n; a note\n=x=1\n"));
        QVERIFY(QIniFile(path("absent.ini")).WriteInt("cd", "device", 2));
        QCOMPARE(QIniFile(path("absent.ini")).ReadInt("cd", "device"), 2);
    }

    // A folder stands where the file should be, or the write fails half-way
    // (the file-size limit stands in for a full disk). The value stays in
    // memory, the old file stays whole, and no temporary file is left.
    void failedWriteLeavesOldFileWhole() {
        QVERIFY(QDir(dir.path()).mkpath("folder.ini/inside"));
        QVERIFY(!QIniFile(path("folder.ini")).WriteInt("cd", "device", 2));
        const QByteArray old = "[cd]\ndevice=1\n\n[dir]\nmp3dir=/a/long/enough/folder/name\n";
        QVERIFY(writeFile(path(), old));
        QIniFile ini(path());
        std::optional<libfixtures::Limit> limit(std::in_place, RLIMIT_FSIZE, 16);
        QVERIFY(limit->ok());
        const bool written = ini.WriteInt("cd", "device", 7);
        limit.reset();
        QVERIFY(!written && ini.ReadInt("cd", "device") == 7);
        QCOMPARE(readFile(path()), old);
        const QStringList left = QDir(dir.path()).entryList({"norvane.ini*", "folder.ini*"}, QDir::Files);
        QCOMPARE(left, QStringList{"norvane.ini"});
        // Once writing works again the next change goes through.
        QVERIFY(ini.WriteInt("cd", "device", 8));
        QCOMPARE(QIniFile(path()).ReadInt("cd", "device"), 8);
    }
};

QTEST_GUILESS_MAIN(TestQIniFile)
#include "test_qinifile.moc"
