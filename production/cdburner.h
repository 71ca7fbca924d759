#pragma once
// The job that burns the burn list as an audio CD: checks that it fits a
// disc, has a TrackPreparer (a part of this job) make one WAV per track,
// writes the table of contents, runs "cdrdao write" and follows its output,
// then removes the working files. Or, instead of burning, leaves the
// tracks and their table of contents in a folder for a later "cdrdao
// write". Progress counts the preparation's steps, then the tracks written.

#include "burnlist/saya.h"
#include "production/totaltime.h"
#include "production/trackpreparer.h"
#include "tools/job.h"
#include "tools/processwrap.h"

#include <QString>
#include <map>
#include <string>
#include <vector>

class Quran;

class CdBurner : public Job {
    Q_OBJECT
public:
    // Why a burn list cannot become a disc, found before any work is done.
    enum class Refusal { None, TooLong, Empty, TooManyTracks };
    enum class Result { Done, Refused, PreparationFailed, TocFailed, WriterFailed, MediumNotWritable, Cancelled };

    static constexpr int kMaxTracks = 99;  // the CD format numbers tracks 1..99

    struct Writer {
        QString device;  // cdrdao's --device; empty when no writer was found
        int writingSpeed = 4;
    };

    explicit CdBurner(Quran* quran, QObject* parent = nullptr);
    ~CdBurner() override;

    // Checked in this order: too long (the disc measured from the burn list
    // does not fit, DiscTime::Fits), empty, more tracks than a CD can number.
    static Refusal Check(const DiscTime& disc, const std::vector<saya>& burnList);
    // The text telling the user what to do about a refusal (plain text).
    static QString RefusalText(Refusal refusal);

    static QString TocPath();  // "./temp/temp.toc"
    static constexpr const char* kFolderTocName = "quran.toc";

    // Starts the whole burn; false, with nothing started, when Check refuses.
    bool Burn(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const DiscTime& disc,
              const Writer& writer);
    // The same checks and tracks, put into `folder` (created if need be)
    // beside a table of contents kFolderTocName whose FILE lines name them
    // there. The folder changes only once everything is ready: a failure
    // leaves an earlier disc in it as it was.
    bool PrepareDiscFolder(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                           const DiscTime& disc, const QString& folder);

    // A tool (also the writer) silent this long is stopped.
    void SetStallSeconds(int seconds) { stallSeconds = seconds; }
    // How many tools make tracks at once (default: one per core).
    void SetToolsAtOnce(int tools) { toolsAtOnce = tools; }
    // The basmala and the recitation speed of the tracks.
    void SetPlayOptions(const PlayOptions& options) { play = options; }

    bool CancelSpoils() const override { return writing; }
    bool WritingDisc() const { return writing; }
    const std::vector<std::string>& TrackList() const { return trackList; }
    Result BurnResult() const { return result; }
    // The last log line of the job: how it ended.
    QString EndLine() const { return endLine; }

    // The log line of a failed burn.
    static QString FailureLine(const QString& reason);

signals:
    // The disc cannot take this burn. Sent while the writer still runs; it
    // is stopped once every slot connected here has returned (the window's
    // box has been closed).
    void MediumRefused();

protected:
    void Begin() override;
    void Stop() override;
    void CancelledBeforeBegin() override;

private:
    bool StartJob(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const DiscTime& disc);
    void TracksPrepared();
    void StartWriter();
    void WriterLine(const QString& line);
    void WriterEnded();
    void FillFolder();
    QString WriterFailure() const;
    void End(Result result, const QString& line);

    TrackPreparer preparer;
    ProcessWrap writerRun;
    Writer writer;
    QString folder;  // set: the tracks go into this folder instead of onto a disc
    std::vector<saya> list;
    std::map<int, int> reps;
    std::vector<std::string> trackList;
    QString endLine;
    Result result = Result::Done;
    int preparationSteps = 0;
    int tracksToWrite = 0;
    int tracksStarted = 0;
    int stallSeconds = TrackPreparer::kStallSeconds;
    int toolsAtOnce = 0;  // 0: one per core
    PlayOptions play;
    bool writing = false;
    bool mediumRefused = false;
};
