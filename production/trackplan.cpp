#include "production/trackplan.h"

#include "burnlist/burnlist.h"
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

PlannedTrack SingleTrack(const saya& entry) {
    PlannedTrack single;
    single.members = {entry};
    single.wavName = SingleWavName(entry);
    return single;
}

// A group's track with its first member; the others follow it.
PlannedTrack GroupTrack(const saya& first, const std::map<int, int>& groupReps) {
    PlannedTrack group;
    group.group = first.group;
    group.members = {first};
    group.passes = GroupPasses(groupReps, first.group);
    group.groupPause = std::max(0, first.groupPause);  // alike on every member
    group.buildUp = first.buildUp;
    group.wavName = "group." + std::to_string(first.group) + ".wav";
    return group;
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
    // In playing order each group's members stand together, so a track
    // ends where the group changes.
    std::vector<PlannedTrack> tracks;
    for (size_t position : PlayOrder(burnList)) {
        const saya& entry = burnList[position];
        if (entry.group >= 1 && !tracks.empty() && tracks.back().group == entry.group) {
            tracks.back().members.push_back(entry);
            continue;
        }
        tracks.push_back(entry.group >= 1 ? GroupTrack(entry, groupReps) : SingleTrack(entry));
    }
    return tracks;
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
