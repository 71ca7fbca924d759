#pragma once
// The join itself: every input read (any format libsndfile reads, mono or
// stereo), converted to 44.1 kHz, stretched to the speed, the length pauses
// made, and written as one CD-format WAV that replaces the output only when
// complete.

#include "joinwav/options.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The frames the join writes, worked out from the inputs' headers before
// any audio is read; else why the join cannot be made. A join too long for
// a WAV file fails here, before it has written gigabytes.
std::string PlanJoin(const JoinRequest& request, int64_t* frames);

// Empty when the output is written, else why not (naming the file).
std::string Join(const JoinRequest& request);

// The audio one input adds to a join at `speedPercent` (100: as recorded),
// sample for sample: 44.1 kHz, 16-bit, stereo, interleaved. The input is a
// whole sound file held in memory, named `name` in the reason it cannot be
// read. The player hears through this what a joined track holds.
std::string CdAudioOf(const std::string& name, const char* soundFile, size_t size, int speedPercent,
                      std::vector<short>* stereo);
