// Reading the writers out of cdrdao's bus scan, and a failed blank out of
// its output.

#include "production/drivescan.h"

#include <QtTest>

class TestDriveScan : public QObject {
    Q_OBJECT

private slots:
    void classicLineMustStartTheLine();
    void drivesKeepOutputOrder();
    void linuxDevicePaths();
    void scanWithoutWriters();
    void eraseFailsOnlyOnLeadingError();
};

void TestDriveScan::classicLineMustStartTheLine() {
    const auto drives = ParseScanOutput({"D:|0,0,0 HL-DT-ST DVDRAM", " E:|1,0,0 blank first",
                                         "F:|1,10,0 two digits"});
    QCOMPARE(drives.size(), size_t(1));
    QCOMPARE(drives[0].letter, QString("D"));
    QCOMPARE(drives[0].address, QString("0,0,0"));
    QCOMPARE(drives[0].label, QString("D:"));
}

void TestDriveScan::drivesKeepOutputOrder() {
    const auto drives = ParseScanOutput({"E:|1,0,0 second bus", "some noise", "D:|0,1,0 first bus"});
    QCOMPARE(drives.size(), size_t(2));
    QCOMPARE(drives[0].label, QString("E:"));
    QCOMPARE(drives[0].address, QString("1,0,0"));
    QCOMPARE(drives[1].label, QString("D:"));
    QCOMPARE(drives[1].address, QString("0,1,0"));
}

void TestDriveScan::linuxDevicePaths() {
    const auto drives = ParseScanOutput({
        "Cdrdao version 1.2.4 - (C) its authors",
        "/dev/sr0 : HL-DT-ST, DVDRAM GH24NSD1, RP09",
        "/dev/sr1 : TSSTcorp, CDDVDW SH-224DB  , SB01 ",
        "/dev/sg2 :         ,                 ,     ",
        "  /dev/sr3 : LATE, START, 0001",
    });
    QCOMPARE(drives.size(), size_t(3));
    QCOMPARE(drives[0].address, QString("/dev/sr0"));
    QCOMPARE(drives[0].label, QString("/dev/sr0 (HL-DT-ST DVDRAM GH24NSD1)"));
    QVERIFY(drives[0].letter.isEmpty());
    QCOMPARE(drives[1].address, QString("/dev/sr1"));
    QCOMPARE(drives[1].label, QString("/dev/sr1 (TSSTcorp CDDVDW SH-224DB)"));
    QCOMPARE(drives[2].label, QString("/dev/sg2"));
}

void TestDriveScan::scanWithoutWriters() {
    // What cdrdao prints here, on a machine without a writer.
    QVERIFY(ParseScanOutput({"Cdrdao version 1.2.4 - (C) its authors",
                             "ERROR: Unable to access sysfs filesystem at /sys/bus/scsi/devices"})
                .empty());
    QVERIFY(ParseScanOutput({}).empty());
}

void TestDriveScan::eraseFailsOnlyOnLeadingError() {
    QVERIFY(EraseFailed({"Blanking disk...", "ERROR: Unit not ready, giving up."}));
    QVERIFY(!EraseFailed({"Blanking disk...", "Blanking finished, no ERROR found.", "  ERROR: indented"}));
    QVERIFY(!EraseFailed({"error: lower case", "Error: mixed case"}));
    QVERIFY(!EraseFailed({}));
}

QTEST_GUILESS_MAIN(TestDriveScan)
#include "test_drivescan.moc"
