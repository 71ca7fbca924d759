#include "burnlist/ayabatch.h"

#include "burnlist/playlist.h"

#include <QCoreApplication>
#include <QString>
#include <set>

std::vector<int> FreeGroups(const BurnListCore& core) {
    std::set<int> used;
    for (const saya& entry : core.List()) used.insert(entry.group);
    std::vector<int> free;
    for (int group = 1; group <= playlistlimits::kMaxGroup; ++group)
        if (!used.count(group)) free.push_back(group);
    return free;
}

Problem AddAyaRuns(BurnListCore& core, const std::vector<std::vector<AyaKey>>& runs, const AyaSettings& ayas,
                   const std::optional<GroupSettings>& groups) {
    std::vector<std::vector<saya>> fresh;
    for (const std::vector<AyaKey>& run : runs) {
        std::vector<saya> entries;
        for (const AyaKey& aya : run) {
            saya entry;
            entry.sura = aya.SuraText();
            entry.aya = aya.AyaText();
            entry.reps = ayas.reps;
            entry.pause = ayas.pause;
            entry.lengthPauseQuarters = ayas.lengthPauseQuarters;
            if (!core.Contains(entry.Key())) entries.push_back(entry);
        }
        if (!entries.empty()) fresh.push_back(std::move(entries));
    }
    const std::vector<int> free = FreeGroups(core);
    if (groups && fresh.size() > free.size())
        return Problem(QCoreApplication::translate(
                           "AyaBatch", "%1 new groups are needed, but only %2 of the %3 group numbers are free")
                           .arg(QString::number(fresh.size()), QString::number(free.size()),
                                QString::number(playlistlimits::kMaxGroup)));
    for (size_t i = 0; i < fresh.size(); ++i) {
        std::set<std::pair<std::string, std::string>> members;
        for (const saya& entry : fresh[i]) {
            (void)core.Add(entry);
            members.insert({entry.sura, entry.aya});
        }
        if (groups) core.AssignGroup(members, free[i], groups->reps, groups->pause, groups->buildUp);
    }
    return {};
}
