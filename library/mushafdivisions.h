#pragma once
// The divisions learners plan their memorising by, besides the suras: the
// 30 juz, 60 hizb, 240 quarters of a hizb and 604 pages of the Madani
// mushaf (the common print of Hafs' reading). Each is a run of ayas that
// may cross sura boundaries and ends where the next begins. Where each
// begins comes from data/mushaf-divisions.txt, compiled into the program.

#include "library/ayakey.h"
#include "tools/problem.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <string_view>
#include <vector>

enum class Division { Sura, Juz, Hizb, Quarter, Page };

// The ayas from first to last, both included, in mushaf order.
struct AyaRange {
    AyaKey first;
    AyaKey last;

    // Every aya of the range, across sura boundaries.
    std::vector<AyaKey> Ayas() const;
};

// The aya after this one in mushaf order ("002.001" after "001.007"); no
// aya ("000.000") after 114:6.
AyaKey NextAya(const AyaKey& aya);

class MushafDivisions {
public:
    // The table compiled into the program.
    static const MushafDivisions& Madani();
    // Reads the data file's text: lines "KIND START START ...", the starts
    // written sura:aya, each kind's starts in order; '#' starts a comment.
    // Every start must be a real aya, each kind's starts strictly
    // increasing, and each kind as many as it has divisions.
    [[nodiscard]] static Problem Parse(const QByteArray& text, MushafDivisions* table);

    // How many there are of a kind: 114 suras, 30 juz, 60 hizb, 240
    // quarters, 604 pages.
    static int Count(Division kind);
    // "Juz", "Hizb", "Quarter", "Page", "Sura".
    static QString KindName(Division kind);

    // Where the divisions of a kind begin, division 1 first.
    const std::vector<AyaKey>& Starts(Division kind) const;
    // The ayas of division `number` (1..Count) of a kind.
    AyaRange Range(Division kind, int number) const;
    // The division of a kind that holds an aya; 0 for no aya.
    int NumberOf(Division kind, const AyaKey& aya) const;

    // A choice of ayas as learners write it: one division or a range of
    // them by number ("30", "78-80"), the divisions' ayas from the first's
    // first to the last's last. A problem says what is wrong (juz 31,
    // page 0, a range running backwards, no number at all).
    [[nodiscard]] Problem ParseRange(Division kind, std::string_view text, AyaRange* range) const;
    // One aya or a range of ayas, sura:aya ("2:255", "2:255-2:257").
    [[nodiscard]] static Problem ParseAyaRange(std::string_view text, AyaRange* range);

    // Ayas in mushaf order, in runs of one division each (by page: those
    // of each page), keeping their order.
    std::vector<std::vector<AyaKey>> SplitBy(Division kind, const std::vector<AyaKey>& ayas) const;

private:
    // The starts of juz, hizb, quarters and pages, by Division - 1.
    std::array<std::vector<AyaKey>, 4> starts;
};
