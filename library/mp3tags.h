#pragma once
// Tags a recording may carry around its audio: an ID3v2 tag in front (with
// its embedded pictures, which can weigh more than the aya), and an APEv2
// or ID3v1 tag at the end. Packs hold only the audio.

#include <vector>

// The recording without its ID3v2, APEv2 and ID3v1 tags; the bytes as they
// are when it carries none. A tag that claims more bytes than the file
// holds is left alone: what follows it cannot be told from audio.
std::vector<char> StripMp3Tags(const std::vector<char>& recording);
