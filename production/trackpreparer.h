#pragma once
// Turns a burn list into one WAV per track in the temp folder (CD mode) or
// into MP3 files in a chosen folder (MP3 mode), through lame and joinwav run
// by the process runner. Reports its log lines, status line and progress by
// signals; the window shows them in the progress dialog, norvane-make on the
// terminal.

#include "burnlist/saya.h"
#include "library/packarchive.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

class ProcessWrap;
class Quran;
struct PlannedTrack;

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
    // Whatever the outcome, no other file of the job stays in the temp
    // folder, and after a failure not even the track WAVs.
    bool Run(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const Job& job);

    // Bare WAV names of the finished tracks in disc order.
    const std::vector<std::string>& TrackList() const { return trackList; }
    // One line per track or file that could not be made, naming it and why.
    const QStringList& Failures() const { return failures; }
    // The pack of the last extraction (the window keeps it as its current pack).
    const PackArchive& LastPack() const { return lastPack; }

    // Removes the finished track WAVs left in CD mode.
    void RemoveTrackFiles();

    // The tracks that could not be made in the last run, by title.
    const QStringList& FailedTracks() const { return failedTracks; }
    // Where a finished track WAV lies: the temp folder text, one more
    // separator, the bare name ("./temp//group.1.wav").
    static QString TrackPath(const std::string& wavName);

    // An audio CD track must play at least this long; CD mode pads shorter
    // tracks with silence at their end.
    static constexpr double kMinimumCdTrackSeconds = 4.0;

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
    enum class Output { Wav, Mp3 };

    void MakeGroupTrack(const PlannedTrack& track, int& decoded, int total);
    void MakeSingleTrack(const PlannedTrack& track);
    // Extracts and decodes an aya's recording; empty when done, else why not.
    QString PrepareAya(const saya& entry);
    bool PrepareSilence();
    bool JoinAyaBlock(const saya& entry, const QString& output);
    bool Join(const QStringList& inputs, const QString& output, const QString& what);
    bool FinishTrack(const PlannedTrack& track, const QString& wavPath);
    bool Encode(const QString& wavPath, const PlannedTrack& track);
    // Runs a tool that should leave `output`; empty when it did, else why not.
    QString RunTool(QStringList args, const QString& output, Output kind);
    void Report(const QString& line);
    void TrackFailed(const PlannedTrack& track, const QString& wavPath);
    void RemoveAyaFiles(const saya& entry);
    void RemoveJobFiles(const std::vector<PlannedTrack>& plan, bool keepTracks);
    QString FinalLine(size_t trackCount) const;

    ProcessWrap* runner;
    Quran* quran;
    std::vector<std::string> trackList;
    QStringList failures;
    PackArchive lastPack;

    Job job;
    bool silenceReady = false;
    QString silenceProblem;
    QStringList failedTracks;
    QSet<QString> unstartable;  // tools that could not be started in this run
};

// Writes the pack entry `name` into the file dir + name, activating the pack
// that holds it (silence.mp3: the pack of the first available sura). Returns
// the activated pack through `pack`. False when the entry is missing or empty,
// the name is not a bare file name, or the file cannot be written; then no
// file is left at the path and `error` (when given) says why.
bool WritePackEntry(Quran& quran, const std::string& name, const std::string& dir, PackArchive* pack,
                    std::string* error = nullptr);
