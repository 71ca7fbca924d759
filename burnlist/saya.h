#pragma once
// One burn-list entry: an aya of a sura, how often it plays, the silence
// after each repetition, and its group (0 for none).

#include <string>

struct saya {
    std::string sura;  // sura key, "001".."114"
    std::string aya;   // aya key, "001".."286"
    int pause = 0;     // seconds of silence after each repetition
    int reps = 0;      // how many times the aya plays
    int group = 0;     // 0: in no group; 1..100 when assigned

    // The burn key, sura + "." + aya (002.255): names the entry and orders the list.
    std::string Key() const { return sura + "." + aya; }
    bool operator<(const saya& other) const { return Key() < other.Key(); }
};
