// norvane-make: makes what the window makes, from a playlist file, without
// the window. It finds packs and works where the window does (see
// Locations): in its program folder when that is a portable one, else in
// the user's folders; --dir names a portable program folder to work in
// instead. Playlists are read by the same loader as "Load
// Playlist", and the jobs run the same core as the window, printing the
// progress dialog's log lines with the bar's figure in front.
//
// Exit status: 0 when everything asked for was done, 1 otherwise (wrong
// arguments included), 2 when plan's range names no ayas; the reason goes
// to standard error. SIGINT and
// SIGTERM stop a job as the window's Cancel does; the status is then 128
// plus the signal's number (130, 143). A second signal ends the program
// at once.
//
// Commands live in one table (Commands() below); adding one means writing a
// function with the CommandFn signature and adding its row.

#include "burnlist/burnlist.h"
#include "burnlist/playlist.h"
#include "production/totaltime.h"
#include "burnlist/ayabatch.h"
#include "library/locations.h"
#include "library/mushafdivisions.h"
#include "library/mp3probe.h"
#include "library/quran.h"
#include "library/recitation.h"
#include "cli/terminaljob.h"
#include "production/cdburner.h"
#include "production/cdrdao.h"
#include "production/drivescan.h"
#include "production/sliders.h"
#include "production/trackplan.h"
#include "production/trackpreparer.h"
#include "production/translation.h"
#include "tools/processwrap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;

int Fail(const QString& message) {
    Err() << "norvane-make: " << message << Qt::endl;
    return kFailed;
}

// The value of --NAME, which must be one of the slider's eight values; the
// slider's default when the option is absent. False (with a message) otherwise.
bool SliderValue(const QCommandLineParser& parser, const QString& name, const QString& unit, const int (&table)[8],
                 int defaultPosition, int* value) {
    *value = table[defaultPosition];
    if (!parser.isSet(name)) return true;
    bool number = false;
    *value = parser.value(name).toInt(&number);
    if (number && std::find(std::begin(table), std::end(table), *value) != std::end(table)) return true;
    QStringList allowed;
    for (int v : table) allowed << QString::number(v);
    Fail("--" + name + " must be one of " + allowed.join(", ") + unit);
    return false;
}

// --stall-seconds: a whole number of seconds, at least 1; the default when absent.
bool StallSeconds(const QCommandLineParser& parser, int* seconds) {
    *seconds = TrackPreparer::kStallSeconds;
    if (!parser.isSet("stall-seconds")) return true;
    bool number = false;
    *seconds = parser.value("stall-seconds").toInt(&number);
    if (number && *seconds >= 1) return true;
    Fail("--stall-seconds must be a whole number of seconds, at least 1");
    return false;
}

// --basmala, --translation NAME and --speed X (the recitation speed, 0.5
// to 1.5 in steps of 0.05). False (with a message) for a speed outside
// that or a translation that is not installed.
bool PlayOptionsOf(const QCommandLineParser& parser, PlayOptions* play) {
    play->basmala = parser.isSet("basmala");
    if (parser.isSet("translation")) {
        play->translation = parser.value("translation");
        if (const Problem problem = Translation::CheckInstalled(play->translation))
            return Fail("--translation: " + problem.Text()) == kDone;
    }
    if (!parser.isSet("speed")) return true;
    bool number = false;
    const double speed = parser.value("speed").toDouble(&number);
    // The window's rule: the same speeds are allowed in both.
    if (number && PlayOptions::SpeedAllowed(speed)) {
        play->speedPercent = PlayOptions::NearestAllowedSpeedPercent(speed);
        return true;
    }
    Fail("--speed must be a number from 0.5 to 1.5 in steps of 0.05");
    return false;
}

// Minutes, seconds and blocks of 1/75 s, as cdrdao writes a length: "79:59:74".
QString Msf(qint64 blocks) {
    const qint64 seconds = blocks / AudioCd::kBlocksPerSecond;
    return QString("%1:%2:%3")
        .arg(seconds / 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'))
        .arg(blocks % AudioCd::kBlocksPerSecond, 2, 10, QChar('0'));
}

// The program folder with its installed packs and a loaded playlist.
class Session {
public:
    Quran quran;
    BurnListCore burnCore;
    const std::vector<saya>& burnList = burnCore.List();
    std::map<int, int>& groupReps = burnCore.groupReps;

    // Loads as "Load Playlist" does; skipped and adjusted lines are reported.
    bool LoadPlaylist(const QString& path) {
        if (!QFileInfo(path).isFile()) return Fail("no playlist file " + path) == kDone;
        const PlaylistLoad load = LoadPlaylistFile(path);
        if (!load.ok()) return Fail("cannot read " + path + ": " + load.error) == kDone;
        const QString note = PlaylistLoadNote(load);
        if (!note.isEmpty()) Err() << "norvane-make: " << path << ": " << note << Qt::endl;
        burnCore.Replace(load);
        return true;
    }

    bool CanPlay(const PlayOptions& play) {
        const QString refusal = TrackPreparer::PlayRefusal(quran, burnList, play);
        return refusal.isEmpty() || Fail(refusal) == kDone;
    }

    bool HasPacks() {
        quran.Setup();
        if (!quran.AvailableSuras().empty()) return true;
        QStringList folders;
        for (const QString& folder : Locations::Current().PackFolders()) folders << QDir(folder).absolutePath();
        return Fail("no sura packs installed in " + folders.join(", ")) == kDone;
    }
};

// A command's positional arguments (after the command name) and options.
using CommandFn = std::function<int(Session&, const QStringList&, const QCommandLineParser&)>;

struct Command {
    QString name;
    QString arguments;    // for the usage text
    QString summary;
    int argumentCount;    // positional arguments after the command name
    QStringList options;  // names of the options it accepts, besides --dir
    CommandFn run;
};

// --- info -------------------------------------------------------------------

// One aya block: "002.255 x3 pause 2 + 1.5 x aya", and "+ translation"
// when the block ends with it.
QString BlockText(const saya& m, const PlayOptions& play) {
    QString text = QString("%1 x%2 pause %3").arg(QString::fromStdString(m.Key())).arg(PlayCount(m)).arg(PauseSeconds(m));
    if (m.lengthPauseQuarters > 0) text += QString(" + %1 x aya").arg(m.lengthPauseQuarters / 4.0);
    if (play.Translates()) text += " + translation";
    return text;
}

// What a track plays, in order: its passes (each stage of a build-up group
// with its members), the group's pause, where the basmala and the
// translations come.
QString TrackContents(const PlannedTrack& track, const PlayOptions& play) {
    const auto pass = [&](size_t members) {
        QStringList parts;
        for (size_t j = 0; j < members; ++j) {
            const saya& m = track.members[j];
            // The basmala comes where the aya is first heard.
            const bool first = !track.buildUp || j + 1 == members;
            parts << (play.basmala && first && OpensWithBasmala(m) ? "[basmala once] " : "") + BlockText(m, play);
        }
        QString text = parts.join(", ");
        if (track.group > 0 && track.groupPause > 0) text += QString(", group pause %1").arg(track.groupPause);
        return text;
    };
    if (track.group == 0) return pass(1);
    if (!track.buildUp) return QString("(%1) x%2").arg(pass(track.members.size())).arg(track.passes);
    QStringList stages;
    for (size_t k = 1; k <= track.members.size(); ++k)
        stages << QString("stage %1: (%2) x%3").arg(k).arg(pass(k)).arg(track.passes);
    return stages.join("; ");
}

int Info(Session& session, const QStringList& args, const QCommandLineParser& parser) {
    PlayOptions play;
    if (!PlayOptionsOf(parser, &play) || !session.LoadPlaylist(args[0])) return kFailed;
    session.quran.Setup();
    Mp3Probe audio;
    TotalTime times(PackLengthSource(session.quran, audio));

    const std::vector<PlannedTrack> plan = PlanTracks(session.burnList, session.groupReps);
    const DiscTime disc = times.Disc(session.burnList, session.groupReps, play);
    QStringList missing, untranslated;
    for (size_t i = 0; i < plan.size(); ++i) {
        for (const saya& m : plan[i].members) {
            if (times.Length(m.Key()).frames == 0) missing << QString::fromStdString(m.Key());
            if (play.Translates() && times.Length(Translation::LengthKey(play.translation, m.Key())).frames == 0)
                untranslated << QString::fromStdString(m.Key());
        }
        Out() << QString("%1  %2  %3  %4")
                     .arg(i + 1, 3)
                     .arg(QString::fromStdString(plan[i].Title()), -20)
                     .arg(Msf(disc.trackBlocks[i]), 8)
                     .arg(TrackContents(plan[i], play))
              << '\n';
    }
    Out() << "Total: " << Msf(disc.Blocks()) << " in " << plan.size()
          << " track(s) with the 2-second pause before track 1; the tracks take " << disc.trackTotal << " of the "
          << AudioCd::kCapacityBlocks << " blocks an 80-minute CD-R holds\n";
    const bool tooMany = int(plan.size()) > CdBurner::kMaxTracks;
    if (disc.Fits() && !tooMany)
        Out() << "Fits an audio CD: yes\n";
    else
        Out() << "Fits an audio CD: no" << (disc.Fits() ? "" : ", more than 80 minutes")
              << (tooMany ? QString(", more than %1 tracks").arg(CdBurner::kMaxTracks) : QString()) << '\n';
    Out().flush();
    if (!missing.isEmpty())
        Err() << "norvane-make: no recording in the installed packs (counted as 0 s): " << missing.join(", ")
              << Qt::endl;
    if (!untranslated.isEmpty())
        Err() << "norvane-make: no recording in the translation " << play.translation
              << " (counted as 0 s): " << untranslated.join(", ") << Qt::endl;
    return kDone;
}

// --- mp3 --------------------------------------------------------------------

int Mp3(Session& session, const QStringList& args, const QCommandLineParser& parser) {
    int bitrate = 0, stallSeconds = 0;
    PlayOptions play;
    if (!SliderValue(parser, "bitrate", " (kbit/s)", bitrateTable, kDefaultBitratePosition, &bitrate) ||
        !StallSeconds(parser, &stallSeconds) || !PlayOptionsOf(parser, &play))
        return kFailed;
    const QString outDir = args[1];
    if (!session.LoadPlaylist(args[0])) return kFailed;
    const QString refusal = TrackPreparer::Mp3Refusal(outDir, session.burnList);
    if (!refusal.isEmpty()) return Fail(refusal + " (" + args[0] + ", " + outDir + ")");
    if (!session.HasPacks() || !session.CanPlay(play)) return kFailed;

    TrackPreparer preparer(&session.quran);
    TrackPreparer::Options options;
    options.mp3 = true;
    options.mp3Dir = outDir;
    options.bitrate = bitrate;
    options.stallSeconds = stallSeconds;
    options.parallel = QThread::idealThreadCount();
    options.set.album = QFileInfo(args[0]).completeBaseName();
    options.set.numbered = parser.isSet("numbered");
    options.play = play;
    return RunJobOnTerminal(preparer, {"norvane-make"},
                            [&] { preparer.Start(session.burnList, session.groupReps, options); });
}

// --- toc and cd -------------------------------------------------------------

// Loads the playlist and applies the window's checks before any work: the
// disc's length (measured from the packs as the window measures), an empty
// list, the 99 tracks. Gives the disc.
bool LoadForCd(Session& session, const QString& playlist, const PlayOptions& play, DiscTime* disc) {
    if (!session.LoadPlaylist(playlist) || !session.HasPacks() || !session.CanPlay(play)) return false;
    Mp3Probe audio;
    TotalTime times(PackLengthSource(session.quran, audio));
    *disc = times.Disc(session.burnList, session.groupReps, play);
    const CdBurner::Refusal refusal = CdBurner::Check(*disc, session.burnList);
    if (refusal == CdBurner::Refusal::None) return true;
    return Fail(CdBurner::RefusalText(refusal).replace('\n', ' ') + " (" + playlist + ", " + Msf(disc->Blocks()) +
                ")") == kDone;
}

// The burn's progress, and the unwritable disc's notice where the window
// would show its box.
int RunBurner(CdBurner& burner, const std::function<void()>& start) {
    QObject::connect(&burner, &CdBurner::MediumRefused,
                     [] { Fail(Cdrdao::MediumRefusedNotice().replace('\n', ' ')); });
    QObject::connect(&burner, &Job::Finished, [&burner] {
        if (burner.BurnResult() == CdBurner::Result::WriterFailed) Fail(burner.EndLine());
    });
    return RunJobOnTerminal(burner, {"norvane-make"}, start);
}

int Toc(Session& session, const QStringList& args, const QCommandLineParser& parser) {
    DiscTime disc;
    int stallSeconds = 0;
    PlayOptions play;
    if (!StallSeconds(parser, &stallSeconds) || !PlayOptionsOf(parser, &play) ||
        !LoadForCd(session, args[0], play, &disc))
        return kFailed;
    CdBurner burner(&session.quran);
    burner.SetStallSeconds(stallSeconds);
    burner.SetPlayOptions(play);
    const int status =
        RunBurner(burner, [&] { burner.PrepareDiscFolder(session.burnList, session.groupReps, disc, args[1]); });
    if (status != kDone) return status;
    const QString toc = QDir::toNativeSeparators(QDir(args[1]).absoluteFilePath(CdBurner::kFolderTocName));
    Out() << "Burn it with: " << Cdrdao::WriteHint(toc) << Qt::endl;
    return kDone;
}

int Cd(Session& session, const QStringList& args, const QCommandLineParser& parser) {
    int writingSpeed = 0, stallSeconds = 0;
    PlayOptions play;
    if (!SliderValue(parser, "write-speed", "", writingSpeedTable, kDefaultWritingSpeedPosition, &writingSpeed) ||
        !StallSeconds(parser, &stallSeconds) || !PlayOptionsOf(parser, &play))
        return kFailed;
    DiscTime disc;
    if (!LoadForCd(session, args[0], play, &disc)) return kFailed;

    if (const Problem problem = Cdrdao::CanRun()) return Fail(problem.Text());
    QString device = parser.value("device");
    if (!parser.isSet("device")) {
        ProcessWrap scan;
        scan.SetStallLimit(stallSeconds);
        scan.RunCommand(Cdrdao::ScanCommand());
        scan.WaitForDone();
        const std::vector<DriveEntry> drives = ParseScanOutput(scan.GetText());
        if (drives.empty()) return Fail("no CD writer found; name one with --device");
        device = drives.front().address;
        Out() << "Writer: " << drives.front().label << Qt::endl;
    }
    CdBurner burner(&session.quran);
    burner.SetStallSeconds(stallSeconds);
    burner.SetPlayOptions(play);
    return RunBurner(burner, [&] {
        burner.Burn(session.burnList, session.groupReps, disc, CdBurner::Writer{device, writingSpeed});
    });
}

// --- plan -------------------------------------------------------------------

// A selection that names no ayas (juz 31, page 0, 2:300) or more groups than
// a list holds.
constexpr int kBadSelection = 2;

// The options that choose plan's ayas, with the division their numbers
// count; --ayas counts ayas.
const std::pair<const char*, std::optional<Division>> kSelections[] = {
    {"suras", Division::Sura}, {"juz", Division::Juz},     {"hizb", Division::Hizb},
    {"quarter", Division::Quarter}, {"pages", Division::Page}, {"ayas", std::nullopt}};

// --NAME as a whole number from min to max; the default when absent. False
// (with a message) otherwise.
bool WholeNumber(const QCommandLineParser& parser, const QString& name, int min, int max, int* value) {
    if (!parser.isSet(name)) return true;
    bool number = false;
    *value = parser.value(name).toInt(&number);
    if (number && *value >= min && *value <= max) return true;
    Fail(QString("--%1 must be a whole number from %2 to %3").arg(name).arg(min).arg(max));
    return false;
}

// --reps, --pause and --px: how each aya plays, within the window's limits.
bool AyaSettingsOf(const QCommandLineParser& parser, AyaSettings* ayas) {
    using namespace playlistlimits;
    if (!WholeNumber(parser, "reps", kMinReps, kMaxReps, &ayas->reps) ||
        !WholeNumber(parser, "pause", kMinPause, kMaxPause, &ayas->pause))
        return false;
    if (!parser.isSet("px")) return true;
    bool number = false;
    const double quarters = parser.value("px").toDouble(&number) * 4;
    ayas->lengthPauseQuarters = int(std::lround(quarters));
    if (number && std::abs(quarters - ayas->lengthPauseQuarters) < 1e-9 && ayas->lengthPauseQuarters >= 0 &&
        ayas->lengthPauseQuarters <= kMaxLengthPauseQuarters)
        return true;
    Fail("--px must be a number from 0 to 3 in steps of 0.25");
    return false;
}

// --group-by and the group options: the division each group holds (none:
// no groups) and how the groups play.
bool GroupingOf(const QCommandLineParser& parser, std::optional<Division>* by, std::optional<GroupSettings>* groups) {
    const QString choice = parser.isSet("group-by") ? parser.value("group-by") : "none";
    const bool groupOptions = parser.isSet("group-reps") || parser.isSet("group-pause") || parser.isSet("build-up");
    if (choice == "none") {
        if (groupOptions) Fail("--group-reps, --group-pause and --build-up need --group-by page or sura");
        return !groupOptions;
    }
    if (choice != "page" && choice != "sura") {
        Fail("--group-by must be page, sura or none");
        return false;
    }
    *by = choice == "page" ? Division::Page : Division::Sura;
    GroupSettings settings;
    settings.buildUp = parser.isSet("build-up");
    using namespace playlistlimits;
    if (!WholeNumber(parser, "group-reps", kMinGroupReps, kMaxGroupReps, &settings.reps) ||
        !WholeNumber(parser, "group-pause", 0, kMaxGroupPause, &settings.pause))
        return false;
    *groups = settings;
    return true;
}

int Plan(Session&, const QStringList& args, const QCommandLineParser& parser) {
    QStringList chosen;
    for (const auto& [name, kind] : kSelections)
        if (parser.isSet(name)) chosen << name;
    if (chosen.size() != 1) return Fail("plan takes one of --suras, --juz, --hizb, --quarter, --pages and --ayas");
    AyaSettings ayas;
    std::optional<Division> by;
    std::optional<GroupSettings> groups;
    if (!AyaSettingsOf(parser, &ayas) || !GroupingOf(parser, &by, &groups)) return kFailed;

    const MushafDivisions& mushaf = MushafDivisions::Madani();
    const auto selection = std::find_if(std::begin(kSelections), std::end(kSelections),
                                        [&](const auto& option) { return chosen.first() == option.first; });
    const std::string text = parser.value(chosen.first()).toStdString();
    AyaRange range;
    Problem problem = selection->second ? mushaf.ParseRange(*selection->second, text, &range)
                                        : MushafDivisions::ParseAyaRange(text, &range);
    std::vector<std::vector<AyaKey>> runs;
    BurnListCore list;
    if (!problem) {
        runs = by ? mushaf.SplitBy(*by, range.Ayas()) : std::vector<std::vector<AyaKey>>{range.Ayas()};
        problem = AddAyaRuns(list, runs, ayas, groups);
    }
    if (problem) {
        Fail(problem.Text());
        return kBadSelection;
    }
    const QString error = SavePlaylistFile(args[0], list.List(), list.groupReps);
    if (!error.isEmpty()) return Fail("cannot write " + args[0] + ": " + error);
    Out() << QString("%1: %2 ayas, %3 group(s)").arg(args[0]).arg(list.List().size()).arg(groups ? runs.size() : 0)
          << Qt::endl;
    return kDone;
}

// --- the command table ------------------------------------------------------

const QList<QCommandLineOption>& AllOptions() {
    static const QList<QCommandLineOption> options = {
        {"dir", "Work in the portable program folder FOLDER (its quran/ and temp/).", "FOLDER"},
        {"bitrate", "MP3 bit rate in kbit/s: 8, 16, 32, 48, 64 (default), 96, 128 or 160.", "KBPS"},
        {"device", "The CD writer for cdrdao's --device (default: the first one cdrdao scanbus finds).", "DEV"},
        {"write-speed", "CD writing speed: 1, 2, 4 (default), 8, 16, 24, 32 or 48.", "X"},
        {"speed", "Recitation speed, keeping the reciter's pitch: 0.5 to 1.5 in steps of 0.05 (default 1).", "X"},
        {"basmala", "Play the basmala once before aya 1 of a sura (not suras 1 and 9) in each track."},
        {"translation", "Play the translation NAME (an installed recitation of kind translation) once after each aya's "
                        "repetitions, followed by the aya's pause.", "NAME"},
        {"stall-seconds", "Stop a tool that neither prints nor writes for N seconds (default 60).", "N"},
        {"numbered", "Number the MP3 files in playing order (01 group.1.mp3, ...)."},
        {"recitation", "Play the installed recitation NAME (norvane-pack recitations lists them; "
                       "default: the packs directly in the pack folder).", "NAME"},
        {"suras", "plan: the suras N or N-M (1 to 114).", "RANGE"},
        {"juz", "plan: the juz N or N-M (1 to 30).", "RANGE"},
        {"hizb", "plan: the hizb N or N-M (1 to 60).", "RANGE"},
        {"quarter", "plan: the quarter of a hizb N or N-M (1 to 240).", "RANGE"},
        {"pages", "plan: the page N or N-M of the 604-page Madani mushaf.", "RANGE"},
        {"ayas", "plan: the aya S:A or the ayas S:A-S:A (such as 2:255-2:257).", "RANGE"},
        {"reps", "plan: how often each aya plays (1 to 100, default 1).", "N"},
        {"pause", "plan: seconds of silence after each repetition (0 to 60, default 0).", "S"},
        {"px", "plan: each pause grows by K times the aya's length (0 to 3 in steps of 0.25).", "K"},
        {"group-by", "plan: one group per page or per sura, or none (default).", "page|sura|none"},
        {"group-reps", "plan: how often each group plays (1 to 100, default 1).", "N"},
        {"group-pause", "plan: seconds of silence after each pass of a group (0 to 60, default 0).", "S"},
        {"build-up", "plan: play each group in build-up stages (aya 1; 1-2; 1-3; ...)."},
    };
    return options;
}

const QList<Command>& Commands() {
    static const QList<Command> commands = {
        {"info", "PLAYLIST [--basmala] [--translation NAME] [--speed X]",
         "each track in disc order with its playing time and what it plays in order, the total, whether it fits a CD",
         1, {"basmala", "translation", "speed", "recitation"}, Info},
        {"mp3", "PLAYLIST OUTDIR [--bitrate KBPS] [--numbered] [--basmala] [--translation NAME] [--speed X]",
         "make the MP3 set of the playlist in OUTDIR, tagged, with a playlist OUTDIR/PLAYLIST.m3u8", 2,
         {"bitrate", "stall-seconds", "numbered", "basmala", "translation", "speed", "recitation"}, Mp3},
        {"toc", "PLAYLIST DIR [--basmala] [--translation NAME] [--speed X]",
         "make the CD's tracks and its table of contents quran.toc in DIR, for cdrdao write", 2,
         {"stall-seconds", "basmala", "translation", "speed", "recitation"}, Toc},
        {"cd", "PLAYLIST [--device DEV] [--write-speed X] [--basmala] [--translation NAME] [--speed X]",
         "burn the playlist as an audio CD", 1,
         {"device", "write-speed", "stall-seconds", "basmala", "translation", "speed", "recitation"}, Cd},
        {"plan", "OUT.qap --suras|--juz|--hizb|--quarter|--pages|--ayas RANGE [--reps N] [--pause S] [--px K] "
                 "[--group-by page|sura|none] [--group-reps N] [--group-pause S] [--build-up]",
         "write a playlist of the chosen ayas (no packs needed); status 2 when the range names no ayas", 1,
         {"suras", "juz", "hizb", "quarter", "pages", "ayas", "reps", "pause", "px", "group-by", "group-reps",
          "group-pause", "build-up"},
         Plan},
    };
    return commands;
}

QString UsageText() {
    QString text = "Usage: norvane-make [--dir FOLDER] COMMAND ARGUMENTS\n\nCommands:\n";
    for (const Command& c : Commands())
        text += QString("  %1 %2\n      %3\n").arg(c.name, c.arguments, c.summary);
    text += "\nOptions:\n";
    for (const QCommandLineOption& o : AllOptions())
        text += QString("  --%1 %2\n      %3\n").arg(o.names().first(), o.valueName(), o.description());
    text += "  --help\n      This text.\n  --version\n      The program's version.\n";
    text += "\nPaths are taken from the working directory where the program was started.\n"
            "Exit status: 0 when everything was made, 1 otherwise; 2 when plan's range names no ayas;\n"
            "130 or 143 when SIGINT or SIGTERM stopped the job (a second signal ends the program at once).\n";
    return text;
}

int Usage(const QString& problem) {
    if (!problem.isEmpty()) Err() << "norvane-make: " << problem << "\n\n";
    Err() << UsageText() << Qt::flush;
    return kFailed;
}

const Command* FindCommand(const QString& name) {
    const auto& commands = Commands();
    const auto it = std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == name; });
    return it == commands.end() ? nullptr : &*it;
}

// Paths on the command line mean what they meant where the user typed them,
// also after the move into the program folder.
QStringList Absolute(const QStringList& paths) {
    QStringList absolute;
    for (const QString& p : paths) absolute << QDir::current().absoluteFilePath(p);
    return absolute;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions(AllOptions());
    const QCommandLineOption help(QStringList{"h", "help"}), version("version");
    parser.addOptions({help, version});
    if (!parser.parse(app.arguments())) return Usage(parser.errorText());
    if (parser.isSet(help) || parser.isSet(version)) {
        Out() << (parser.isSet(help) ? UsageText() : "norvane-make " NORVANE_VERSION "\n") << Qt::flush;
        return kDone;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) return Usage("no command given");
    const Command* command = FindCommand(positional.first());
    if (!command) return Usage("unknown command " + positional.first());
    if (positional.size() - 1 != command->argumentCount)
        return Usage(QString("%1 takes %2").arg(command->name, command->arguments));
    for (const QCommandLineOption& o : AllOptions()) {
        const QString name = o.names().first();
        if (name != "dir" && parser.isSet(name) && !command->options.contains(name))
            return Usage(QString("%1 does not take --%2").arg(command->name, name));
    }

    const QStringList args = Absolute(positional.mid(1));
    Locations::ChooseForProgram();
    if (parser.isSet("dir")) {
        if (!QDir::setCurrent(parser.value("dir")))
            return Fail("cannot work in the program folder " + parser.value("dir"));
        Locations::Use(Locations::Portable());
    }
    Session session;
    if (parser.isSet("recitation")) {
        const QString name = parser.value("recitation");
        if (!Recitations::Find(name))
            return Fail("no recitation \"" + name + "\" is installed; norvane-pack recitations lists them");
        session.quran.UseRecitation(name);
    }
    return command->run(session, args, parser);
}
