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
    int groupPause = 0;          // a group's seconds of silence after each pass
    bool buildUp = false;        // a group played in build-up stages
    std::string wavName;         // "group.3.wav" or "Al-Baqara.255.wav"

    // The CD-TEXT title and MP3 base name: the WAV name without its extension.
    std::string Title() const;
};

// Entries with a group number of 1 or more form group tracks; every other
// entry (group 0, or a negative number from a hand-edited playlist) is a
// single-aya track. A group whose repetitions are missing or below 1 plays
// once, as the total time counts it. A single-aya entry whose keys are not
// well formed gets an empty wavName (see EntryProblem).
std::vector<PlannedTrack> PlanTracks(const std::vector<saya>& burnList, const std::map<int, int>& groupReps);

// The number of tracks PlanTracks makes, counted without building them.
int CountTracks(const std::vector<saya>& burnList);

// Why an entry cannot be turned into files, or empty when it can: both keys
// must be three digits and the sura one of the 114. Names built from a
// checked entry never leave the folder they are meant for.
std::string EntryProblem(const saya& entry);

// How often an entry's aya plays within its block: its repetitions, at least once.
int PlayCount(const saya& entry);
// Seconds of silence after each repetition; a negative pause counts as none.
int PauseSeconds(const saya& entry);
