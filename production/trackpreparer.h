#pragma once
// Turns a burn list into one WAV per track in the temp folder (CD mode) or
// into MP3 files in a chosen folder (MP3 mode), through lame and joinwav.
// The job runs in the background of the event loop: Start returns at once,
// Finished follows. Each track is a chain of steps (take the recordings out
// of their packs, decode, join, encode); up to Job::parallel tracks are
// worked on at once, each running one tool at a time. Log lines come out in
// disc order whatever order the tracks finish in.

#include "burnlist/saya.h"
#include "production/cdaudio.h"
#include "production/mp3set.h"
#include "production/trackplan.h"
#include "production/trackscript.h"
#include "tools/problem.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ProcessWrap;
class QAudio;
class Quran;
struct WavInfo;
class ToolPool;

class TrackPreparer : public QObject {
    Q_OBJECT
public:
    // A tool that neither prints nor writes for this long has stopped
    // responding (cdrdao prints its progress every second while it writes).
    static constexpr int kStallSeconds = 60;

    struct Job {
        bool mp3 = false;
        QString mp3Dir;    // MP3 mode: the output folder text as the user gave it
        int bitrate = 64;  // MP3 mode: kbit/s
        int parallel = 1;  // tracks worked on at once
        int stallSeconds = kStallSeconds;  // a tool silent this long is stopped
        Mp3SetOptions set = {};  // MP3 mode: album name and numbered file names
        PlayOptions play = {};   // the basmala and the recitation speed
    };

    explicit TrackPreparer(Quran* quran, QObject* parent = nullptr);
    ~TrackPreparer() override;

    // Starts the whole preparation; Finished follows, never before Start
    // has returned. In CD mode a successful job leaves the track WAVs in the
    // temp folder, named by TrackList(); whatever the outcome, no other file
    // of the job stays there, and after a failure not even the track WAVs.
    // Ignored while a job of this preparer runs.
    void Start(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const Job& job);
    // Kills the running tools, removes what they had half made and the
    // job's working files; Finished(false) follows. MP3 files finished
    // before stay whole in their folder.
    void Cancel();

    bool Cancelled() const { return cancelled; }

    // Bare WAV names of the finished tracks in disc order.
    const std::vector<std::string>& TrackList() const { return trackList; }
    // One line per track or file that could not be made, naming it and why.
    const QStringList& Failures() const { return failures; }

    // Why an MP3 set of the burn list cannot be made in `dir`, in plain
    // text; empty when it can.
    static QString Mp3Refusal(const QString& dir, const std::vector<saya>& burnList);
    // Why the list cannot be played this way with the installed packs (the
    // basmala needs aya 1 of sura 1), in plain text; empty when it can.
    static QString PlayRefusal(const Quran& quran, const std::vector<saya>& burnList, const PlayOptions& play);

    // Where a finished track WAV lies: the temp folder text, one more
    // separator, the bare name ("./temp//group.1.wav").
    static QString TrackPath(const std::string& wavName);
    // An audio CD track must play at least this long; CD mode pads shorter
    // tracks with silence at their end.
    static constexpr double kMinimumCdTrackSeconds = 4.0;
    static constexpr int kCdRate = AudioCd::kRate;
    // A track is joined from at most this many pieces (a long group played
    // often), and must fit a WAV file (4 GiB).
    static constexpr qint64 kMaxJoinPieces = 1000000;
    static constexpr qint64 kMaxWavFrames = AudioCd::kMaxWavFrames;
    // How far a made MP3 may play from the track it was made of.
    static constexpr double kMp3LengthTolerance = 0.2;
    // The working folder of the job (see Locations), ending in a separator:
    // each running program has its own, so that two can work at once and
    // the leftovers of a killed one are known by its gone process.
    static QString TempFolder();

signals:
    void StatMsg(QString line);     // a log line
    void StatusLine(QString text);  // the dialog's one-line status
    void ProgressChanged(int value, int total);
    // A tool could not be started; said once per tool and job.
    void CannotRun(const QString& program);
    // The job is over; true only when every track was made.
    void Finished(bool ok);

private:
    struct Step;
    struct Work;

    std::vector<Step> StepsOf(Work& work, int position) const;
    std::vector<Step> SharedSteps() const;
    bool NeedsBasmala() const;
    std::vector<Step> DecodeSteps(const QString& name, int member, bool stretch, const QString& failure) const;
    std::vector<Step> SharedRecordingChecks(const PlannedTrack& track, const QString& title) const;
    static QString StretchedFile(const QString& name);
    QString PlayedFile(const QString& name) const;
    Step ToolStep(const QStringList& command, const QString& output, bool mp3, const QString& failure) const;
    std::vector<Step> JoinSteps(Work& work, const QString& what) const;
    QString WriteJoinList(Work& work, const QString& listPath) const;

    void Kick();
    void LaunchTracks();
    void Advance(Work& work);
    bool Skipped(const Work& work, const Step& step) const;
    bool StartTool(Work& work, const Step& step);
    void ToolEnded(Work& work, const Step& step, const ProcessWrap& run);
    QString OutputProblem(const Work& work, const Step& step) const;
    void StepFailed(Work& work, const Step& step, const QString& why);
    void StepCounted();
    void WorkDone(Work& work);
    void Log(Work& work, const QString& line);
    // Walks the tracks in disc order as far as they are done: publishes
    // each made MP3 (so the folder fills in playing order), counts it, and
    // shows its held log lines.
    void ConcludeInOrder();
    void Publish(Work& work);
    void WriteM3u8();
    void Finish();

    QString ExtractAya(const saya& entry) const;
    QString PublishMp3(double plannedSeconds, const QString& mp3, const QString& target);
    QString FinishTrack(const PlannedTrack& track) const;
    void RemoveTrackFiles(const PlannedTrack& track, bool keepWav) const;
    QString FinalLine() const;

    Quran* quran;
    std::unique_ptr<ToolPool> pool;
    std::unique_ptr<QAudio> lengthProbe;  // one decoder handle for every MP3 of the job
    Job job;
    std::vector<PlannedTrack> plan;
    std::vector<std::unique_ptr<Work>> works;  // one per planned track, in disc order
    std::unique_ptr<Work> silence;

    bool running = false;
    bool cancelled = false;
    Problem folderProblem;  // why the job's working folder could not be made
    bool launching = false;
    size_t nextTrack = 0;  // the next track to start
    size_t shownTrack = 0; // the first track not yet concluded
    int inFlight = 0;      // works started and not yet done
    int stepsDone = 0;
    int stepTotal = 0;
    int tracksMade = 0;

    QString silenceProblem;  // why the silence recording could not be made
    QString basmalaProblem;  // why the basmala's recording could not be made
    std::vector<SetEntry> published;  // MP3 mode: the files in the folder, in playing order
    std::vector<std::string> trackList;
    QStringList failures;
    QStringList failedTracks;
    QSet<QString> unstartable;  // tools that could not be started in this job
};

// Writes the pack entry `name` into the file dir + name (or dir + fileName
// when one is given), activating the pack that holds it (silence.mp3: the
// pack of the first available sura). False when the entry is missing or
// empty, the name is not a bare file name, or the file cannot be written;
// then no file is left at the path and `error` (when given) says why.
bool WritePackEntry(Quran& quran, const std::string& name, const std::string& dir, std::string* error = nullptr,
                    const std::string& fileName = std::string());
