#pragma once
// The names of a track job's working files, all directly in the job's own
// folder (see Locations): each running program has one, so two can work
// at once and the leftovers of a killed one are known by its gone process.
// A recording NAME (an aya key, an aya's translation, "silence",
// "basmala") is decoded out of its pack into NAME.wav and, at another
// speed, stretched into NAME.speed.wav; a track is joined into its WAV
// name from the list WAVNAME.list.

#include "production/trackplan.h"

#include <QString>
#include <string>

namespace JobFiles {

// The job's folder, ending in a separator.
QString Folder();
// A file directly in it: "./temp/002.255.mp3".
QString File(const QString& name);
// Where a finished track WAV lies: the folder, one more separator, the bare
// name ("./temp//group.1.wav"); the doubled separator is harmless and kept
// for the tables of contents written before.
QString TrackPath(const std::string& wavName);
QString JoinList(const std::string& wavName);

QString Decoded(const QString& recording);    // NAME.wav
QString Stretched(const QString& recording);  // NAME.speed.wav
// The recording name of an aya's translation: "002.255.translation".
QString Translated(const QString& ayaKey);
// The WAV a recording is joined from.
QString Played(const QString& recording, bool stretched);

// Removes the working files of one recording.
void RemoveRecording(const QString& recording);
// Removes the working files of a track: its members' recordings, their
// translations, its join list, and its WAV unless `keepWav`.
void RemoveTrack(const PlannedTrack& track, bool keepWav);

}  // namespace JobFiles
