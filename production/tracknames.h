#pragma once
// Name helpers shared by track preparation, the table of contents and the
// burn progress: track files are named "<title>.wav" (group.3.wav,
// Al-Baqara.255.wav) and their CD-TEXT title is that name without extension.

#include <string>

// The part of a name before its last "."; the whole text if it has none.
std::string StripExtension(const std::string& name);

// The title of a track file: its extension removed, then any folder part
// ("./temp/group.3.wav" -> "group.3").
std::string TrackTitle(const std::string& trackName);
