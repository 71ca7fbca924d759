#include "burnlist/burnlist.h"

#include <algorithm>

QString ItemText(const saya& s) {
    const QString byLength =
        s.lengthPauseQuarters > 0 ? " + " + QString::number(s.lengthPauseQuarters / 4.0) + " × aya" : QString();
    return QString::fromStdString(s.Key()) + " x " + QString::number(s.reps) + " - pause: " +
           QString::number(s.pause) + " secs" + byLength + " b/w reps";
}

QString GroupItemText(const saya& s, int groupReps) {
    QString play;
    if (s.groupPause > 0) play += ", pause " + QString::number(s.groupPause) + " secs";
    if (s.buildUp) play += ", build-up";
    return ItemText(s) + " (GRP: " + QString::number(s.group) + " x " + QString::number(groupReps) + play + ")";
}

std::vector<size_t> PlayOrder(const std::vector<saya>& list) {
    std::vector<int> groupsInOrder;
    std::map<int, std::vector<size_t>> membersOf;
    std::vector<size_t> singles;
    for (size_t i = 0; i < list.size(); ++i) {
        const int group = list[i].group;
        if (group < 1) {
            singles.push_back(i);
            continue;
        }
        std::vector<size_t>& members = membersOf[group];
        if (members.empty()) groupsInOrder.push_back(group);
        members.push_back(i);
    }
    std::vector<size_t> order;
    order.reserve(list.size());
    for (int group : groupsInOrder) order.insert(order.end(), membersOf[group].begin(), membersOf[group].end());
    order.insert(order.end(), singles.begin(), singles.end());
    return order;
}

BurnListCore::BurnListCore() { groupReps[0] = 0; }

bool BurnListCore::Contains(const std::string& burnKey) const {
    const auto it = inBurnList.find(burnKey);
    return it != inBurnList.end() && it->second == 1;
}

void BurnListCore::SortIfNeeded() {
    if (!inKeyOrder) std::sort(burnList.begin(), burnList.end());
    inKeyOrder = true;
}

bool BurnListCore::Add(const saya& entry) {
    if (Contains(entry.Key())) return false;
    SortIfNeeded();
    burnList.insert(std::upper_bound(burnList.begin(), burnList.end(), entry), entry);
    inBurnList[entry.Key()] = 1;
    return true;
}

bool BurnListCore::Append(const saya& entry) {
    if (Contains(entry.Key())) return false;
    if (!burnList.empty() && entry < burnList.back()) inKeyOrder = false;
    burnList.push_back(entry);
    inBurnList[entry.Key()] = 1;
    return true;
}

void BurnListCore::Remove(const std::string& sura, const std::string& aya) {
    saya removed;
    removed.sura = sura;
    removed.aya = aya;
    inBurnList[removed.Key()] = 0;
    SortIfNeeded();
    const auto found = std::find_if(burnList.begin(), burnList.end(),
                                    [&](const saya& e) { return e.sura == sura && e.aya == aya; });
    if (found != burnList.end()) burnList.erase(found);
}

void BurnListCore::RemoveSura(const std::string& sura) {
    for (const saya& e : burnList)
        if (e.sura == sura) inBurnList[e.Key()] = 0;
    burnList.erase(std::remove_if(burnList.begin(), burnList.end(), [&](const saya& e) { return e.sura == sura; }),
                   burnList.end());
}

void BurnListCore::Clear() {
    burnList.clear();
    inBurnList.clear();
    inKeyOrder = true;
}

void BurnListCore::Replace(const PlaylistLoad& load) {
    Clear();
    for (const auto& [group, reps] : load.groupReps) groupReps[group] = reps;
    for (const saya& entry : load.entries) Append(entry);
}

int BurnListCore::AssignGroup(const std::set<std::pair<std::string, std::string>>& suraAyas, int group,
                              int repsOfGroup, int groupPause, bool buildUp) {
    int assigned = 0;
    for (saya& e : burnList) {
        if (!suraAyas.count({e.sura, e.aya})) continue;
        e.group = group;
        ++assigned;
    }
    if (!assigned) return 0;
    groupReps[group] = repsOfGroup;
    for (saya& e : burnList) {
        if (e.group != group) continue;
        e.groupPause = group > 0 ? groupPause : 0;
        e.buildUp = group > 0 && buildUp;
    }
    return assigned;
}

int BurnListCore::RepsOfGroup(int group) const {
    const auto it = groupReps.find(group);
    return it == groupReps.end() ? 0 : it->second;
}

QString BurnListCore::TextOf(const saya& entry) const {
    return entry.group >= 1 ? GroupItemText(entry, RepsOfGroup(entry.group)) : ItemText(entry);
}
