#pragma once
// The window's icons, packed into the program's img.dat.

#include <QIcon>
#include <QPixmap>
#include <string>

// Loads an icon out of img.dat (see Locations); a null pixmap when the
// archive or the entry is missing or the bytes are no image. Needs a
// QGuiApplication, as every QPixmap does.
QPixmap LoadPackedImage(const std::string& name);

// The icon of that name with its copy for screens scaled to 200 %
// (NAME@2x.png), when img.dat holds one, so that it stays sharp there.
QIcon LoadPackedIcon(const std::string& name);
