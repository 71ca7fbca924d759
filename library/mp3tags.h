#pragma once
// The audio of an MP3 file without its tags. Per-aya recordings often carry
// ID3 tags with a cover picture of megabytes in every file; a pack keeps
// only what plays.

#include <vector>

// The bytes without leading ID3v2 tags and trailing APEv2 and ID3v1 tags.
// A tag whose declared size runs past the file is no tag and stays.
std::vector<char> StripMp3Tags(std::vector<char> bytes);
