#pragma once
// Turns a burn list into one WAV per track in the temp folder (CD mode) or
// into MP3 files in a chosen folder (MP3 mode), through lame and joinwav run
// by the process runner. Reports its log lines, status line and progress by
// signals; the window shows them in the progress dialog, norvane-make on the
// terminal.

#include "burnlist/saya.h"
#include "library/packarchive.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

class ProcessWrap;
class Quran;

class TrackPreparer : public QObject {
    Q_OBJECT
public:
    struct Job {
        bool mp3 = false;
        QString mp3Dir;   // MP3 mode: the output folder text as the user gave it
        int bitrate = 64; // MP3 mode: kbit/s
    };

    TrackPreparer(ProcessWrap* runner, Quran* quran, QObject* parent = nullptr);

    // The whole preparation. True only when every track was made; in CD mode
    // the track WAVs are then left in the temp folder, named by TrackList().
    bool Run(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const Job& job);

    // Bare WAV names of the finished tracks in disc order.
    const std::vector<std::string>& TrackList() const { return trackList; }
    // One line per track or file that could not be made, naming it and why.
    const QStringList& Failures() const { return failures; }
    // The pack of the last extraction (the window keeps it as its current pack).
    const PackArchive& LastPack() const { return lastPack; }

    // Removes the finished track WAVs left in CD mode.
    void RemoveTrackFiles();

    // The temp folder text, "./temp/" with the platform's separator.
    static QString TempFolder();
    // A tool's program path: beside this program first, else the bare name
    // for the usual program search.
    static QString ToolPath(const QString& name);

signals:
    void StatMsg(QString line);          // a log line
    void StatusLine(QString text);       // the dialog's one-line status
    void ProgressChanged(int value, int total);

private:
    ProcessWrap* runner;
    Quran* quran;
    std::vector<std::string> trackList;
    QStringList failures;
    PackArchive lastPack;
};

// Writes the pack entry `name` into the file dir + name, activating the pack
// that holds it (silence.mp3: the pack of the first available sura). Returns
// the activated pack through `pack`. False when the entry is missing or empty,
// or the file cannot be written.
bool WritePackEntry(Quran& quran, const std::string& name, const std::string& dir, PackArchive* pack);
