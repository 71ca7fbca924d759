#pragma once
// Burns the burn list as an audio CD: checks that it fits a disc, has track
// preparation make one WAV per track, writes the table of contents, runs
// "cdrdao write" on a runner of its own and follows its output, then
// removes the working files. Or, instead of burning, leaves the tracks and
// their table of contents in a folder for a later "cdrdao write". The job
// runs in the background of the event loop and reports through signals;
// the window shows them in the progress dialog, norvane-make on the terminal.

#include "burnlist/saya.h"
#include "production/totaltime.h"
#include "production/trackpreparer.h"
#include "tools/processwrap.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

class Quran;

class CdBurner : public QObject {
    Q_OBJECT
public:
    // Why a burn list cannot become a disc, found before any work is done.
    enum class Refusal { None, TooLong, Empty, TooManyTracks };
    enum class Result { Done, Refused, PreparationFailed, TocFailed, WriterFailed, MediumNotWritable, Cancelled };

    static constexpr int kMaxTracks = 99;  // the CD format numbers tracks 1..99

    struct Writer {
        QString device;  // cdrdao's --device; empty when no writer was found
        int speed = 4;
    };

    explicit CdBurner(Quran* quran, QObject* parent = nullptr);

    // Checked in this order: too long (the disc measured from the burn list
    // does not fit, DiscTime::Fits), empty, more tracks than a CD can number.
    static Refusal Check(const DiscTime& disc, const std::vector<saya>& burnList);
    // The text telling the user what to do about a refusal (plain text).
    static QString RefusalText(Refusal refusal);

    static QString TocPath();  // "./temp/temp.toc"
    static constexpr const char* kFolderTocName = "quran.toc";
    // The writer's command line. CD-TEXT is written only with the driver
    // option 0x10; without it cdrdao drops the titles without a word.
    static QStringList WriterCommand(const QString& device, int speed, const QString& tocPath);

    // Starts the whole burn; false, with nothing started, when Check refuses.
    // Finished follows; the working files are removed whatever happened.
    bool Burn(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const DiscTime& disc,
              const Writer& writer);
    // The same checks and tracks, moved into `folder` (created if need be)
    // beside a table of contents kFolderTocName whose FILE lines name them
    // there. Nothing of the job stays in the temp folder.
    bool PrepareDiscFolder(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                           const DiscTime& disc, const QString& folder);
    // Stops the job; Finished(Cancelled) follows. During WritingDisc the
    // caller should ask first: a disc stopped half-way is spoilt.
    void Cancel();

    // A tool (also the writer) silent this long is stopped; see TrackPreparer.
    void SetStallSeconds(int seconds) { stallSeconds = seconds; }
    // The basmala and the recitation speed of the tracks.
    void SetPlayOptions(const PlayOptions& options) { play = options; }

    bool WritingDisc() const { return writing; }
    const std::vector<std::string>& TrackList() const { return trackList; }
    // The last log line of the job: how it ended.
    QString EndLine() const { return endLine; }

    // The log line of a failed burn.
    static QString FailureLine(const QString& reason);

public slots:
    // The writer printed "writing track": the next track is being written.
    // Ignored outside the writer's run and past the last track.
    void TrackStarted();
    // The writer printed "to be written": the disc cannot take this burn.
    // Logs it, lets the owner tell the user (MediumRefusedNotice), then
    // stops the writer. Ignored outside the writer's run.
    void MediumNotWritable();

signals:
    void StatMsg(QString line);
    void StatusLine(QString text);
    void ProgressChanged(int value, int total);
    void CannotRun(const QString& program);
    // Emitted while the writer still runs; it is stopped once every slot
    // connected here has returned (the window's box has been closed).
    void MediumRefusedNotice();
    void Finished(CdBurner::Result result);

private:
    void StartPreparing(const std::vector<saya>& burnList, const std::map<int, int>& groupReps);
    void TracksPrepared(bool ok);
    void StartWriter();
    void WriterEnded();
    void FillFolder();
    QString MoveTracks(const QString& folder);
    QString WriterFailure() const;
    void End(Result result, const QString& line);
    void RemoveWorkingFiles();

    TrackPreparer preparer;
    ProcessWrap writerRun;
    Writer writer;
    QString folder;  // set: the tracks go into this folder instead of onto a disc
    std::vector<std::string> trackList;
    QString endLine;
    int tracksStarted = 0;
    int stallSeconds = TrackPreparer::kStallSeconds;
    PlayOptions play;
    bool running = false;
    bool writing = false;
    bool mediumRefused = false;
};
