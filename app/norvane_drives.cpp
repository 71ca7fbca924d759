// Finding and managing the CD writer.
#include "app/norvane.h"

// NOT BUILT YET: drive detection comes with the external-tools work.
void Norvane::DetectDrives() {}
void Norvane::FillDriveList() {}
void Norvane::CDListChanged(int) {}
void Norvane::EjectCD() {}
void Norvane::EraseCD() {}
QString Norvane::ChosenDevice() const { return QString(); }
