#include "production/jobfiles.h"

#include "library/locations.h"

#include <QDir>
#include <QFile>

namespace JobFiles {

QString Folder() { return Locations::Current().JobFolder(); }

QString File(const QString& name) { return Folder() + name; }

QString TrackPath(const std::string& wavName) { return Folder() + QDir::separator() + QString::fromStdString(wavName); }

QString JoinList(const std::string& wavName) { return TrackPath(wavName) + ".list"; }

QString Decoded(const QString& recording) { return File(recording + ".wav"); }
QString Stretched(const QString& recording) { return File(recording + ".speed.wav"); }
QString Translated(const QString& ayaKey) { return ayaKey + ".translation"; }
QString Played(const QString& recording, bool stretched) {
    return stretched ? Stretched(recording) : Decoded(recording);
}

void RemoveRecording(const QString& recording) {
    for (const QString& file : {Decoded(recording), Stretched(recording)}) QFile::remove(file);
}

void RemoveTrack(const PlannedTrack& track, bool keepWav) {
    for (const saya& entry : track.members) {
        // A malformed key never named a file, and must not be used to name one now.
        if (!EntryProblem(entry).empty()) continue;
        RemoveRecording(QString::fromStdString(entry.Key()));
        RemoveRecording(Translated(QString::fromStdString(entry.Key())));
    }
    if (track.wavName.empty()) return;
    QFile::remove(JoinList(track.wavName));
    if (!keepWav) QFile::remove(TrackPath(track.wavName));
}

}  // namespace JobFiles
