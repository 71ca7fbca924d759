// How fast full-size sura packs are opened and read entry by entry, next to
// a plain sequential read of the same files in the same run.
//
// Builds the eighteen packs with 6236 aya entries of random bytes (20-60 KB
// each, like short MP3 recordings) in a temporary folder, then times, over
// several rounds: opening all eighteen packs and extracting every entry by
// name (as the program does when it measures or prepares ayas), and reading
// the pack files from start to end in 1 MiB pieces. Both run on files that
// were just written, so both read from the page cache.

#include "library/packarchive.h"
#include "library/suracatalogue.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

const int kRounds = 5;

struct Totals {
    long long entries = 0;
    long long bytes = 0;
    unsigned sink = 0;  // keeps the reads from being optimised away
    double seconds = 0;
};

std::vector<std::string> BuildPacks(const QString& folder, long long* totalBytes) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> size(20 * 1024, 60 * 1024);
    std::uniform_int_distribution<int> byte(0, 255);
    const Sura sura;
    std::vector<std::string> paths;
    for (const JMapEntry& row : JMapRows()) {
        PackArchive pack;
        for (int s = row.first; s <= row.last; ++s) {
            const std::string suraKey = PadKey(std::to_string(s));
            for (int a = 1; a <= sura.AyaCount(suraKey); ++a) {
                PackArchive::PendingEntry entry;
                entry.name = suraKey + "." + PadKey(std::to_string(a)) + ".mp3";
                entry.data.resize(size_t(size(random)));
                for (char& c : entry.data) c = char(byte(random));
                entry.size = int32_t(entry.data.size());
                entry.checksum = PackChecksum(entry.data.data(), entry.data.size());
                *totalBytes += entry.size;
                pack.AddPending(std::move(entry));
            }
        }
        const std::string path = (folder + "/").toStdString() + row.name;
        if (!pack.Write(path)) {
            std::fprintf(stderr, "bench_packs: %s\n", pack.LastError().c_str());
            std::exit(1);
        }
        paths.push_back(path);
    }
    return paths;
}

Totals OpenAndExtractAll(const std::vector<std::string>& paths) {
    Totals t;
    QElapsedTimer timer;
    timer.start();
    for (const std::string& path : paths) {
        PackArchive pack;
        if (!pack.Open(path)) continue;
        for (const PackArchive::IndexEntry& entry : pack.EntriesInFileOrder()) {
            const std::vector<char> bytes = pack.Extract(entry.name);
            t.entries += 1;
            t.bytes += static_cast<long long>(bytes.size());
            if (!bytes.empty()) t.sink += unsigned(uint8_t(bytes[bytes.size() / 2]));
        }
    }
    t.seconds = timer.nsecsElapsed() / 1e9;
    return t;
}

Totals ReadSequentially(const std::vector<std::string>& paths) {
    Totals t;
    std::vector<char> buffer(1 << 20);
    QElapsedTimer timer;
    timer.start();
    for (const std::string& path : paths) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) continue;
        qint64 got;
        while ((got = file.read(buffer.data(), qint64(buffer.size()))) > 0) {
            t.bytes += got;
            t.sink += unsigned(uint8_t(buffer[size_t(got) / 2]));
        }
    }
    t.seconds = timer.nsecsElapsed() / 1e9;
    return t;
}

double MegaBytes(long long bytes) { return double(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main() {
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench_packs: cannot make a temporary folder\n");
        return 1;
    }
    long long entryBytes = 0;
    QElapsedTimer buildTimer;
    buildTimer.start();
    const std::vector<std::string> paths = BuildPacks(folder.path(), &entryBytes);
    std::printf("built 18 packs: %d entries, %.1f MB of entry data in %.1f s\n", Sura::kAyaTotal,
                MegaBytes(entryBytes), buildTimer.nsecsElapsed() / 1e9);

    // The fastest round of each kind is the one least disturbed by other work.
    Totals bestExtract, bestRead;
    bestExtract.seconds = bestRead.seconds = 1e30;
    unsigned sink = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Totals read = ReadSequentially(paths);
        const Totals extract = OpenAndExtractAll(paths);
        sink += read.sink + extract.sink;
        if (read.seconds < bestRead.seconds) bestRead = read;
        if (extract.seconds < bestExtract.seconds) bestExtract = extract;
    }

    const double extractMBs = MegaBytes(bestExtract.bytes) / bestExtract.seconds;
    const double readMBs = MegaBytes(bestRead.bytes) / bestRead.seconds;
    std::printf("open all 18 packs + extract every entry: %lld entries, %.1f MB in %.3f s: "
                "%.0f entries/s, %.0f MB/s\n",
                bestExtract.entries, MegaBytes(bestExtract.bytes), bestExtract.seconds,
                bestExtract.entries / bestExtract.seconds, extractMBs);
    std::printf("plain sequential read of the pack files: %.1f MB in %.3f s: %.0f MB/s\n",
                MegaBytes(bestRead.bytes), bestRead.seconds, readMBs);
    std::printf("extraction runs at %.2f of the sequential read rate (best of %d rounds, warm cache)\n",
                extractMBs / readMBs, kRounds);
    std::printf("(check value %u)\n", sink);
    return bestExtract.entries == Sura::kAyaTotal ? 0 : 1;
}
