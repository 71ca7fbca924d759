#pragma once
// The burn list: the ayas to be produced, each at most once, with the
// repetition count of every group. Entries added one by one stand in
// burn-key order; entries appended from a playlist keep the file's order
// until the next add or single removal sorts the list. Whatever the list's
// order, the disc plays the entries in PlayOrder, and views show them so.

#include "burnlist/playlist.h"
#include "burnlist/saya.h"

#include <QString>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// "002.255 x 3 - pause: 2 secs b/w reps": the list-box text of an entry;
// a pause that grows with the aya reads "pause: 2 secs + 1.5 × aya".
QString ItemText(const saya& s);
// ItemText followed by " (GRP: group x groupReps)", with ", pause 5 secs"
// and ", build-up" inside the brackets when the group has them.
QString GroupItemText(const saya& s, int groupReps);
// The positions of the entries in the order the disc plays them: the
// members of each group (group 1 and up), the groups in the order of their
// first members, then the entries in no group; each part keeps list order.
std::vector<size_t> PlayOrder(const std::vector<saya>& list);

class BurnListCore {
public:
    BurnListCore();

    // Group number to group repetitions. Entries are never erased; group 0
    // ("no group") holds 0.
    std::map<int, int> groupReps;

    const std::vector<saya>& List() const { return burnList; }
    bool Contains(const std::string& burnKey) const;

    // Adds an entry in burn-key order (the whole list is sorted first if a
    // playlist left it in file order); false when its key is already listed.
    bool Add(const saya& entry);
    // Appends an entry without sorting; false when its key is already listed.
    bool Append(const saya& entry);
    // Sorts the list and removes the entry with this sura and aya, if any.
    void Remove(const std::string& sura, const std::string& aya);
    // Removes every entry of a sura, keeping the others in order.
    void RemoveSura(const std::string& sura);
    // Empties the list; group repetitions stay.
    void Clear();
    // Replaces the list by a loaded playlist's entries, in file order; the
    // file's group repetitions are added to those already known.
    void Replace(const PlaylistLoad& load);
    // Puts the entries with these (sura, aya) pairs into a group and sets
    // the group's repetitions, which the group's earlier members share.
    // Returns how many entries were assigned; with none, nothing changes.
    // The group's pause after each pass and its build-up mode go to all
    // its members, the earlier ones included.
    int AssignGroup(const std::set<std::pair<std::string, std::string>>& suraAyas, int group, int repsOfGroup,
                    int groupPause = 0, bool buildUp = false);

    int RepsOfGroup(int group) const;
    // The list-box text of an entry: with the group suffix when it has a group.
    QString TextOf(const saya& entry) const;

private:
    std::vector<saya> burnList;
    // Burn key to 1 while listed; removal leaves 0 behind.
    std::map<std::string, int> inBurnList;
    // Whether burnList stands in burn-key order, so that an add can find its
    // place by binary search instead of sorting everything.
    bool inKeyOrder = true;

    void SortIfNeeded();
};
