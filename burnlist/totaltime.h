#pragma once
// The playing time of a burn list, in whole seconds. Each aya's recording
// is measured once per run through a length source and remembered, so
// recomputing the total after every change only adds up cached values.

#include "burnlist/saya.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class QAudio;
class Quran;

// Burn key (002.255) to the playing length of its recording in
// milliseconds; 0 when there is no such recording.
using LengthSource = std::function<int(const std::string& burnKey)>;

// Measures recordings in the installed sura packs (the entry
// "002.255.mp3" of the pack that holds sura 2) without changing which pack
// is active. Both objects must outlive the source.
LengthSource PackLengthSource(const Quran& quran, QAudio& audio);

class TotalTime {
public:
    explicit TotalTime(LengthSource source = {});

    void SetSource(LengthSource source) { measure = std::move(source); }
    bool HasSource() const { return bool(measure); }

    // The length of one aya's recording, measured on first request only. A
    // length of 0 is remembered like any other.
    int LengthMs(const std::string& burnKey);

    // The total in seconds, measuring the entries not measured before.
    // Saturates at the largest int rather than overflowing.
    int Seconds(const std::vector<saya>& burnList, const std::map<int, int>& groupReps);

    // One entry's share: (whole seconds of its recording + pause) x reps,
    // times its group's repetitions when it is in a group (1 and up) whose
    // repetitions exceed 1.
    static long long EntrySeconds(const saya& entry, int lengthMs, const std::map<int, int>& groupReps);

    const std::map<std::string, int>& AyaLengths() const { return ayaLengths; }

private:
    LengthSource measure;
    // Burn key to milliseconds, and to 1 once measured.
    std::map<std::string, int> ayaLengths;
    std::map<std::string, int> ayaMeasured;
};
