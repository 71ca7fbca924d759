#pragma once
// Adding many ayas in one go, as the window's "Add all ayas" and
// norvane-make plan do: the same list, and the same groups, from both.

#include "burnlist/burnlist.h"
#include "library/ayakey.h"
#include "tools/problem.h"

#include <optional>
#include <vector>

// How each added aya plays.
struct AyaSettings {
    int reps = 1;
    int pause = 0;
    int lengthPauseQuarters = 0;
};

// How each group made from a run plays.
struct GroupSettings {
    int reps = 1;
    int pause = 0;
    bool buildUp = false;
};

// The group numbers (1..100) that no listed entry uses, lowest first.
std::vector<int> FreeGroups(const BurnListCore& core);

// Adds the ayas of every run, each in burn-key order, skipping without a
// word those already listed. With group settings, the newly added ayas of
// each run become a group of their own under the next free group number;
// a run that adds nothing takes no number. When there are fewer free
// numbers than such runs, nothing is added and the problem says so.
Problem AddAyaRuns(BurnListCore& core, const std::vector<std::vector<AyaKey>>& runs, const AyaSettings& ayas,
                   const std::optional<GroupSettings>& groups = std::nullopt);
