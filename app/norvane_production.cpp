// Making tracks and MP3 sets.
#include "app/norvane.h"

// NOT BUILT YET: track preparation and MP3 sets.
void Norvane::WriteMP3(std::string, std::string) {}
void Norvane::MakeMP3() {}
void Norvane::PrepareTracks(bool) {}
