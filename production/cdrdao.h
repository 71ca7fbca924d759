#pragma once
// Everything Norvane knows of cdrdao's command line and of the phrases in
// its output that matter while it writes; reading its failures is in
// cdrdaoadvice.h and drivescan.h. Used by the window and norvane-make alike.

#include "tools/problem.h"

#include <QString>
#include <QStringList>

namespace Cdrdao {

inline const QString kProgram = QStringLiteral("cdrdao");

// Whether cdrdao can be run at all: found on the search path.
Problem CanRun();

QStringList ScanCommand();
// CD-TEXT is written only with the driver option 0x10; without it cdrdao
// drops the titles without a word.
QStringList WriteCommand(const QString& device, int writingSpeed, const QString& tocPath);
QStringList BlankCommand(const QString& device);
QStringList EjectCommand(const QString& device);
// How a user burns a prepared folder by hand.
QString WriteHint(const QString& tocPath);

// "Writing track 01 (mode AUDIO/AUDIO )...": the writer began a track.
bool StartsTrack(const QString& line);
// The disc cannot take this burn ("... to be written").
bool RefusesMedium(const QString& line);
// What the user is told then.
QString MediumRefusedNotice();

}  // namespace Cdrdao
