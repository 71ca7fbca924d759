#include "library/packimport.h"

#include "library/ayakey.h"
#include "library/packarchive.h"
#include "library/mp3probe.h"
#include "library/mp3tags.h"
#include "library/suracatalogue.h"
#include "tools/processwrap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <sndfile.h>

namespace {

const char kSilenceName[] = "silence.mp3";

QString FileName(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

int AyaCountOfSura(int suraNumber) { return Sura().AyaCount(AyaKey::PartText(suraNumber)); }

std::string EntryStem(int sura, int aya) {
    return AyaKey(sura, aya).Text();
}

// Writes one second of 16-bit mono silence as a WAV file; empty on success,
// else libsndfile's reason.
std::string WriteSilentWav(const QString& path, int rate) {
    SF_INFO format{};
    format.samplerate = rate;
    format.channels = 1;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* wav = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &format);
    if (!wav) return sf_strerror(nullptr);
    const std::vector<short> zeros(size_t(rate), 0);
    std::string error;
    if (sf_writef_short(wav, zeros.data(), rate) != rate) error = sf_strerror(wav);
    const int closed = sf_close(wav);
    if (error.empty() && closed != 0) error = sf_error_number(closed);
    return error;
}

// A tool that neither prints nor grows its output this long has hung.
constexpr int kToolStallSeconds = 60;

// Why a file that reads whole goes into no pack: text, a picture or a WAV
// named like a recording; or a recording cut short, which would play as a
// shorter aya without a word. A file that cannot be read is not judged
// here; writing its pack stops with the reason. Empty for a recording.
std::string RecordingProblem(const std::string& path, Mp3Probe& audio) {
    std::string unread;
    const std::vector<char> bytes = PackArchive::ReadFileEntry(path, &unread).data;
    if (!unread.empty()) return std::string();
    if (!audio.IsRecording(bytes)) return QCoreApplication::translate("PackImport", "not playable MP3 audio").toStdString();
    return audio.CutShort(bytes).StdText();
}

// Runs of consecutive missing stems, "first-last" or a single stem.
std::vector<std::string> MissingRuns(const std::vector<std::string>& stems, const std::vector<bool>& missing) {
    std::vector<std::string> runs;
    for (size_t i = 0; i < stems.size();) {
        if (!missing[i]) {
            ++i;
            continue;
        }
        size_t last = i;
        while (last + 1 < stems.size() && missing[last + 1]) ++last;
        runs.push_back(last > i ? stems[i] + "-" + stems[last] : stems[i]);
        i = last + 1;
    }
    return runs;
}

}  // namespace

// A one-second silent MP3 made with lame, for folders that bring none. At
// 44.1 kHz and 64 kbit/s lame writes an MPEG-1 stream with its gapless tag,
// so the recording decodes to exactly one second (at 22.05 kHz the stream
// carries no tag and decodes about 50 ms long, which every pause repeats).
// lame runs as every tool does: stopped when it hangs, and with this program.
Problem MakeSilenceRecording(std::vector<char>* mp3) {
    QTemporaryDir work;
    const QString wavPath = work.filePath("silence.wav"), mp3Path = work.filePath(kSilenceName);
    const QString wavError = work.isValid() ? QString::fromStdString(WriteSilentWav(wavPath, 44100))
                                            : QCoreApplication::translate("PackImport", "no temporary folder");
    if (!wavError.isEmpty())
        return Problem(QCoreApplication::translate("PackImport",
                                                   "cannot write a temporary WAV file for the silence recording: %1")
                           .arg(wavError));
    ProcessWrap lame;
    lame.SetStallLimit(kToolStallSeconds);
    lame.WatchOutput(mp3Path);
    lame.RunCommand({QStringLiteral("lame"), "--silent", "-b", "64", wavPath, mp3Path});
    lame.WaitForDone();
    if (lame.LastOutcome() != ProcessWrap::Outcome::Finished)
        return Problem(QCoreApplication::translate("PackImport", "cannot make silence.mp3: %1").arg(lame.FailureText()));
    // lame's exit status is not to be trusted; judge by the file it leaves.
    std::string unread;
    *mp3 = PackArchive::ReadFileEntry(LocalPath(mp3Path), &unread).data;
    if (!unread.empty() || mp3->empty()) return Problem(QCoreApplication::translate("PackImport", "lame made no silence.mp3"));
    return {};
}

std::string MissingRunsText(const ImportedPack& pack) {
    std::string text;
    for (const std::string& run : pack.missingRuns) text += (text.empty() ? "" : ", ") + run;
    return text;
}

bool PackImport::Fail(const std::string& message) {
    result.error = message;
    return false;
}

bool PackImport::Scan(const std::string& folderPath) {
    recordings.clear();
    silencePath.clear();
    result = PackImportResult();
    const QDir folder(FileName(folderPath));
    if (!folder.exists()) return Fail(tr("\"%1\" is not a folder").arg(QString::fromStdString(folderPath)).toStdString());
    Mp3Probe audio;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (Cancelled()) return Fail(tr("the import was cancelled").toStdString());
        Classify(LocalPath(name), LocalPath(folder.filePath(name)), audio);
    }
    if (recordings.empty())
        return Fail(
            tr("\"%1\" holds no aya recordings named SSSAAA.mp3").arg(QString::fromStdString(folderPath)).toStdString());
    return true;
}

// Files the recording, the silence or the ignored list. Only playable MP3
// audio goes into a pack; the folder's silence.mp3 too, or lame makes one.
void PackImport::Classify(const std::string& fileName, const std::string& path, Mp3Probe& audio) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{3})(\\d{3})\\.mp3$"));
    const QRegularExpressionMatch match = pattern.match(FileName(fileName));
    const bool isSilence = fileName == kSilenceName;
    const int sura = match.captured(1).toInt(), aya = match.captured(2).toInt();
    const AyaKey key(sura, aya);
    std::string reason;
    if (!isSilence && !match.hasMatch())
        reason = tr("not named SSSAAA.mp3").toStdString();
    else if (!isSilence && !key.SuraExists())
        reason = tr("there is no sura %1").arg(QString::number(sura)).toStdString();
    else if (!isSilence && !key.Exists())
        reason = tr("sura %1 has no aya %2").arg(QString::number(sura), QString::number(aya)).toStdString();
    else
        reason = RecordingProblem(path, audio);
    if (!reason.empty())
        result.ignored.push_back({fileName, reason});
    else if (isSilence)
        silencePath = path;
    else
        recordings[sura][aya] = path;
}

bool PackImport::LoadSilence(std::vector<char>* silence) {
    if (silencePath.empty()) {
        const Problem unmade = MakeSilenceRecording(silence);
        return unmade.Ok() || Fail(unmade.StdText());
    }
    std::string error;
    *silence = PackArchive::ReadFileEntry(silencePath, &error).data;
    return error.empty() || Fail(error);
}

int PackImport::PacksToWrite() const {
    const std::vector<JMapEntry>& rows = JMapRows();
    return int(std::count_if(rows.begin(), rows.end(),
                             [this](const JMapEntry& row) { return HoldsAyaOf(row.first, row.last); }));
}

bool PackImport::HoldsAyaOf(int firstSura, int lastSura) const {
    const auto first = recordings.lower_bound(firstSura);
    return first != recordings.end() && first->first <= lastSura;
}

bool PackImport::WritePacks(const std::string& packFolder,
                            const std::function<void(const ImportedPack&)>& onPackWritten) {
    if (recordings.empty()) return result.error.empty() ? Fail(tr("no aya recordings were scanned").toStdString()) : false;
    if (!QDir().mkpath(FileName(packFolder)))
        return Fail(tr("cannot make the folder \"%1\"").arg(QString::fromStdString(packFolder)).toStdString());
    std::vector<char> silence;
    if (!LoadSilence(&silence)) return false;
    for (const JMapEntry& row : JMapRows()) {
        if (!HoldsAyaOf(row.first, row.last)) continue;
        if (!WritePack(row.name, row.first, row.last, silence, packFolder)) return false;
        if (onPackWritten) onPackWritten(result.packs.back());
    }
    return true;
}

// Builds and writes one sura pack: the ayas found, in order, then the silence.
bool PackImport::WritePack(const std::string& packName, int firstSura, int lastSura,
                           const std::vector<char>& silence, const std::string& packFolder) {
    PackArchive pack;
    std::vector<std::string> stems;
    std::vector<bool> missing;
    for (int s = firstSura; s <= lastSura; ++s) {
        const auto found = recordings.find(s);
        const int ayaCount = AyaCountOfSura(s);
        for (int a = 1; a <= ayaCount; ++a) {
            stems.push_back(EntryStem(s, a));
            const bool present = found != recordings.end() && found->second.count(a);
            missing.push_back(!present);
            if (!present) continue;
            if (Cancelled()) return Fail(tr("the import was cancelled").toStdString());
            std::string error;
            PackArchive::PendingEntry entry = PackArchive::ReadFileEntry(found->second.at(a), &error);
            if (!error.empty()) return Fail(error);
            pack.AddPending(PackArchive::EntryFromBytes(stems.back() + ".mp3", StripMp3Tags(std::move(entry.data))));
        }
    }
    ImportedPack written{packName, int(stems.size()), int(pack.Pending().size()), MissingRuns(stems, missing)};
    pack.AddPending(PackArchive::EntryFromBytes(kSilenceName, silence));
    if (!reciter.empty()) pack.AddPending(PackArchive::EntryFromBytes(kReciterEntry, {reciter.begin(), reciter.end()}));
    if (Cancelled()) return Fail(tr("the import was cancelled").toStdString());
    if (!pack.Write(packFolder + "/" + packName)) return Fail(pack.LastError());
    result.packs.push_back(std::move(written));
    return true;
}
