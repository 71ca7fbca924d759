#pragma once
// The key of one aya, "SSS.AAA" ("002.255"): its sura and aya numbers, each
// written with three digits. Pack entries, playlists, the burn list and the
// names of tracks all name an aya by it.

#include <optional>
#include <string>
#include <string_view>

class AyaKey {
public:
    AyaKey() = default;  // "000.000": no aya
    AyaKey(int sura, int aya) : sura(sura), aya(aya) {}

    int SuraNumber() const { return sura; }
    int AyaNumber() const { return aya; }
    // "002.255".
    std::string Text() const;
    // The halves as the burn list keeps them: "002" and "255".
    std::string SuraText() const { return PartText(sura); }
    std::string AyaText() const { return PartText(aya); }
    // Whether the sura is one of the 114.
    bool SuraExists() const;
    // Whether the sura exists and has this aya.
    bool Exists() const;

    // A number as a half of a key: zero-padded to three digits ("7" ->
    // "007"); larger numbers are written in full.
    static std::string PartText(int number);
    // A half of a key exactly as keys write it, three digits ("007"); empty
    // for anything else.
    static std::optional<int> ParsePart(std::string_view text);
    // A key exactly as keys write it, "SSS.AAA"; empty for anything else.
    static std::optional<AyaKey> Parse(std::string_view text);
    // A half of a key as hand-edited playlists write it: white space around
    // one or more digits ("2", " 0002 "). A number beyond any sura or aya
    // reads as the largest int. Empty for anything else ("", "2a", "-2").
    static std::optional<int> ParseLenientPart(std::string_view text);
    // The leading number of a text as atoi reads it (white space, a sign,
    // the digits up to the first other character, 0 without any), clamped
    // to the range of int.
    static int LeadingNumber(const std::string& text);

    bool operator==(const AyaKey& other) const { return sura == other.sura && aya == other.aya; }
    bool operator<(const AyaKey& other) const { return sura != other.sura ? sura < other.sura : aya < other.aya; }

private:
    int sura = 0;
    int aya = 0;
};
