#pragma once
// The MP3 bit rates and CD writing speeds the two sliders offer, by slider
// position 0..7; the window and norvane-make take their values from here.
// (A "speed" alone is the recitation speed, PlayOptions::speedPercent.)

inline constexpr int bitrateTable[8] = {8, 16, 32, 48, 64, 96, 128, 160};
inline constexpr int writingSpeedTable[8] = {1, 2, 4, 8, 16, 24, 32, 48};
inline constexpr int kDefaultBitratePosition = 4;  // 64 kbit
inline constexpr int kDefaultWritingSpeedPosition = 2;  // 4x

// The table value at a slider position, clamped to the table.
inline int BitrateAt(int position) { return bitrateTable[position < 0 ? 0 : position > 7 ? 7 : position]; }
inline int WritingSpeedAt(int position) { return writingSpeedTable[position < 0 ? 0 : position > 7 ? 7 : position]; }
