#pragma once
// Turns the failures of cdrdao that a user can do something about into a
// sentence or two of advice, in place of cdrdao's own ERROR line.

#include <QString>
#include <QStringList>

// The known failures, one per row of the advice table (two for a device
// that cannot be opened).
enum class CdrdaoFailure {
    None,
    NoDisc,         // no disc in the drive, or the tray is open
    DiscNotBlank,   // the disc is written and cannot be appended to or erased
    DiscTooSmall,   // the tracks are longer than the disc holds
    NoPermission,   // the device cannot be opened for lack of rights
    DriveBusy,      // the device is held by another program
    NoCdText,       // the drive cannot write CD-TEXT
    WriteFailed,    // writing broke off (buffer under-run and the like)
};

// The failure shown by the first line of cdrdao's output that shows a known
// one; None when no line does.
CdrdaoFailure FindCdrdaoFailure(const QStringList& outputLines);

// The advice for the first line of cdrdao's output that shows a known
// failure; empty when no line does (the caller then shows cdrdao's own line).
QString CdrdaoAdvice(const QStringList& outputLines);
