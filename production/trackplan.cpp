#include "production/trackplan.h"

#include "burnlist/burnlist.h"
#include "library/ayakey.h"
#include "library/suracatalogue.h"
#include "production/tracknames.h"

#include <QCoreApplication>
#include <algorithm>
#include <set>

namespace {

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
    const QString suraKey = QString::fromStdString(entry.sura);
    QString problem;
    const std::optional<int> sura = AyaKey::ParsePart(entry.sura);
    if (!sura)
        problem = QCoreApplication::translate("TrackPlan", "the sura key \"%1\" is not three digits").arg(suraKey);
    else if (!AyaKey::ParsePart(entry.aya))
        problem = QCoreApplication::translate("TrackPlan", "the aya key \"%1\" is not three digits")
                      .arg(QString::fromStdString(entry.aya));
    else if (!AyaKey(*sura, 1).SuraExists())
        problem = QCoreApplication::translate("TrackPlan", "there is no sura %1").arg(suraKey);
    else if (SuraTitle(entry.sura).empty())
        problem = QCoreApplication::translate("TrackPlan", "sura %1 has no title").arg(suraKey);
    return problem.toStdString();
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
