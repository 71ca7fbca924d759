#pragma once
// The recipe of a track: the chain of steps that makes it, from taking its
// recordings (and, with a translation chosen, their translations) out of
// their packs to the finished WAV (CD mode) or MP3 (MP3 mode), and the
// shared recordings every track may need (the one-second
// silence and the basmala). Steps are in-process work or tool command
// lines with the check of what the tool left; running them is the
// scheduler's business.

#include "production/joinlist.h"
#include "production/mp3set.h"
#include "production/trackplan.h"
#include "production/trackscript.h"
#include "tools/stepscheduler.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class Mp3Decoder;
class Quran;

// How a track job makes its tracks.
struct TrackOptions {
    bool mp3 = false;
    QString mp3Dir;    // MP3 mode: the output folder text as the user gave it
    int bitrate = 64;  // MP3 mode: kbit/s
    int parallel = 1;  // tools run at once
    int stallSeconds = 60;   // a tool silent this long is stopped
    Mp3SetOptions set = {};  // MP3 mode: album name and numbered file names
    PlayOptions play = {};   // the basmala, the recitation speed and the translation
};

// The silence and basmala recordings, made once per job before any track.
struct SharedRecordings {
    Work work;
    QString silenceProblem;  // why the silence recording could not be made
    QString basmalaProblem;  // why the basmala's recording could not be made
    // A shared step failed: only the tracks that need that recording fail for it.
    void Failed(const Step& step, const QString& why);
};

// One track's work and what its steps learn on the way.
struct TrackWork : Work {
    const PlannedTrack* track = nullptr;
    int position = 0;              // in disc order, from 0
    double seconds = 0;            // how long the finished track plays
    JoinExpectation expected;      // what the join must make
    QString fileName;              // MP3 mode: the file's name in the set
    QString encoded;               // MP3 mode: where lame makes it
    QString target;                // MP3 mode: where it goes once good
    QStringList heldLog;           // lines waiting for the tracks before this one
};

class TrackRecipe {
    Q_DECLARE_TR_FUNCTIONS(TrackRecipe)

public:
    TrackRecipe(Quran& quran, const TrackOptions& options, const std::vector<PlannedTrack>& plan);
    ~TrackRecipe();

    std::vector<Step> SharedSteps(SharedRecordings& shared) const;
    // The steps of `work` (its track, position and MP3 names set here).
    void Fill(TrackWork& work, const PlannedTrack& track, int position, const SharedRecordings& shared) const;
    // The name a track is known by in the log: its title, or its key.
    static QString Title(const PlannedTrack& track);

private:
    bool NeedsBasmala() const;
    std::vector<Step> DecodeSteps(Quran& packs, const std::string& entry, const QString& recording, int part,
                                  bool stretch, const Step::Describe& failure) const;
    std::vector<Step> SharedRecordingChecks(const PlannedTrack& track, const QString& title,
                                            const SharedRecordings& shared) const;
    std::vector<Step> JoinSteps(TrackWork& work, const QString& title) const;
    Step EncodeStep(TrackWork& work) const;
    JoinInputs InputsOf(const PlannedTrack& track) const;
    Problem FinishTrack(TrackWork& work) const;

    Quran& quran;
    const TrackOptions& options;
    const std::vector<PlannedTrack>& plan;
    std::unique_ptr<Quran> translation;  // the translation's packs, with a translation chosen
    std::unique_ptr<Mp3Decoder> decoder;  // one decoder handle for every recording of the job
};
