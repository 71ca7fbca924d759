// Fuzz targets for everything that reads a file a user may be handed: packs,
// MP3 recordings, playlists, the settings file, cdrdao's scan output and the
// icon archive; and for the two paths where such input decides what the
// user gets: a folder of recordings imported into packs, and a playlist
// planned into tracks whose length the disc adds up. One source, built once per target with NORVANE_FUZZ_TARGET
// naming the function below. With -DNORVANE_FUZZ=ON each is a libFuzzer
// program; otherwise main() replays the corpus files given as arguments
// (files or folders), which is how the test run keeps every saved input.

#include "burnlist/playlist.h"
#include "burnlist/totaltime.h"
#include "library/mp3probe.h"
#include "library/packarchive.h"
#include "library/packimport.h"
#include "production/drivescan.h"
#include "production/trackplan.h"
#include "production/trackscript.h"
#include "settings/qinifile.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

// Removed when the program ends normally (libFuzzer exits so too).
QTemporaryDir& Scratch() {
    static QTemporaryDir dir;
    return dir;
}

// The input as a file in the scratch folder, for readers that take a path.
QString AsFile(const uint8_t* data, size_t size, const QString& name) {
    const QString path = Scratch().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

void Check(bool holds, const char* what) {
    if (!holds) fprintf(stderr, "fuzz check failed: %s\n", what), abort();
}

[[maybe_unused]] void Pack(const uint8_t* data, size_t size) {
    PackArchive pack;
    if (!pack.Open(AsFile(data, size, "pack.mat").toStdString())) return;
    for (const PackArchive::IndexEntry& entry : pack.EntriesInFileOrder()) {
        const std::vector<char> bytes = pack.ExtractEntry(entry);
        Check(bytes.empty() == !pack.LiesInsideFile(entry) || entry.start == entry.end, "extract");
    }
}

[[maybe_unused]] void Mp3Length(const uint8_t* data, size_t size) {
    static Mp3Probe probe;
    const std::vector<char> bytes(data, data + size);
    const int ms = probe.GetLen(bytes);
    Check(ms >= 0 && (ms > 0) == (probe.DecodedLength(bytes).rate != 0) && (ms > 0) == probe.IsRecording(bytes),
          "one rule for what is a recording");
}

[[maybe_unused]] void Playlist(const uint8_t* data, size_t size) {
    using namespace playlistlimits;
    const PlaylistLoad load = ParsePlaylist(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    for (const saya& entry : load.entries)
        Check(entry.reps >= kMinReps && entry.reps <= kMaxReps && entry.pause >= kMinPause &&
                  entry.pause <= kMaxPause && entry.group >= 0 && entry.group <= kMaxGroup &&
                  entry.lengthPauseQuarters >= 0 && entry.lengthPauseQuarters <= kMaxLengthPauseQuarters &&
                  entry.groupPause >= 0 && entry.groupPause <= kMaxGroupPause,
              "entry within the window's limits");
    // What was loaded saves and loads back as the same list, named fields included.
    const QByteArray text = PlaylistText(load.entries, load.groupReps);
    const PlaylistLoad again = ParsePlaylist(text);
    Check(again.entries.size() == load.entries.size() && again.skippedLines.empty() &&
              PlaylistText(again.entries, again.groupReps) == text,
          "round trip");
}

[[maybe_unused]] void Settings(const uint8_t* data, size_t size) {
    const QString path = AsFile(data, size, "norvane.ini");
    QByteArray first, second;
    for (QByteArray* written : {&first, &second}) {
        QIniFile store(path);
        Check(store.WriteFile(), "write");
        QFile file(path);
        *written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }
    Check(first == second, "what the store writes, it reads back the same");
}

[[maybe_unused]] void DriveScan(const uint8_t* data, size_t size) {
    const QString text = QString::fromLocal8Bit(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const DriveEntry& drive : ParseScanOutput(text.split('\n')))
        Check(!drive.address.isEmpty() && !drive.label.isEmpty(), "drive entry");
}

[[maybe_unused]] void Image(const uint8_t* data, size_t size) {
    // Icons load from img.dat in the working directory: the scratch folder
    // for this call only, so that libFuzzer's relative paths keep working.
    const QString before = QDir::currentPath();
    PackArchive archive;
    if (QDir::setCurrent(Scratch().path()) && archive.Open(AsFile(data, size, "img.dat").toStdString()))
        for (const PackArchive::IndexEntry& entry : archive.EntriesInFileOrder()) LoadPackedImage(entry.name);
    QDir::setCurrent(before);
}

// The input as the files of a folder: "#FILE#name\n" starts each file and
// its bytes run to the next such line. Names are made safe to create and
// valid UTF-8, as the import reports them; hidden files (".name") are no
// recordings and are left out. Of two files of one name the later stays.
std::map<std::string, QByteArray> FolderOf(const uint8_t* data, size_t size) {
    static const QByteArray kMarker("#FILE#");
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    std::map<std::string, QByteArray> files;
    for (qsizetype at = input.indexOf(kMarker); at >= 0;) {
        const qsizetype nameStart = at + kMarker.size(), nameEnd = input.indexOf('\n', nameStart);
        if (nameEnd < 0) break;
        const qsizetype next = input.indexOf(kMarker, nameEnd + 1);
        QByteArray name = input.mid(nameStart, std::min<qsizetype>(nameEnd - nameStart, 100));
        name = QString::fromUtf8(name.replace('/', '_').replace('\0', '_')).toUtf8();
        if (!name.isEmpty() && !name.startsWith('.'))
            files[name.toStdString()] = input.mid(nameEnd + 1, next < 0 ? -1 : next - nameEnd - 1);
        at = next;
    }
    return files;
}

// "001001.mp3" -> "001.001.mp3", the entry a recording becomes.
std::string EntryNameOf(const std::string& fileName) {
    return fileName.substr(0, 3) + "." + fileName.substr(3, 3) + ".mp3";
}

// Every pack's entries by name, each entry's checksum checked against its bytes.
std::map<std::string, std::map<std::string, QByteArray>> ReadPacksBack(const PackImportResult& result,
                                                                        const QString& folder) {
    std::map<std::string, std::map<std::string, QByteArray>> packs;
    for (const ImportedPack& written : result.packs) {
        PackArchive pack;
        Check(pack.Open(QFile::encodeName(folder + "/" + QString::fromStdString(written.name)).toStdString()),
              "a written pack opens");
        for (const PackArchive::IndexEntry& entry : pack.EntriesInFileOrder()) {
            const std::vector<char> bytes = pack.ExtractEntry(entry);
            Check(pack.LiesInsideFile(entry) && PackChecksum(bytes.data(), bytes.size()) == entry.checksum,
                  "every entry lies in its pack with the checksum of its bytes");
            Check(packs[written.name].emplace(entry.name, QByteArray(bytes.data(), qsizetype(bytes.size()))).second,
                  "no entry twice in a pack");
        }
        Check(int(packs[written.name].size()) == written.ayasHeld + 1, "the pack holds its ayas and the silence");
    }
    return packs;
}

// A folder imported: every file lands in exactly one pack (the silence in
// every pack) with its bytes unchanged, or in the ignored list with a
// reason, never both.
[[maybe_unused]] void Import(const uint8_t* data, size_t size) {
    QTemporaryDir work(Scratch().filePath("import-XXXXXX"));
    const QString in = work.filePath("in"), out = work.filePath("out");
    if (!work.isValid() || !QDir().mkpath(in)) abort();
    std::map<std::string, QByteArray> files = FolderOf(data, size);
    for (auto it = files.begin(); it != files.end();) {
        QFile file(in + "/" + QFile::decodeName(QByteArray::fromStdString(it->first)));
        const bool made = file.open(QIODevice::WriteOnly) && file.write(it->second) == it->second.size();
        it = made ? std::next(it) : files.erase(it);
    }
    PackImport import;
    const bool scanned = import.Scan(QFile::encodeName(in).toStdString());
    std::map<std::string, std::string> ignored;
    for (const IgnoredFile& file : import.Result().ignored) {
        Check(!file.reason.empty() && files.count(file.name), "an ignored file is one of the folder's, with a reason");
        Check(ignored.emplace(file.name, file.reason).second, "a file is ignored once");
    }
    const bool written = scanned && import.WritePacks(QFile::encodeName(out).toStdString());
    Check(written || !import.Result().error.empty(), "a failed import says why");
    if (!written) return;
    const auto packs = ReadPacksBack(import.Result(), out);
    for (const auto& [name, bytes] : files) {
        if (ignored.count(name) || name == "silence.mp3") continue;
        int holders = 0;
        for (const auto& [packName, entries] : packs) {
            const auto entry = entries.find(EntryNameOf(name));
            if (entry == entries.end()) continue;
            ++holders;
            Check(entry->second == bytes, "a packed recording keeps its bytes");
        }
        Check(holders == 1, "a file not ignored lands in exactly one pack");
    }
    if (files.count("silence.mp3") && !ignored.count("silence.mp3"))
        for (const auto& [packName, entries] : packs)
            Check(entries.at("silence.mp3") == files.at("silence.mp3"), "the folder's silence goes into every pack");
    int held = 0;
    for (const ImportedPack& pack : import.Result().packs) held += pack.ayasHeld;
    Check(held == int(files.size() - ignored.size() - (files.count("silence.mp3") && !ignored.count("silence.mp3"))),
          "no pack holds a recording the folder did not bring");
}

// How a piece weighs in a walk, as MeasureTrack is told below: a recording
// its member's number plus one, so a walk that visits the wrong member tells.
qint64 WalkedWeight(const TrackPiece& piece) {
    switch (piece.kind) {
    case TrackPiece::Kind::Recording: return qint64(piece.member) + 1;
    case TrackPiece::Kind::LengthPause: return 7;
    case TrackPiece::Kind::Silence: return piece.seconds;
    case TrackPiece::Kind::Basmala: return 3;
    }
    return 0;
}

// Walking a track costs one call per piece; beyond this many the sum is
// only measured.
constexpr qint64 kLongestWalk = 200000;

// A playlist planned into tracks: the pieces a track's walk visits add up
// to what MeasureTrack counts for it, and the disc's arithmetic stays
// within its range for any recording lengths. The first bytes choose the
// ways of playing and the lengths; the rest is the playlist.
[[maybe_unused]] void TrackPlan(const uint8_t* data, size_t size) {
    uint8_t head[10] = {};
    std::memcpy(head, data, std::min(size, sizeof head));
    const size_t skip = std::min(size, sizeof head);
    PlayOptions options;
    options.basmala = head[0] & 1;
    options.speedPercent = PlayOptions::kMinSpeedPercent + head[1] % (PlayOptions::kMaxSpeedPercent - PlayOptions::kMinSpeedPercent + 1);
    uint64_t lengthSeed = 0;
    std::memcpy(&lengthSeed, head + 2, sizeof lengthSeed);
    const PlaylistLoad load = ParsePlaylist(QByteArray(reinterpret_cast<const char*>(data + skip), qsizetype(size - skip)));
    const std::vector<PlannedTrack> tracks = PlanTracks(load.entries, load.groupReps);

    PieceWeights weights;
    weights.recording = [](size_t member) { return qint64(member) + 1; };
    weights.lengthPause = [](size_t) { return qint64(7); };
    weights.silenceSecond = 1;
    weights.basmala = 3;
    for (const PlannedTrack& track : tracks) {
        const qint64 measured = MeasureTrack(track, options, weights);
        Check(measured >= 0 && measured <= kMeasureLimit, "a measure within its range");
        if (measured > kLongestWalk) continue;
        qint64 walked = 0;
        WalkTrack(track, options, [&walked](const TrackPiece& piece) { walked += WalkedWeight(piece); });
        Check(walked == measured, "a track's pieces add up to its measure");
    }

    // Lengths from nothing to far beyond any recording, at common and odd rates.
    TotalTime total([lengthSeed](const std::string& key) {
        const uint64_t mix = (lengthSeed ^ std::hash<std::string>()(key)) * 0x9E3779B97F4A7C15ull;
        static const int kRates[] = {8000, 11025, 22050, 44100, 48000, 1};
        return SampleLength{qint64(mix >> (mix % 64)) & INT64_MAX, kRates[mix % 6]};
    });
    const DiscTime disc = total.Disc(load.entries, load.groupReps, options);
    qint64 sum = 0;
    for (const qint64 blocks : disc.trackBlocks) {
        Check(blocks > 0 && blocks <= kMeasureLimit / AudioCd::kFramesPerBlock + 1, "a track's blocks within range");
        sum = MeasurePlus(sum, blocks);
    }
    Check(disc.trackBlocks.size() == tracks.size() && disc.trackTotal == sum, "the disc adds up its tracks");
    Check(disc.Blocks() >= disc.trackTotal && disc.Fits() == (disc.trackTotal <= AudioCd::kCapacityBlocks),
          "the disc's time");
}

void Setup(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);  // QPixmap needs one
    if (!Scratch().isValid()) abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    Setup(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NORVANE_FUZZ_TARGET(data, size);
    return 0;
}

#ifndef NORVANE_FUZZ
// Replays every file under the folders given.
int main(int argc, char** argv) {
    int replayed = 0;
    Setup(&argc, &argv);
    for (const QString& folder : QCoreApplication::arguments().mid(1))
        for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++replayed) {
            QFile file(it.next());
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : (abort(), QByteArray());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        }
    return printf("replayed %d inputs\n", replayed), replayed > 0 ? 0 : 1;
}
#endif
