// Making tracks, MP3 sets and audio CDs.
#include "app/norvane.h"

// NOT BUILT YET: production comes with the track-preparation and CD work.
void Norvane::MakeCD() {}
void Norvane::WriteMP3(std::string, std::string) {}
void Norvane::MakeMP3() {}
void Norvane::PrepareTracks(bool) {}
void Norvane::CreateTOC(QString) {}
void Norvane::ProcessMsg() {}
void Norvane::ErrorWritten() {}
