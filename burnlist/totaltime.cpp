#include "burnlist/totaltime.h"

#include "library/packarchive.h"
#include "library/qaudio.h"
#include "library/quran.h"

#include <climits>
#include <cstdlib>
#include <memory>

LengthSource PackLengthSource(const Quran& quran, QAudio& audio) {
    // Copying a pack out of Quran copies its whole index; ayas are measured
    // sura by sura, so keeping the last sura's pack saves nearly every copy.
    struct LastPack {
        int sura = -1;
        PackArchive pack;
    };
    auto last = std::make_shared<LastPack>();
    return [&quran, &audio, last](const std::string& burnKey) {
        const int sura = std::atoi(burnKey.c_str());
        if (sura != last->sura) {
            last->pack = quran.PackForSura(sura);
            last->sura = sura;
        }
        return audio.GetLen(last->pack.Extract(burnKey + ".mp3"));
    };
}

TotalTime::TotalTime(LengthSource source) : measure(std::move(source)) {}

int TotalTime::LengthMs(const std::string& burnKey) {
    if (ayaMeasured[burnKey] == 1) return ayaLengths[burnKey];
    const int ms = measure ? measure(burnKey) : 0;
    ayaLengths[burnKey] = ms;
    ayaMeasured[burnKey] = 1;
    return ms;
}

long long TotalTime::EntrySeconds(const saya& entry, int lengthMs, const std::map<int, int>& groupReps) {
    // Truncated per aya, before anything is multiplied: 3999 ms count 3 s.
    long long t = (lengthMs / 1000 + static_cast<long long>(entry.pause)) * entry.reps;
    if (entry.group >= 1) {
        const auto g = groupReps.find(entry.group);
        if (g != groupReps.end() && g->second > 1) t *= g->second;
    }
    return t;
}

int TotalTime::Seconds(const std::vector<saya>& burnList, const std::map<int, int>& groupReps) {
    long long total = 0;
    for (const saya& e : burnList) {
        total += EntrySeconds(e, LengthMs(e.Key()), groupReps);
        if (total >= INT_MAX) return INT_MAX;
    }
    return int(total);
}
