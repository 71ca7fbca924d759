#pragma once
// The MP3 bit rates and CD writing speeds the two sliders offer, by slider
// position 0..7; the window and norvane-make take their values from here.

inline constexpr int bitrateTable[8] = {8, 16, 32, 48, 64, 96, 128, 160};
inline constexpr int speedTable[8] = {1, 2, 4, 8, 16, 24, 32, 48};
inline constexpr int kDefaultBitratePosition = 4;  // 64 kbit
inline constexpr int kDefaultSpeedPosition = 2;    // 4x

// The table value at a slider position, clamped to the table.
inline int BitrateAt(int position) { return bitrateTable[position < 0 ? 0 : position > 7 ? 7 : position]; }
inline int SpeedAt(int position) { return speedTable[position < 0 ? 0 : position > 7 ? 7 : position]; }
