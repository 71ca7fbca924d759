#pragma once
// The job that turns a burn list into one WAV per track in the job's folder
// (CD mode) or into MP3 files in a chosen folder (MP3 mode). Each track is
// a chain of steps (see TrackRecipe) run by a StepScheduler, several
// tracks side by side; the tracks are concluded in disc order whatever
// order they finish in: their log lines shown, their MP3s published, so
// the folder fills in playing order.

#include "burnlist/saya.h"
#include "production/cdaudio.h"
#include "production/trackrecipe.h"
#include "tools/job.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Mp3Publisher;
class Quran;

class TrackPreparer : public Job {
    Q_OBJECT
public:
    // A tool that neither prints nor writes for this long has stopped
    // responding (cdrdao prints its progress every second while it writes).
    static constexpr int kStallSeconds = 60;
    using Options = TrackOptions;

    explicit TrackPreparer(Quran* quran, QObject* parent = nullptr);
    ~TrackPreparer() override;

    // Starts making the tracks; Finished follows. In CD mode a successful
    // job leaves the track WAVs in the job's folder, named by TrackList();
    // whatever the outcome, no other file of the job stays there, and after
    // a failure or a Cancel not even the track WAVs. MP3 files finished
    // before a Cancel stay whole in their folder. Ignored while running.
    void Start(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const Options& options);

    // CD mode, after a success: the bare WAV names of the tracks in disc
    // order. Empty otherwise.
    const std::vector<std::string>& TrackList() const { return trackList; }
    // One line per track or file that could not be made, naming it and why.
    const QStringList& Failures() const { return Reasons(); }

    // Why an MP3 set of the burn list cannot be made in `dir`, in plain
    // text; empty when it can.
    static QString Mp3Refusal(const QString& dir, const std::vector<saya>& burnList);
    // Why the list cannot be played this way with the installed packs (the
    // basmala needs aya 1 of sura 1, the translation must be installed and
    // hold every aya of the list), in plain text; empty when it can.
    static QString PlayRefusal(const Quran& quran, const std::vector<saya>& burnList, const PlayOptions& play);
    // The refusal of an empty burn list, for a disc too.
    static QString EmptyListRefusal();
    // The last log line of a job cancelled after `made` of `total` tracks.
    static QString CancelledLine(int made, int total);

    // Where a finished track WAV lies (see JobFiles::TrackPath).
    static QString TrackPath(const std::string& wavName);
    // An audio CD track must play at least this long; CD mode pads shorter
    // tracks with silence at their end.
    static constexpr double kMinimumCdTrackSeconds = 4.0;
    static constexpr int kCdRate = AudioCd::kRate;
    // A track must fit a WAV file (4 GiB).
    static constexpr qint64 kMaxWavFrames = AudioCd::kMaxWavFrames;
    // The working folder of the job (see Locations), ending in a separator.
    static QString TempFolder();

protected:
    void Begin() override;
    void Stop() override;
    void CancelledBeforeBegin() override;

private:
    void Failed(Work& work, const Step& step, const QString& why);
    void Log(TrackWork& work, const QString& line);
    // Walks the tracks in disc order as far as they are done: publishes
    // each made MP3, counts it, and shows its held log lines.
    void ConcludeInOrder();
    void Publish(TrackWork& work);
    void AllDone();
    void RemoveWorkingFiles(bool keepTracks);
    QString FinalLine() const;

    Quran* quran;
    Options options;
    std::vector<PlannedTrack> plan;
    std::unique_ptr<TrackRecipe> recipe;
    std::unique_ptr<StepScheduler> scheduler;
    std::unique_ptr<Mp3Publisher> publisher;
    std::vector<std::unique_ptr<TrackWork>> works;  // one per planned track, in disc order
    SharedRecordings shared;

    size_t shownTrack = 0;  // the first track not yet concluded
    int stepsDone = 0;
    int stepTotal = 0;
    int tracksMade = 0;
    Problem folderProblem;  // why the job's working folder could not be made
    std::vector<std::string> trackList;
    QStringList failures;
    QStringList failedTracks;
};
