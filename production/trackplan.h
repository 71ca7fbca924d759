#pragma once
// Which tracks a burn list makes, in disc order: one per group (ordered by
// the position of each group's first member), then one per aya in no group.

#include "burnlist/saya.h"

#include <map>
#include <string>
#include <vector>

struct PlannedTrack {
    int group = 0;               // 0: a single-aya track
    std::vector<saya> members;   // in burn-list order; exactly one for a single-aya track
    int passes = 1;              // how often the group plays; 1 for a single aya
    std::string wavName;         // "group.3.wav" or "Al-Baqara.255.wav"

    // The CD-TEXT title and MP3 base name: the WAV name without its extension.
    std::string Title() const;
};

std::vector<PlannedTrack> PlanTracks(const std::vector<saya>& burnList, const std::map<int, int>& groupReps);

// The number of tracks PlanTracks makes, counted without building them.
int CountTracks(const std::vector<saya>& burnList);
