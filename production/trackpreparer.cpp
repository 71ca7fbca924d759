#include "production/trackpreparer.h"

#include "library/quran.h"
#include "production/trackplan.h"
#include "production/wavfile.h"
#include "tools/processwrap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kSilence = QStringLiteral("silence");
// The final line names at most this many failed tracks.
constexpr int kNamedFailures = 20;

QString Sep() { return QString(QDir::separator()); }

// A file directly in the temp folder: "./temp/002.255.mp3".
QString TempFile(const QString& name) { return TrackPreparer::TempFolder() + name; }

QString Key(const saya& entry) { return QString::fromStdString(entry.Key()); }

QString ToolName(const QString& program) { return QFileInfo(program).fileName(); }

QString Title(const PlannedTrack& track) {
    return track.wavName.empty() ? Key(track.members.front()) : QString::fromStdString(track.Title());
}

// The sura key of a pack entry name: its file-name part up to the first dot.
std::string SuraKeyOf(const std::string& name) {
    const std::string file = FileNamePart(name);
    return QString::fromStdString(file.substr(0, file.find('.'))).simplified().toStdString();
}

}  // namespace

TrackPreparer::TrackPreparer(ProcessWrap* runner, Quran* quran, QObject* parent)
    : QObject(parent), runner(runner), quran(quran) {}

QString TrackPreparer::TempFolder() { return "." + Sep() + "temp" + Sep(); }

QString TrackPreparer::TrackPath(const std::string& wavName) {
    return TempFolder() + Sep() + QString::fromStdString(wavName);
}

QString TrackPreparer::ToolPath(const QString& name) {
    if (QCoreApplication::instance()) {
#ifdef Q_OS_WIN
        const QString file = name + ".exe";
#else
        const QString file = name;
#endif
        const QFileInfo beside(QCoreApplication::applicationDirPath() + "/" + file);
        if (beside.isFile() && beside.isExecutable()) return beside.filePath();
    }
    return name;
}

void TrackPreparer::RemoveTrackFiles() {
    for (const std::string& name : trackList) QFile::remove(TrackPath(name));
}

bool TrackPreparer::Run(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const Job& newJob) {
    job = newJob;
    trackList.clear();
    failures.clear();
    failedTracks.clear();
    unstartable.clear();
    const int total = int(burnList.size());
    emit StatusLine(job.mp3 ? "Creating MP3 tracks ..." : "Creating tracks ...");
    emit ProgressChanged(0, total);

    const std::vector<PlannedTrack> plan = PlanTracks(burnList, groupReps);
    if (!QDir().mkpath(TempFolder())) {
        Report("Cannot create the temp folder " + TempFolder());
        for (const PlannedTrack& track : plan) failedTracks << Title(track);
        emit StatMsg(FinalLine(plan.size()));
        return false;
    }
    // Files of a run that was killed half-way must not pass for this run's.
    RemoveJobFiles(plan, false);
    silenceReady = PrepareSilence();
    emit StatMsg("Setting up tracks");

    int decoded = 0;
    for (const PlannedTrack& track : plan)
        if (track.group > 0) MakeGroupTrack(track, decoded, total);
    auto single = std::find_if(plan.begin(), plan.end(), [](const PlannedTrack& t) { return t.group == 0; });
    for (int i = 0; i < total; ++i) {
        if (burnList[size_t(i)].group < 1) MakeSingleTrack(*single++);
        emit ProgressChanged(i + 1, total);
    }

    const bool ok = failures.isEmpty();
    RemoveJobFiles(plan, !job.mp3 && ok);
    if (!ok)
        emit StatMsg(FinalLine(plan.size()));
    else if (job.mp3)
        emit StatMsg("All done creating MP3 tracks!");
    return ok;
}

bool TrackPreparer::PrepareSilence() {
    silenceProblem.clear();
    std::string why;
    const QString mp3 = TempFile(kSilence + ".mp3"), wav = TempFile(kSilence + ".wav");
    if (!WritePackEntry(*quran, "silence.mp3", TempFolder().toStdString(), &lastPack, &why))
        silenceProblem = QString::fromStdString(why);
    else
        silenceProblem = RunTool({"lame", "--silent", "--decode", mp3, wav}, wav, Output::Wav);
    return silenceProblem.isEmpty();
}

void TrackPreparer::MakeGroupTrack(const PlannedTrack& track, int& decoded, int total) {
    const QString group = QString::number(track.group);
    QStringList blocks;
    bool ok = true;
    for (size_t j = 0; j < track.members.size(); ++j) {
        const saya& member = track.members[j];
        const QString problem = PrepareAya(member);
        emit StatMsg("Creating track: " + Key(member) + " ...");
        emit ProgressChanged(decoded++, total);
        if (!problem.isEmpty()) {
            // The group cannot be made, but its other members are still
            // tried so that every missing recording is named at once.
            Report(Key(member) + ": " + problem);
            ok = false;
            continue;
        }
        blocks << TrackPath("subgroup." + group.toStdString() + "." + std::to_string(j) + ".wav");
        ok = ok && JoinAyaBlock(member, blocks.back());
    }

    const QString pass = TrackPath("subgroup." + group.toStdString() + ".wav");
    const QString wav = TrackPath(track.wavName);
    ok = ok && Join(blocks, pass, Title(track)) && Join(QStringList(track.passes, pass), wav, Title(track)) &&
         FinishTrack(track, wav);
    if (ok && job.mp3) {
        emit StatMsg("Encoding MP3 Group: " + group + " ...");
        ok = Encode(wav, track);
        QFile::remove(wav);
    }
    for (const QString& block : blocks) QFile::remove(block);
    for (const saya& member : track.members) RemoveAyaFiles(member);
    QFile::remove(pass);
    if (!ok) TrackFailed(track, wav);
}

void TrackPreparer::MakeSingleTrack(const PlannedTrack& track) {
    const saya& entry = track.members.front();
    const QString problem = PrepareAya(entry);
    emit StatMsg("Creating track: " + Key(entry) + " ...");
    bool ok = problem.isEmpty();
    if (!ok) Report(Key(entry) + ": " + problem);

    const QString wav = ok ? TrackPath(track.wavName) : QString();
    ok = ok && JoinAyaBlock(entry, wav) && FinishTrack(track, wav);
    if (ok && job.mp3) {
        emit StatMsg("Encoding MP3: " + Key(entry) + ".mp3 ...");
        ok = Encode(wav, track);
        QFile::remove(wav);
    }
    RemoveAyaFiles(entry);
    if (!ok) TrackFailed(track, wav);
}

QString TrackPreparer::PrepareAya(const saya& entry) {
    const std::string badKey = EntryProblem(entry);
    if (!badKey.empty()) return QString::fromStdString(badKey);
    const std::string key = entry.Key();
    std::string why;
    if (!WritePackEntry(*quran, key + ".mp3", TempFolder().toStdString(), &lastPack, &why))
        return QString::fromStdString(why);
    const QString mp3 = TempFile(Key(entry) + ".mp3"), wav = TempFile(Key(entry) + ".wav");
    const QString problem = RunTool({"lame", "--silent", "--decode", mp3, wav}, wav, Output::Wav);
    return problem.isEmpty() ? problem : "decoding failed: " + problem;
}

bool TrackPreparer::JoinAyaBlock(const saya& entry, const QString& output) {
    const int pause = PauseSeconds(entry);
    if (pause > 0 && !silenceReady) {
        Report(Key(entry) + ": the pause needs the silence recording, which could not be made: " + silenceProblem);
        return false;
    }
    QStringList inputs;
    for (int r = 0; r < PlayCount(entry); ++r) {
        inputs << TempFile(Key(entry) + ".wav");
        for (int p = 0; p < pause; ++p) inputs << TempFile(kSilence + ".wav");
    }
    return Join(inputs, output, Key(entry));
}

bool TrackPreparer::Join(const QStringList& inputs, const QString& output, const QString& what) {
    const QString problem = RunTool(QStringList{ToolPath("joinwav")} + inputs + QStringList{output}, output, Output::Wav);
    if (!problem.isEmpty()) Report(what + ": joining failed: " + problem);
    return problem.isEmpty();
}

bool TrackPreparer::FinishTrack(const PlannedTrack& track, const QString& wavPath) {
    if (!job.mp3) {
        const WavInfo info = ReadWavInfo(wavPath);
        if (!info.IsCdAudio()) {
            Report(Title(track) + ": the track is not CD audio (44.1 kHz, 16-bit, stereo)");
            return false;
        }
        QString why;
        if (info.Seconds() < kMinimumCdTrackSeconds && !PadWavWithSilence(wavPath, kMinimumCdTrackSeconds, &why)) {
            Report(Title(track) + ": cannot pad the track to the CD's minimum length: " + why);
            return false;
        }
    }
    trackList.push_back(track.wavName);
    return true;
}

bool TrackPreparer::Encode(const QString& wavPath, const PlannedTrack& track) {
    const QString name = QString::fromStdString(track.Title()) + ".mp3";
    const QString mp3 = job.mp3Dir + Sep() + name;
    const QString problem =
        RunTool({"lame", "--silent", "-b" + QString::number(job.bitrate), wavPath, mp3}, mp3, Output::Mp3);
    if (!problem.isEmpty()) Report(name + ": encoding failed: " + problem);
    return problem.isEmpty();
}

QString TrackPreparer::RunTool(QStringList args, const QString& output, Output kind) {
    const QString tool = ToolName(args.first());
    // A tool that could not be started will not start for the next track
    // either; trying again would only repeat the same complaint.
    if (unstartable.contains(args.first())) return tool + " could not be started";
    // Whatever lies at the output path now is not this run's result.
    QFile::remove(output);
    runner->RunCommand(args);
    switch (runner->LastOutcome()) {
    case ProcessWrap::Outcome::NotRun:
    case ProcessWrap::Outcome::FailedToStart:
        unstartable.insert(args.first());
        return tool + " could not be started";
    case ProcessWrap::Outcome::Crashed:
    case ProcessWrap::Outcome::Killed:
        return tool + " did not finish";
    case ProcessWrap::Outcome::Finished:
        break;
    }
    if (runner->LastExitCode() != 0) {
        const QStringList said = runner->GetText();
        return tool + " ended with status " + QString::number(runner->LastExitCode()) +
               (said.isEmpty() ? QString() : " (" + said.last().trimmed() + ")");
    }
    // lame reports success even for input it could not read, so only the
    // file it leaves tells whether it worked.
    if (kind == Output::Wav && !ReadWavInfo(output).HoldsAudio()) return tool + " left no audio in " + output;
    if (kind == Output::Mp3 && QFileInfo(output).size() <= 0) return tool + " left no MP3 file at " + output;
    return QString();
}

void TrackPreparer::Report(const QString& line) {
    failures << line;
    emit StatMsg(line);
}

void TrackPreparer::TrackFailed(const PlannedTrack& track, const QString& wavPath) {
    failedTracks << Title(track);
    if (!trackList.empty() && trackList.back() == track.wavName) trackList.pop_back();
    if (!wavPath.isEmpty()) QFile::remove(wavPath);
}

void TrackPreparer::RemoveAyaFiles(const saya& entry) {
    // A malformed key never named a file, and must not be used to name one now.
    if (!EntryProblem(entry).empty()) return;
    QFile::remove(TempFile(Key(entry) + ".mp3"));
    QFile::remove(TempFile(Key(entry) + ".wav"));
}

void TrackPreparer::RemoveJobFiles(const std::vector<PlannedTrack>& plan, bool keepTracks) {
    QSet<QString> outputs;  // bare names that joinwav writes to
    QFile::remove(TempFile(kSilence + ".mp3"));
    QFile::remove(TempFile(kSilence + ".wav"));
    for (const PlannedTrack& track : plan) {
        for (const saya& member : track.members) RemoveAyaFiles(member);
        if (track.group > 0) {
            QStringList parts;
            for (size_t j = 0; j < track.members.size(); ++j) parts << QString("subgroup.%1.%2.wav").arg(track.group).arg(j);
            parts << QString("subgroup.%1.wav").arg(track.group);
            for (const QString& part : parts) QFile::remove(TempFile(part));
            outputs.unite(QSet<QString>(parts.begin(), parts.end()));
        }
        if (track.wavName.empty()) continue;
        outputs << QString::fromStdString(track.wavName);
        if (!keepTracks) QFile::remove(TrackPath(track.wavName));
    }
    // joinwav writes beside its output under a temporary name and renames it
    // when done; a killed join leaves that file behind.
    static const QRegularExpression leftover(R"(^(.+)\.[0-9a-f]{8}\.joinwav-tmp$)");
    QDir temp(TempFolder());
    for (const QString& file : temp.entryList({"*.joinwav-tmp"}, QDir::Files)) {
        const QRegularExpressionMatch match = leftover.match(file);
        if (match.hasMatch() && outputs.contains(match.captured(1))) temp.remove(file);
    }
}

QString TrackPreparer::FinalLine(size_t trackCount) const {
    QStringList named = failedTracks.mid(0, kNamedFailures);
    if (failedTracks.size() > kNamedFailures) named << QString("and %1 more").arg(failedTracks.size() - kNamedFailures);
    if (failedTracks.isEmpty()) return "Failed: " + failures.value(0);
    return QString("Failed to make %1 of %2 tracks: %3").arg(failedTracks.size()).arg(trackCount).arg(named.join(", "));
}

bool WritePackEntry(Quran& quran, const std::string& name, const std::string& dir, PackArchive* pack,
                    std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (name.empty() || name != FileNamePart(name) || name == "." || name == "..")
        return fail("\"" + name + "\" is not a plain file name");
    const PackArchive active = name == "silence.mp3" ? quran.ActivateSura(0) : quran.ActivateSura(SuraKeyOf(name));
    if (pack) *pack = active;

    const QString path = QFile::decodeName(QByteArray::fromStdString(dir + name));
    QFile::remove(path);
    const std::vector<char> bytes = active.Extract(name);
    if (bytes.empty())
        return fail(active.Holds(name) ? "the recording " + name + " is empty in its pack"
                                       : "the recording " + name + " is not in the installed packs");
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.flush();
    file.close();
    if (!written) {
        QFile::remove(path);
        return fail("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
    }
    return true;
}
