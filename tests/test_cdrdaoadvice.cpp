// Which failure (and so which advice) cdrdao's output shows. The outputs are
// what cdrdao 1.2.4 printed here (doc/cdrdao-messages.md) or, for failures
// that need a real writer, its texts from the binary around such lines.

#include "production/cdrdaoadvice.h"

#include <QtTest>

namespace {

const QString kBanner = "Cdrdao version 1.2.4 - (C) Andreas Mueller <andreas@daneb.de>";
const QString kUseDevice = "ERROR: Please use option '--device {[proto:]bus,id,lun}|device', e.g. --device 0,6,0, "
                           "--device ATA:0,0,0 or --device /dev/cdrom";
const QString kNoRealTime = "WARNING: No super user permission to setup real time scheduling.";

QStringList OpenFailed(const QString& reason) {
    return {kBanner, "ERROR: Unable to open SCSI device /dev/sr0: " + reason + ".", kUseDevice,
            "ERROR: Cannot setup device /dev/sr0."};
}

}  // namespace

class TestCdrdaoAdvice : public QObject {
    Q_OBJECT
private slots:
    void failureOfOutput_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("failure");
        using F = CdrdaoFailure;
        QTest::newRow("no disc") << QStringList{kBanner, kNoRealTime, "Unit not ready, still trying...",
                                                "ERROR: Unit not ready, giving up."} << int(F::NoDisc);
        QTest::newRow("medium not present") << QStringList{kBanner, "Additional sense indicates: Medium not present"}
                                            << int(F::NoDisc);
        QTest::newRow("written disc") << QStringList{kBanner, "Disk seems to be written - hit return to reload disk.",
                                                     "ERROR: Inserted disk is not empty and not appendable."}
                                      << int(F::DiscNotBlank);
        QTest::newRow("typo of the binary") << QStringList{"ERROR: Medium in recorder device is not emptyand not appendable."}
                                            << int(F::DiscNotBlank);
        QTest::newRow("blank refused") << QStringList{kBanner, "Blanking disk...",
                                                      "ERROR: /dev/null: SCSI command Blank (0xa1) failed: Inappropriate ioctl for device.",
                                                      "ERROR: Cannot erase CD-RW.", "ERROR: Blanking failed."}
                                       << int(F::DiscNotBlank);
        QTest::newRow("too long") << QStringList{kBanner, kNoRealTime,
                                                 "ERROR: Length of toc (85:02:00, 382650 blocks) exceeds capacity of "
                                                 "CD-R (79:59:74, 359849 blocks).",
                                                 "ERROR: Please use option '--overburn' to startrecording anyway."}
                                  << int(F::DiscTooSmall);
        QTest::newRow("permission") << OpenFailed("Permission denied") << int(F::NoPermission);
        QTest::newRow("busy") << OpenFailed("Device or resource busy") << int(F::DriveBusy);
        QTest::newRow("no cd-text") << QStringList{"Using driver: Generic SCSI-3/MMC - Version 2.0 (options 0x0010)",
                                                   "ERROR: Cannot write CD-TEXT data because the 96 byte raw P-W "
                                                   "sub-channel data mode is not supported.", "ERROR: Writing failed."}
                                    << int(F::NoCdText);
        QTest::newRow("under-run") << QStringList{"Turning BURN-Proof on", "Writing track 01 (mode AUDIO/AUDIO )...",
                                                  "Wrote 310 of 602 MB (Buffer  12%).",
                                                  "ERROR: Writing failed - buffer under run?"} << int(F::WriteFailed);
        QTest::newRow("write data") << QStringList{"ERROR: Write data failed.", "ERROR: Writing failed."}
                                    << int(F::WriteFailed);
        // Failures outside the table: the caller shows cdrdao's own line.
        QTest::newRow("no such device") << OpenFailed("No such file or directory") << int(F::None);
        QTest::newRow("short track") << QStringList{kBanner, "WARNING: Track 1: Length is shorter than 4 seconds.",
                                                    "ERROR: Toc file \"short.toc\" is inconsistent."} << int(F::None);
        QTest::newRow("success") << QStringList{kBanner, kNoRealTime, "Starting write at speed 4...",
                                                "Writing CD-TEXT lead-in...", "Writing finished successfully."}
                                 << int(F::None);
        QTest::newRow("nothing") << QStringList{} << int(F::None);
    }

    void failureOfOutput() {
        QFETCH(QStringList, lines);
        QFETCH(int, failure);
        QCOMPARE(int(FindCdrdaoFailure(lines)), failure);
        const QString advice = CdrdaoAdvice(lines);
        QCOMPARE(advice.isEmpty(), failure == int(CdrdaoFailure::None));
        QVERIFY2(!advice.contains('<') && !advice.contains("ERROR"), qPrintable(advice));
    }
};

QTEST_GUILESS_MAIN(TestCdrdaoAdvice)
#include "test_cdrdaoadvice.moc"
