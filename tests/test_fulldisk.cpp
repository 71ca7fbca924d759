// A disk that fills while a file is written whole, while a pack is written
// and while a finished file is copied to another file system: the failure
// names the file and says the disk is full (in the system's words), where
// Qt alone says "Unknown error" for the short write or "Writing canceled by
// application" once the half-written copy is dropped. The file-size limit
// stands in for the full disk: writes past it come back short.

#include "library/packarchive.h"
#include "library/savefile.h"
#include "production/publish.h"
#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr rlim_t kRoomLeft = 50000;
const QByteArray kTooMuch(100000, 'n');

// The reasons a full disk may be given in: the system's for a file-size
// limit or a full file system, or ours when the system gives none.
bool SaysTheDiskIsFull(const QString& message) {
    return message.endsWith(": File too large") || message.endsWith(": No space left on device") ||
           message.endsWith(": the disk is full");
}

}  // namespace

class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void wholeFileAndPack() {
        QString saved, packed;
        {
            libfixtures::Limit full(RLIMIT_FSIZE, kRoomLeft);
            QVERIFY(full.ok());
            saved = dir.filePath("norvane.ini") + ": " + SaveWholeFile(dir.filePath("norvane.ini"), kTooMuch);
            PackArchive pack;
            pack.AddPending(PackArchive::EntryFromBytes("001.001.mp3", testenv::toVector(kTooMuch)));
            QVERIFY(!pack.Write(dir.filePath("s001_s002.mat").toStdString()));
            packed = QString::fromStdString(pack.LastError());
        }
        QVERIFY2(SaysTheDiskIsFull(saved), qPrintable(saved));
        QVERIFY2(SaysTheDiskIsFull(packed) && packed.contains("s001_s002.mat"), qPrintable(packed));
        QCOMPARE(testenv::filesUnder(dir.path()), QStringList());
    }

    void publishedAcrossFileSystems() {
        QTemporaryDir shm("/dev/shm/norvane-test-XXXXXX");
        if (!shm.isValid() || QStorageInfo(shm.path()).device() == QStorageInfo(dir.path()).device())
            QSKIP("no second file system here");
        QVERIFY(testenv::writeFile(shm.filePath("new.mp3"), kTooMuch));
        QString why;
        {
            libfixtures::Limit full(RLIMIT_FSIZE, kRoomLeft);
            QVERIFY(full.ok());
            why = PublishFile(shm.filePath("new.mp3"), dir.filePath("Al-Fatiha.001.mp3"));
        }
        QVERIFY2(SaysTheDiskIsFull(why) && why.contains("Al-Fatiha.001.mp3"), qPrintable(why));
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "test_fulldisk.moc"
