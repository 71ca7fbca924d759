// Fuzz targets for everything that reads a file a user may be handed: packs,
// MP3 recordings, playlists, the settings file, cdrdao's scan output and the
// icon archive; and joinwav's inputs (joinwav_target.cpp). One source, built once per target with NORVANE_FUZZ_TARGET
// naming the function below. With -DNORVANE_FUZZ=ON each is a libFuzzer
// program; otherwise main() replays the corpus files given as arguments
// (files or folders), which is how the test run keeps every saved input.

#include "app/packedimage.h"
#include "burnlist/playlist.h"
#include "library/packarchive.h"
#include "library/qaudio.h"
#include "production/drivescan.h"
#include "settings/qinifile.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

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
    static QAudio probe;
    const std::vector<char> bytes(data, data + size);
    const int ms = probe.GetLen(bytes);
    Check(ms >= 0 && (ms > 0 || probe.DecodedLength(bytes).rate == 0), "no decoded length for what is no recording");
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
