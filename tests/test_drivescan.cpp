// Reading the writers out of cdrdao's bus scan.

#include "production/drivescan.h"

#include <QtTest>

class TestDriveScan : public QObject {
    Q_OBJECT
private slots:
    void scan_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("drives");  // "letter|address|label"
        QTest::newRow("classic form only at the start of a line, among garbage")
            << QStringList{"E:|1,0,0 second bus", " D:|0,0,0 blank first", "F:|1,10,0 two digits", "", ":|", "E:|",
                           "E:|1,0", "\x01\x7f", "D:|0,1,0 first bus"}
            << QStringList{"E|1,0,0|E:", "D|0,1,0|D:"};
        // The first two lines are what cdrdao prints here, on a machine without a writer.
        QTest::newRow("device paths")
            << QStringList{"Cdrdao version 1.2.4 - (C) its authors",
                           "ERROR: Unable to access sysfs filesystem at /sys/bus/scsi/devices",
                           "/dev/sr0 : HL-DT-ST, DVDRAM GH24NSD1, RP09", "/dev/sr0:a,b,c",
                           "/dev/sr1 : TSSTcorp, CDDVDW SH-224DB  , SB01 ", "/dev/sr0",
                           "/dev/sg2 :         ,                 ,     ", "  /dev/sr3 : LATE, START, 0001"}
            << QStringList{"|/dev/sr0|/dev/sr0 (HL-DT-ST DVDRAM GH24NSD1)",
                           "|/dev/sr1|/dev/sr1 (TSSTcorp CDDVDW SH-224DB)", "|/dev/sg2|/dev/sg2"};
    }
    void scan() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, drives);
        QStringList found;
        for (const DriveEntry& d : ParseScanOutput(lines)) found << d.letter + "|" + d.address + "|" + d.label;
        QCOMPARE(found, drives);
    }
};

QTEST_GUILESS_MAIN(TestDriveScan)
#include "test_drivescan.moc"
