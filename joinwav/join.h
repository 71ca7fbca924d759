#pragma once
// The join itself: every input read (any format libsndfile reads, mono or
// stereo), converted to 44.1 kHz, stretched to the speed, the length pauses
// made, and written as one CD-format WAV that replaces the output only when
// complete.

#include "joinwav/options.h"

#include <string>

// Empty when the output is written, else why not (naming the file).
std::string Join(const JoinRequest& request);
