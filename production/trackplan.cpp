#include "production/trackplan.h"

#include "library/suracatalogue.h"
#include "production/tracknames.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

bool IsThreeDigits(const std::string& key) {
    return key.size() == 3 && std::all_of(key.begin(), key.end(), [](unsigned char c) { return std::isdigit(c); });
}

int GroupPasses(const std::map<int, int>& groupReps, int group) {
    const auto it = groupReps.find(group);
    return it == groupReps.end() ? 1 : std::max(1, it->second);
}

std::string SingleWavName(const saya& entry) {
    if (!EntryProblem(entry).empty()) return std::string();
    return SuraTitle(entry.sura) + "." + entry.aya + ".wav";
}

}  // namespace

std::string PlannedTrack::Title() const { return StripExtension(wavName); }

std::string EntryProblem(const saya& entry) {
    if (!IsThreeDigits(entry.sura)) return "the sura key \"" + entry.sura + "\" is not three digits";
    if (!IsThreeDigits(entry.aya)) return "the aya key \"" + entry.aya + "\" is not three digits";
    const int sura = std::stoi(entry.sura);
    if (sura < 1 || sura > Sura::kSuraCount) return "there is no sura " + entry.sura;
    if (SuraTitle(entry.sura).empty()) return "sura " + entry.sura + " has no title";
    return std::string();
}

int PlayCount(const saya& entry) { return std::max(1, entry.reps); }

int PauseSeconds(const saya& entry) { return std::max(0, entry.pause); }

std::vector<PlannedTrack> PlanTracks(const std::vector<saya>& burnList, const std::map<int, int>& groupReps) {
    std::vector<PlannedTrack> groups;
    std::map<int, size_t> groupSlot;
    std::vector<PlannedTrack> singles;
    for (const saya& entry : burnList) {
        if (entry.group < 1) {
            PlannedTrack single;
            single.members = {entry};
            single.wavName = SingleWavName(entry);
            singles.push_back(single);
            continue;
        }
        const auto slot = groupSlot.find(entry.group);
        if (slot != groupSlot.end()) {
            groups[slot->second].members.push_back(entry);
            continue;
        }
        PlannedTrack group;
        group.group = entry.group;
        group.members = {entry};
        group.passes = GroupPasses(groupReps, entry.group);
        group.groupPause = std::max(0, entry.groupPause);  // alike on every member
        group.buildUp = entry.buildUp;
        group.wavName = "group." + std::to_string(entry.group) + ".wav";
        groupSlot[entry.group] = groups.size();
        groups.push_back(group);
    }
    groups.insert(groups.end(), singles.begin(), singles.end());
    return groups;
}

int CountTracks(const std::vector<saya>& burnList) {
    std::set<int> groups;
    int singles = 0;
    for (const saya& entry : burnList) {
        if (entry.group < 1)
            ++singles;
        else
            groups.insert(entry.group);
    }
    return singles + int(groups.size());
}
