// Which failure (and so which advice) cdrdao's output shows. The outputs are
// what cdrdao 1.2.4 printed here (doc/cdrdao-messages.md) or, for failures
// that need a real writer, its texts from the binary around such lines.

#include "production/cdrdaoadvice.h"

#include <QtTest>

namespace {

QStringList OpenFailed(const QString& reason) {
    return {"Cdrdao version 1.2.4 - (C) Andreas Mueller <andreas@daneb.de>",
            "ERROR: Unable to open SCSI device /dev/sr0: " + reason + ".",
            "ERROR: Please use option '--device {[proto:]bus,id,lun}|device', e.g. --device 0,6,0, "
            "--device ATA:0,0,0 or --device /dev/cdrom",
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
        QTest::newRow("no disc") << QStringList{"ERROR: Unit not ready, giving up."} << int(F::NoDisc);
        QTest::newRow("written disc") << QStringList{"Disk seems to be written - hit return to reload disk.",
                                                     "ERROR: Inserted disk is not empty and not appendable."}
                                      << int(F::DiscNotBlank);
        QTest::newRow("blank refused") << QStringList{"Blanking disk...", "ERROR: Cannot erase CD-RW.",
                                                      "ERROR: Blanking failed."} << int(F::DiscNotBlank);
        QTest::newRow("too long") << QStringList{"ERROR: Length of toc (85:02:00, 382650 blocks) exceeds capacity of "
                                                 "CD-R (79:59:74, 359849 blocks).",
                                                 "ERROR: Please use option '--overburn' to startrecording anyway."}
                                  << int(F::DiscTooSmall);
        QTest::newRow("permission") << OpenFailed("Permission denied") << int(F::NoPermission);
        QTest::newRow("busy") << OpenFailed("Device or resource busy") << int(F::DriveBusy);
        QTest::newRow("no cd-text") << QStringList{"ERROR: Cannot write CD-TEXT data because the 96 byte raw P-W "
                                                   "sub-channel data mode is not supported.", "ERROR: Writing failed."}
                                    << int(F::NoCdText);
        QTest::newRow("under-run") << QStringList{"ERROR: Writing failed - buffer under run?"} << int(F::WriteFailed);
        // Lines of a good burn and of failures outside the table (the caller
        // then shows cdrdao's own line) match no row.
        QTest::newRow("noise") << OpenFailed("No such file or directory") + QStringList{
            "WARNING: No super user permission to setup real time scheduling.", "Unit not ready, still trying...",
            "Writing CD-TEXT lead-in...", "Writing finished successfully.",
            "ERROR: Toc file \"short.toc\" is inconsistent."} << int(F::None);
    }

    void failureOfOutput() {
        QFETCH(QStringList, lines);
        QFETCH(int, failure);
        QCOMPARE(int(FindCdrdaoFailure(lines)), failure);
        QCOMPARE(CdrdaoAdvice(lines).isEmpty(), failure == int(CdrdaoFailure::None));
    }
};

QTEST_GUILESS_MAIN(TestCdrdaoAdvice)
#include "test_cdrdaoadvice.moc"
