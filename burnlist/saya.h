#pragma once
// One burn-list entry: an aya of a sura, how often it plays, the silence
// after each repetition, and its group (0 for none) with how it plays.

#include <string>

struct saya {
    std::string sura;  // sura key, "001".."114"
    std::string aya;   // aya key, "001".."286"
    int pause = 0;     // seconds of silence after each repetition
    int reps = 0;      // how many times the aya plays
    int group = 0;     // 0: in no group; 1..100 when assigned
    // The pause after each repetition grows by this many quarters of the
    // aya's own playing length (0..12: 0 to 3 times), time to recite it back.
    int lengthPauseQuarters = 0;
    // Of a group, alike on all its members: seconds of silence after each
    // pass, and whether it plays in build-up stages (aya 1; 1-2; 1-3; ...).
    int groupPause = 0;
    bool buildUp = false;

    // The burn key, sura + "." + aya (002.255): names the entry and orders the list.
    std::string Key() const { return sura + "." + aya; }
    bool operator<(const saya& other) const { return Key() < other.Key(); }
};
