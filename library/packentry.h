#pragma once
// Single recordings taken out of the installed sura packs as files, for the
// tools that work on files (lame, joinwav) and for MP3 sets.

#include "tools/problem.h"

#include <string>
#include <vector>

class Quran;

// The sura key of a pack entry name: its file-name part up to the first dot
// ("002.255.mp3" -> "002").
std::string SuraKeyOf(const std::string& name);

// The bytes of the pack entry `name`, checked against the pack's checksum,
// from the pack that holds it (silence.mp3: the pack of the first
// available sura). Nothing when it fails.
Problem ReadPackEntry(Quran& quran, const std::string& name, std::vector<char>* bytes);

// Writes the pack entry `name` into the file dir + name (or dir + fileName
// when one is given), activating the pack that holds it (silence.mp3: the
// pack of the first available sura). Fails when the entry is missing,
// empty or damaged, when its pack cannot be read, when the name is not a
// bare file name, or when the file cannot be written; then no file is left
// at the path.
Problem WritePackEntry(Quran& quran, const std::string& name, const std::string& dir,
                       const std::string& fileName = std::string());
