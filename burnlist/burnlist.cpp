#include "burnlist/burnlist.h"

#include <QCoreApplication>
#include <algorithm>

QString ItemText(const saya& s) {
    const QString key = QString::fromStdString(s.Key()), reps = QString::number(s.reps),
                  pause = QString::number(s.pause);
    if (s.lengthPauseQuarters <= 0)
        return QCoreApplication::translate("BurnList", "%1 x %2 - pause: %3 secs b/w reps").arg(key, reps, pause);
    //: %4 is how many times the aya's own length the pause grows by.
    return QCoreApplication::translate("BurnList", "%1 x %2 - pause: %3 secs + %4 × aya b/w reps")
        .arg(key, reps, pause, QString::number(s.lengthPauseQuarters / 4.0));
}

QString GroupItemText(const saya& s, int groupReps) {
    QString play;
    if (s.groupPause > 0)
        play += QCoreApplication::translate("BurnList", ", pause %1 secs").arg(QString::number(s.groupPause));
    if (s.buildUp) play += QCoreApplication::translate("BurnList", ", build-up");
    //: An entry's text, then its group: number, repetitions and how it plays.
    return QCoreApplication::translate("BurnList", "%1 (GRP: %2 x %3%4)")
        .arg(ItemText(s), QString::number(s.group), QString::number(groupReps), play);
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
