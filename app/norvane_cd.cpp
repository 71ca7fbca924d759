// Making an audio CD: the table of contents, the writer run and its progress.
#include "app/norvane.h"

// NOT BUILT YET: the audio CD.
void Norvane::MakeCD() {}
void Norvane::CreateTOC(QString) {}
void Norvane::ProcessMsg() {}
void Norvane::ErrorWritten() {}
