// Fuzz targets for everything that reads a file a user may be handed: packs,
// MP3 recordings, playlists, the settings file, cdrdao's scan output, the
// icon archive and a download server's catalogue; joinwav's inputs (joinwav_target.cpp); and the two paths where
// such input decides what the user gets: a folder of recordings imported into
// packs, and a playlist planned into tracks whose length the disc adds up.
// One source, built once per target with NORVANE_FUZZ_TARGET
// naming the function below. With -DNORVANE_FUZZ=ON each is a libFuzzer
// program; otherwise main() replays the corpus files given as arguments
// (files or folders), which is how the test run keeps every saved input.

#include "app/packedimage.h"
#include "burnlist/playlist.h"
#include "production/totaltime.h"
#include "library/mp3probe.h"
#include "library/mp3tags.h"
#include "library/packarchive.h"
#include "library/packimport.h"
#include "library/recitationcatalogue.h"
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

namespace {

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
    const Problem cut = probe.CutShort(bytes);  // reads the Xing/VBRI header the encoder wrote
    Check(cut.Ok() || cut.Text().startsWith("cut short: plays "), "a cut file is said so");
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
        const qsizetype nameEnd = input.indexOf('\n', at), next = input.indexOf(kMarker, nameEnd + 1);
        if (nameEnd < 0) break;
        QByteArray name = input.mid(at + kMarker.size(), std::min<qsizetype>(nameEnd - at - kMarker.size(), 100));
        name = QString::fromUtf8(name.replace('/', '_').replace('\0', '_')).toUtf8();
        if (!name.isEmpty() && !name.startsWith('.'))
            files[name.toStdString()] = input.mid(nameEnd + 1, next < 0 ? -1 : next - nameEnd - 1);
        at = next;
    }
    return files;
}

// A folder imported: every file lands in exactly one pack (the folder's
// silence in every pack) with its audio unchanged, or in the ignored list
// with a reason, never both; every checksum matches.
[[maybe_unused]] void Import(const uint8_t* data, size_t size) {
    QTemporaryDir work(Scratch().filePath("import-XXXXXX"));
    const QString in = work.filePath("in"), out = work.filePath("out");
    if (!work.isValid() || !QDir().mkpath(in)) abort();
    std::map<std::string, QByteArray> files = FolderOf(data, size);
    for (auto it = files.begin(); it != files.end();) {
        QFile file(in + "/" + QString::fromStdString(it->first));
        it = file.open(QIODevice::WriteOnly) && file.write(it->second) == it->second.size() ? std::next(it) : files.erase(it);
    }
    PackImport import;
    const bool written = import.Scan(in.toStdString()) && import.WritePacks(out.toStdString());
    Check(written || !import.Result().error.empty(), "a failed import says why");
    for (const IgnoredFile& file : import.Result().ignored)
        Check(!file.reason.empty() && files.erase(file.name) == 1, "a file of the folder is ignored once, with a reason");
    if (!written) return;
    std::map<std::string, QByteArray> packed;  // every pack's recordings by entry name
    for (const ImportedPack& written : import.Result().packs) {
        PackArchive pack;
        Check(pack.Open((out + "/" + QString::fromStdString(written.name)).toStdString()), "a written pack opens");
        for (const PackArchive::IndexEntry& entry : pack.EntriesInFileOrder()) {
            const std::vector<char> bytes = pack.ExtractEntry(entry);
            Check(pack.LiesInsideFile(entry) && PackChecksum(bytes.data(), bytes.size()) == entry.checksum, "checksum");
            const QByteArray copy(bytes.data(), qsizetype(bytes.size()));
            if (entry.name == "silence.mp3")
                Check(!files.count(entry.name) || files[entry.name] == copy, "the folder's silence in every pack");
            else
                Check(packed.emplace(entry.name, copy).second, "a recording in one pack only");
        }
    }
    files.erase("silence.mp3");
    Check(packed.size() == files.size(), "every file not ignored is packed");
    for (const auto& [name, bytes] : files) {  // "001001.mp3" is the entry "001.001.mp3", its tags left out
        const std::vector<char> audio = StripMp3Tags(std::vector<char>(bytes.begin(), bytes.end()));
        Check(packed[name.substr(0, 3) + "." + name.substr(3, 3) + ".mp3"] == QByteArray(audio.data(), qsizetype(audio.size())),
              "a recording keeps its audio");
    }
}

// A playlist planned into tracks: the pieces a track's walk visits add up
// to what MeasureTrack counts for it (a recording weighing its member's
// number plus one, a translation 13 times that, so that a walk of the
// wrong member tells), and the
// disc's arithmetic stays in range for any recording lengths. The first
// ten bytes choose the ways of playing and the lengths; the rest is the
// playlist.
[[maybe_unused]] void TrackPlan(const uint8_t* data, size_t size) {
    uint8_t head[10] = {};
    const size_t skip = std::min(size, sizeof head);
    std::memcpy(head, data, skip);
    PlayOptions options;
    options.basmala = head[0] & 1;
    if (head[0] & 2) options.translation = "translation";
    options.speedPercent = PlayOptions::kMinSpeedPercent + head[1] % 101;
    uint64_t seed = 0;
    std::memcpy(&seed, head + 2, sizeof seed);
    const PlaylistLoad load = ParsePlaylist(QByteArray(reinterpret_cast<const char*>(data + skip), qsizetype(size - skip)));
    const auto translation = [](size_t member) { return 13 * (qint64(member) + 1); };
    const PieceWeights weights{[](size_t member) { return qint64(member) + 1; }, 1, [](size_t) { return qint64(7); }, 3,
                               translation};
    const std::vector<PlannedTrack> tracks = PlanTracks(load.entries, load.groupReps);
    for (const PlannedTrack& track : tracks) {
        const qint64 measured = MeasureTrack(track, options, weights);
        Check(measured >= 0 && measured <= kMeasureLimit, "a measure within its range");
        if (measured > 200000) continue;  // a walk costs a call per piece
        qint64 walked = 0;
        WalkTrack(track, options, [&](const TrackPiece& piece) {
            using Kind = TrackPiece::Kind;
            walked += piece.kind == Kind::Recording     ? qint64(piece.member) + 1
                      : piece.kind == Kind::LengthPause ? 7
                      : piece.kind == Kind::Silence     ? piece.seconds
                      : piece.kind == Kind::Translation ? translation(piece.member)
                                                        : 3;
        });
        Check(walked == measured, "a track's pieces add up to its measure");
    }
    // Lengths from nothing to far beyond any recording, at common and odd rates.
    TotalTime total([seed](const std::string& key) {
        const uint64_t mix = (seed ^ std::hash<std::string>()(key)) * 0x9E3779B97F4A7C15ull;
        static const int kRates[] = {8000, 11025, 22050, 44100, 48000, 1};
        return SampleLength{qint64(mix >> (mix % 64)) & INT64_MAX, kRates[mix % 6]};
    });
    const DiscTime disc = total.Disc(load.entries, load.groupReps, options);
    qint64 sum = 0;
    for (const qint64 blocks : disc.trackBlocks) {
        Check(blocks > 0 && blocks <= kMeasureLimit / AudioCd::kFramesPerBlock + 1, "a track's blocks in range");
        sum = MeasurePlus(sum, blocks);
    }
    Check(disc.trackBlocks.size() == tracks.size() && disc.trackTotal == sum && disc.Blocks() >= sum &&
              disc.Fits() == (sum <= AudioCd::kCapacityBlocks),
          "the disc adds up its tracks");
}

// A server's catalogue: every folder kept is one the download may put in an
// address and a path; every entry left out is said so.
[[maybe_unused]] void Catalogue(const uint8_t* data, size_t size) {
    const CatalogueRead read = RecitationCatalogue::ParseServer(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Check(read.problem.Ok() != read.entries.empty(), "a catalogue read whole or said why not");
    for (const CatalogueEntry& entry : read.entries)
        Check(RecitationCatalogue::CheckFolder(entry.folder).Ok() && !entry.folder.contains("..") &&
                  !entry.folder.startsWith('/') && !entry.displayName.isEmpty(),
              "a kept folder is safe");
}

void Setup(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);  // QPixmap needs one
    if (!Scratch().isValid()) abort();
}

}  // namespace

void JoinWav(const uint8_t* data, size_t size);  // joinwav_target.cpp

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
