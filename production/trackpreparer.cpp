#include "production/trackpreparer.h"

#include "production/totaltime.h"
#include "library/locations.h"
#include "library/packarchive.h"
#include "library/quran.h"
#include "production/jobfiles.h"
#include "production/mp3publisher.h"
#include "production/translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace {

// The final line names at most this many failed tracks, a refusal at most
// this many ayas.
constexpr int kNamedFailures = 20;
constexpr int kNamedAyas = 10;

QString Named(const QStringList& names, int most) {
    QStringList named = names.mid(0, most);
    if (names.size() > most)
        //: Ends a list of names cut short: "002.001, 002.002, and 5 more".
        named << QCoreApplication::translate("TrackPreparer", "and %1 more").arg(QString::number(names.size() - most));
    return named.join(", ");
}

QString TranslationRefusal(const std::vector<saya>& burnList, const QString& name) {
    if (const Problem problem = Translation::CheckInstalled(name))
        return QCoreApplication::translate("TrackPreparer",
                                           "The translation after each aya cannot be played: %1. Please install it, "
                                           "or choose \"none\" as the translation after each aya.")
            .arg(problem.Text());
    const QStringList missing = Translation::Missing(*Translation::Open(name), burnList);
    if (missing.isEmpty()) return QString();
    const QString named = Named(missing, kNamedAyas);
    if (missing.size() == 1)
        return QCoreApplication::translate("TrackPreparer",
                                           "The translation \"%1\" has no recording of aya %2. Please install the "
                                           "packs that hold them, or choose \"none\" as the translation after each "
                                           "aya.")
            .arg(name, named);
    return QCoreApplication::translate("TrackPreparer",
                                       "The translation \"%1\" has no recording of the ayas %2. Please install the "
                                       "packs that hold them, or choose \"none\" as the translation after each aya.")
        .arg(name, named);
}

}  // namespace

TrackPreparer::TrackPreparer(Quran* quran, QObject* parent) : Job(parent), quran(quran) {}

TrackPreparer::~TrackPreparer() {
    if (!Running()) return;
    // Destroyed while it runs: the scheduler's tools die with it, and
    // nothing of the job stays.
    scheduler.reset();
    RemoveWorkingFiles(false);
}

QString TrackPreparer::TempFolder() { return JobFiles::Folder(); }

QString TrackPreparer::TrackPath(const std::string& wavName) { return JobFiles::TrackPath(wavName); }

QString TrackPreparer::PlayRefusal(const Quran& quran, const std::vector<saya>& burnList, const PlayOptions& play) {
    if (play.basmala && std::any_of(burnList.begin(), burnList.end(), OpensWithBasmala) &&
        !quran.PackForSura(1).Holds(kBasmalaKey + ".mp3"))
        return tr("The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. "
                  "Please install the pack of Al-Fatiha, or turn \"Basmala before aya 1\" off.");
    return play.Translates() ? TranslationRefusal(burnList, play.translation) : QString();
}

QString TrackPreparer::Mp3Refusal(const QString& dir, const std::vector<saya>& burnList) {
    // Only a folder will do: a file of that name cannot take the MP3s.
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) return tr("Please choose a valid dir to output your mp3 tracks!");
    if (burnList.empty()) return EmptyListRefusal();
    return QString();
}

// --- running the job ---------------------------------------------------------

void TrackPreparer::Start(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                          const Options& newOptions) {
    if (Running()) return;  // one job at a time; the running one goes on
    options = newOptions;
    plan = PlanTracks(burnList, groupReps);
    Launch();
}

void TrackPreparer::Begin() {
    // The steps name files in the job's own folder, so it comes first. Files
    // of a run that was killed half-way must not pass for this run's.
    folderProblem = Locations::Current().BeginJob();
    recipe = std::make_unique<TrackRecipe>(*quran, options, plan);
    scheduler = std::make_unique<StepScheduler>(options.parallel, options.stallSeconds);
    connect(scheduler.get(), &StepScheduler::CannotRun, this, &TrackPreparer::ReportCannotRun);
    scheduler->onLog = [this](Work& work, const QString& line) {
        if (&work == &shared.work) return Job::Log(line);
        Log(static_cast<TrackWork&>(work), line);
    };
    scheduler->onFailed = [this](Work& work, const Step& step, const QString& why) { Failed(work, step, why); };
    scheduler->onStepCounted = [this] { SetProgress(++stepsDone, stepTotal); };
    scheduler->onWorkDone = [this](Work& work) {
        if (&work == &shared.work) return;
        auto& track = static_cast<TrackWork&>(work);
        JobFiles::RemoveTrack(*track.track, !track.failed && !track.stopped && !options.mp3);
        ConcludeInOrder();
    };
    scheduler->onAllDone = [this] { AllDone(); };
    publisher = options.mp3 ? std::make_unique<Mp3Publisher>(options.mp3Dir, options.set, int(plan.size())) : nullptr;

    shared = SharedRecordings();
    shared.work.steps = recipe->SharedSteps(shared);
    works.clear();
    for (const PlannedTrack& track : plan) {
        works.push_back(std::make_unique<TrackWork>());
        recipe->Fill(*works.back(), track, int(works.size() - 1), shared);
    }
    shownTrack = 0;
    stepsDone = tracksMade = 0;
    stepTotal = int(shared.work.steps.size());
    for (const auto& work : works) stepTotal += int(work->steps.size());
    trackList.clear();
    failures.clear();
    failedTracks.clear();

    SetStatus(options.mp3 ? tr("Creating MP3 tracks ...") : tr("Creating tracks ..."));
    SetProgress(0, stepTotal);
    if (folderProblem) {
        failures << folderProblem.Text();
        Job::Log(failures.back());
        for (const PlannedTrack& track : plan) failedTracks << TrackRecipe::Title(track);
        return AllDone();
    }
    Job::Log(tr("Setting up tracks"));
    std::vector<Work*> order;
    for (const auto& work : works) order.push_back(work.get());
    scheduler->Run(&shared.work, order);
}

void TrackPreparer::CancelledBeforeBegin() {
    Job::Log(CancelledLine(0, int(plan.size())));
    Conclude(Outcome::Cancelled);
}

void TrackPreparer::Stop() {
    if (scheduler) scheduler->Stop();
}

void TrackPreparer::Failed(Work& work, const Step& step, const QString& why) {
    if (&work == &shared.work) return shared.Failed(step, why);
    failures << (step.failure ? step.failure(why) : why);
    Log(static_cast<TrackWork&>(work), failures.back());
}

void TrackPreparer::Log(TrackWork& work, const QString& line) {
    work.heldLog << line;
    ConcludeInOrder();
}

void TrackPreparer::ConcludeInOrder() {
    while (shownTrack < works.size()) {
        TrackWork& work = *works[shownTrack];
        // A made MP3 waits for the tracks before it; after a Cancel it
        // stays out of the folder.
        if (work.done && options.mp3 && !work.failed && !work.stopped) {
            if (CancelRequested())
                work.stopped = true;
            else
                Publish(work);
        }
        for (const QString& line : std::exchange(work.heldLog, {})) Job::Log(line);
        if (!work.done) break;
        if (!work.failed && !work.stopped) ++tracksMade;
        if (work.failed) failedTracks << TrackRecipe::Title(*work.track);
        ++shownTrack;
    }
}

void TrackPreparer::Publish(TrackWork& work) {
    const Problem problem = publisher->Publish(*work.track, work.position, work.encoded, work.fileName, work.seconds);
    if (!problem) return;
    work.failed = true;
    failures << problem.About(work.fileName).Text();
    work.heldLog << failures.back();
}

void TrackPreparer::AllDone() {
    const bool cancelled = CancelRequested();
    // The set's playlist follows what the folder now holds, also after a
    // failure; a Cancel leaves the earlier one alone.
    if (publisher && !cancelled && publisher->AnyPublished())
        if (const Problem problem = publisher->WritePlaylist(plan)) {
            failures << problem.Text();
            Job::Log(failures.back());
        }
    const bool ok = failures.isEmpty() && !cancelled;
    // Only a whole set of CD tracks stays in the job's folder to be named.
    if (ok && !options.mp3)
        for (const auto& work : works) trackList.push_back(work->track->wavName);
    // CD tracks wait in the job's folder for the writer; nothing else stays.
    RemoveWorkingFiles(ok && !options.mp3);
    if (cancelled)
        Job::Log(CancelledLine(tracksMade, int(works.size())));
    else if (!ok)
        Job::Log(FinalLine());
    else if (options.mp3)
        Job::Log(tr("All done creating MP3 tracks!"));
    Conclude(cancelled ? Outcome::Cancelled : ok ? Outcome::Done : Outcome::Failed, failures);
}

void TrackPreparer::RemoveWorkingFiles(bool keepTracks) {
    if (!keepTracks) return Locations::Current().EndJob();
    for (const QString& name : {QStringLiteral("silence"), QStringLiteral("basmala")}) JobFiles::RemoveRecording(name);
}

QString TrackPreparer::FinalLine() const {
    if (failedTracks.isEmpty()) return tr("Failed: %1").arg(failures.value(0));
    return tr("Failed to make %1 of %2 tracks: %3")
        .arg(QString::number(failedTracks.size()), QString::number(works.size()), Named(failedTracks, kNamedFailures));
}

QString TrackPreparer::CancelledLine(int made, int total) {
    return tr("Cancelled after %1 of %2 tracks.").arg(QString::number(made), QString::number(total));
}

QString TrackPreparer::EmptyListRefusal() { return tr("Please add some sura(s) or aya(s) to memorize!"); }
