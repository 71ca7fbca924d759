#pragma once
// Reading cdrdao's output when it looks for CD writers or blanks a disc.

#include <QString>
#include <QStringList>
#include <vector>

// One CD writer found by the bus scan.
struct DriveEntry {
    QString letter;   // the drive letter of the classic form (E); empty for a device path
    QString address;  // what goes after --device: a SCSI address (1,0,0) or a path (/dev/sr0)
    QString label;    // what the drive list shows: "E:" or "/dev/sr0 (VENDOR MODEL)"
};

// The writers listed in `lines` (the output of "cdrdao scanbus"), in output
// order. Two forms count, each only at the very start of a line:
//   E:|1,0,0 ...                      drive letter and SCSI address
//   /dev/sr0 : VENDOR , MODEL , REV   a device path, as cdrdao prints it on Linux
std::vector<DriveEntry> ParseScanOutput(const QStringList& lines);

// The first line that begins with "ERROR" (how cdrdao reports a failure),
// trimmed; empty when there is none.
QString FirstErrorLine(const QStringList& lines);

// True when any line begins with "ERROR": how a failed blank shows.
bool EraseFailed(const QStringList& lines);
