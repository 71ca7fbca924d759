// norvane-pack: makes, lists, checks and unpacks pack archives (sura packs
// and img.dat). Every error names the file and the cause on standard error
// and ends the program with status 1; wrong arguments print the usage and
// end it with status 2. Output files are written beside their target and
// renamed into place, so a failure never leaves a half-written file.

#include "library/packarchive.h"
#include "library/qaudio.h"
#include "library/suracatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

const int kFailed = 1;
const int kBadArguments = 2;

const char kUsage[] =
    "Usage:\n"
    "  norvane-pack create OUT.mat LISTFILE   archive the files named in LISTFILE, in order\n"
    "  norvane-pack import FOLDER OUTDIR      make sura packs from FOLDER/SSSAAA.mp3 recordings\n"
    "  norvane-pack list PACK                 name, size, checksum and playing length (ms)\n"
    "                                         of every index entry\n"
    "  norvane-pack extract PACK NAME OUT     write one entry's bytes to OUT\n"
    "  norvane-pack verify PACK               recompute and compare every checksum\n"
    "  norvane-pack catalogue                 sura key, aya count and pack name of every sura\n"
    "  norvane-pack --help                    this text\n"
    "\n"
    "Exit status: 0 on success, 1 when a job fails (the message names the file\n"
    "and the cause), 2 for wrong arguments.\n";

int Usage() {
    std::cerr << kUsage;
    return kBadArguments;
}

int Failure(const std::string& message) {
    std::cerr << "norvane-pack: " << message << '\n';
    return kFailed;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

QString FileName(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string Hex8(uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

// Writes bytes to a file atomically; an empty string on success, else why not.
std::string WriteWholeFile(const std::string& path, const char* data, size_t size) {
    QSaveFile file(FileName(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(data, qint64(size)) != qint64(size) ||
        !file.commit())
        return "cannot write " + Quoted(path) + ": " + file.errorString().toStdString();
    return std::string();
}

bool OpenPack(PackArchive* pack, const std::string& path) {
    if (pack->Open(path)) return true;
    Failure(pack->LastError());
    return false;
}

std::string DamageText(const PackArchive::IndexEntry& entry) {
    return "bytes " + std::to_string(entry.start) + " to " + std::to_string(entry.end) +
           " do not lie inside the file";
}

// ---- create -------------------------------------------------------------

int Create(const std::string& out, const std::string& listFile) {
    PackArchive pack;
    if (!pack.AddListedFiles(listFile)) return Failure(pack.LastError());
    if (!pack.Write(out)) return Failure(pack.LastError());
    return 0;
}

// ---- list ---------------------------------------------------------------

// The columns of one listed entry. Further columns go at the end, so that
// readers of the first three keep working. The fourth is the playing length
// in milliseconds as the program measures it for its total time (0 for an
// entry that is no MP3 audio).
std::vector<std::string> ListColumns(const PackArchive& pack, const PackArchive::IndexEntry& entry,
                                     QAudio& audio) {
    if (!pack.LiesInsideFile(entry)) return {entry.name, "damaged", Hex8(entry.checksum), "damaged"};
    const std::string size = std::to_string(entry.end - entry.start);
    const std::string length = std::to_string(audio.GetLen(pack.ExtractEntry(entry)));
    return {entry.name, size, Hex8(entry.checksum), length};
}

int List(const std::string& packPath) {
    PackArchive pack;
    if (!OpenPack(&pack, packPath)) return kFailed;
    QAudio audio;
    int status = 0;
    for (const PackArchive::IndexEntry& entry : pack.EntriesInFileOrder()) {
        const std::vector<std::string> columns = ListColumns(pack, entry, audio);
        for (size_t i = 0; i < columns.size(); ++i) std::cout << (i ? "\t" : "") << columns[i];
        std::cout << '\n';
        if (!pack.LiesInsideFile(entry)) {
            std::cout.flush();
            status = Failure(Quoted(packPath) + ": entry " + Quoted(entry.name) + " is damaged: " +
                             DamageText(entry));
        }
    }
    return status;
}

// ---- extract ------------------------------------------------------------

int Extract(const std::string& packPath, const std::string& name, const std::string& out) {
    PackArchive pack;
    if (!OpenPack(&pack, packPath)) return kFailed;
    const std::optional<PackArchive::IndexEntry> entry = pack.Find(name);
    if (!entry) return Failure(Quoted(packPath) + ": holds no entry " + Quoted(FileNamePart(name)));
    const std::vector<char> bytes = pack.ExtractEntry(*entry);
    if (!pack.LiesInsideFile(*entry) || bytes.size() != size_t(entry->end - entry->start))
        return Failure(Quoted(packPath) + ": entry " + Quoted(entry->name) + " is damaged: " +
                       DamageText(*entry));
    const std::string error = WriteWholeFile(out, bytes.data(), bytes.size());
    return error.empty() ? 0 : Failure(error);
}

// ---- verify -------------------------------------------------------------

// Why an entry fails its check; empty when it is sound.
std::string EntryProblem(const PackArchive& pack, const PackArchive::IndexEntry& entry) {
    if (!pack.LiesInsideFile(entry)) return DamageText(entry);
    const std::vector<char> bytes = pack.ExtractEntry(entry);
    if (bytes.size() != size_t(entry.end - entry.start)) return "its bytes cannot be read";
    const uint32_t actual = PackChecksum(bytes.data(), bytes.size());
    if (actual != entry.checksum)
        return "checksum mismatch: stored " + Hex8(entry.checksum) + ", computed " + Hex8(actual);
    return std::string();
}

int Verify(const std::string& packPath) {
    PackArchive pack;
    if (!OpenPack(&pack, packPath)) return kFailed;
    int bad = 0;
    for (const PackArchive::IndexEntry& entry : pack.EntriesInFileOrder()) {
        const std::string problem = EntryProblem(pack, entry);
        if (problem.empty()) continue;
        ++bad;
        Failure(Quoted(packPath) + ": entry " + Quoted(entry.name) + ": " + problem);
    }
    const size_t total = pack.EntriesInFileOrder().size();
    if (bad) return Failure(Quoted(packPath) + ": " + std::to_string(bad) + " of " +
                            std::to_string(total) + " entries failed");
    std::cout << packPath << ": " << total << " entries, all checksums match\n";
    return 0;
}

// ---- catalogue ----------------------------------------------------------

int Catalogue() {
    const Sura sura;
    for (int n = 1; n <= Sura::kSuraCount; ++n) {
        const std::string key = PadKey(std::to_string(n));
        std::cout << key << '\t' << sura.AyaCount(key) << '\t' << PackNameForSura(n) << '\n';
    }
    return 0;
}

// ---- import -------------------------------------------------------------

// The aya recordings found in an import folder, by sura and aya number.
class AyaFolder {
public:
    bool Scan(const std::string& folderPath, std::string* error) {
        const QDir folder(FileName(folderPath));
        if (!folder.exists()) {
            *error = Quoted(folderPath) + " is not a folder";
            return false;
        }
        static const QRegularExpression pattern(QStringLiteral("^(\\d{3})(\\d{3})\\.mp3$"));
        const Sura sura;
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            const std::string path = QFile::encodeName(folder.filePath(name)).toStdString();
            if (name == QLatin1String("silence.mp3")) {
                silencePath = path;
                continue;
            }
            const QRegularExpressionMatch match = pattern.match(name);
            if (!match.hasMatch()) {
                Ignore(name, "not named SSSAAA.mp3");
                continue;
            }
            const int suraNumber = match.captured(1).toInt(), ayaNumber = match.captured(2).toInt();
            const std::string suraKey = match.captured(1).toStdString();
            if (sura.SuraNumber(suraKey) == 0)
                Ignore(name, "there is no sura " + std::to_string(suraNumber));
            else if (ayaNumber < 1 || ayaNumber > sura.AyaCount(suraKey))
                Ignore(name, "sura " + std::to_string(suraNumber) + " has no aya " +
                                 std::to_string(ayaNumber));
            else
                recordings[suraNumber][ayaNumber] = path;
        }
        return true;
    }

    const std::map<int, std::map<int, std::string>>& Recordings() const { return recordings; }
    const std::string& SilencePath() const { return silencePath; }

private:
    std::map<int, std::map<int, std::string>> recordings;
    std::string silencePath;

    static void Ignore(const QString& name, const std::string& reason) {
        std::cerr << "norvane-pack: ignored " << Quoted(QFile::encodeName(name).toStdString())
                  << ": " << reason << '\n';
    }
};

QByteArray SilentWav(int rate, int seconds) {
    const quint32 dataBytes = quint32(rate) * seconds * 2;  // 16-bit mono
    QByteArray wav;
    auto put16 = [&wav](quint16 v) { char c[2]; qToLittleEndian(v, c); wav.append(c, 2); };
    auto put32 = [&wav](quint32 v) { char c[4]; qToLittleEndian(v, c); wav.append(c, 4); };
    wav.append("RIFF"); put32(36 + dataBytes); wav.append("WAVE");
    wav.append("fmt "); put32(16); put16(1); put16(1); put32(rate); put32(rate * 2); put16(2); put16(16);
    wav.append("data"); put32(dataBytes);
    wav.append(QByteArray(int(dataBytes), '\0'));
    return wav;
}

// A one-second silent MP3 made with lame, for folders that bring none. At
// 44.1 kHz and 64 kbit/s lame writes an MPEG-1 stream with its gapless tag,
// so the recording decodes to exactly one second (at 22.05 kHz the stream
// carries no tag and decodes about 50 ms long, which every pause repeats).
bool MakeSilence(std::vector<char>* mp3, std::string* error) {
    QTemporaryDir work;
    const QString wavPath = work.filePath("silence.wav"), mp3Path = work.filePath("silence.mp3");
    QFile wav(wavPath);
    if (!work.isValid() || !wav.open(QIODevice::WriteOnly) || wav.write(SilentWav(44100, 1)) < 0) {
        *error = "cannot write a temporary WAV file for the silence recording";
        return false;
    }
    wav.close();
    QProcess lame;
    lame.start(QStringLiteral("lame"), {"--silent", "-b", "64", wavPath, mp3Path});
    if (!lame.waitForStarted() || !lame.waitForFinished(120000)) {
        *error = "cannot run lame to make silence.mp3: " + lame.errorString().toStdString();
        return false;
    }
    // lame's exit status is not to be trusted; judge by the file it leaves.
    std::string unread;
    *mp3 = PackArchive::ReadFileEntry(QFile::encodeName(mp3Path).toStdString(), &unread).data;
    if (!unread.empty() || mp3->empty()) {
        *error = "lame made no silence.mp3";
        return false;
    }
    return true;
}

std::string EntryName(int sura, int aya) {
    return PadKey(std::to_string(sura)) + "." + PadKey(std::to_string(aya)) + ".mp3";
}

// "001.001-001.007, 002.010" for the given entry names in pack order, where
// `missing` marks which of them are absent.
std::string MissingRanges(const std::vector<std::string>& names, const std::vector<bool>& missing) {
    std::string text;
    for (size_t i = 0; i < names.size();) {
        if (!missing[i]) { ++i; continue; }
        size_t last = i;
        while (last + 1 < names.size() && missing[last + 1]) ++last;
        auto stem = [](const std::string& name) { return name.substr(0, name.size() - 4); };
        text += (text.empty() ? "" : ", ") + stem(names[i]) + (last > i ? "-" + stem(names[last]) : "");
        i = last + 1;
    }
    return text;
}

// Builds and writes one sura pack; false after printing the error.
bool ImportPack(const JMapEntry& row, const AyaFolder& folder, const std::vector<char>& silence,
                const std::string& outDir) {
    PackArchive pack;
    std::vector<std::string> names;
    std::vector<bool> missing;
    const Sura sura;
    for (int s = row.first; s <= row.last; ++s) {
        const auto found = folder.Recordings().find(s);
        for (int a = 1; a <= sura.AyaCount(PadKey(std::to_string(s))); ++a) {
            names.push_back(EntryName(s, a));
            const bool present = found != folder.Recordings().end() && found->second.count(a);
            missing.push_back(!present);
            if (!present) continue;
            std::string error;
            PackArchive::PendingEntry entry = PackArchive::ReadFileEntry(found->second.at(a), &error);
            if (!error.empty()) {
                Failure(error);
                return false;
            }
            entry.name = names.back();
            pack.AddPending(std::move(entry));
        }
    }
    const size_t held = pack.Pending().size();
    pack.AddPending(PackArchive::EntryFromBytes("silence.mp3", silence));

    const std::string target = outDir + "/" + row.name;
    if (!pack.Write(target)) {
        Failure(pack.LastError());
        return false;
    }
    std::cout << row.name << ": " << held << " of " << names.size() << " ayas";
    if (held < names.size()) std::cout << ", missing: " << MissingRanges(names, missing);
    std::cout << '\n';
    return true;
}

bool HoldsAyaOf(const AyaFolder& folder, const JMapEntry& row) {
    const auto& recordings = folder.Recordings();
    const auto first = recordings.lower_bound(row.first);
    return first != recordings.end() && first->first <= row.last;
}

int Import(const std::string& folderPath, const std::string& outDir) {
    AyaFolder folder;
    std::string error;
    if (!folder.Scan(folderPath, &error)) return Failure(error);
    if (folder.Recordings().empty())
        return Failure(Quoted(folderPath) + " holds no aya recordings named SSSAAA.mp3");
    if (!QDir().mkpath(FileName(outDir))) return Failure("cannot make the folder " + Quoted(outDir));

    std::vector<char> silence;
    if (!folder.SilencePath().empty()) {
        silence = PackArchive::ReadFileEntry(folder.SilencePath(), &error).data;
        if (!error.empty()) return Failure(error);
    } else if (!MakeSilence(&silence, &error)) {
        return Failure(error);
    }

    for (const JMapEntry& row : JMapRows()) {
        if (HoldsAyaOf(folder, row) && !ImportPack(row, folder, silence, outDir)) return kFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Paths stay byte strings, exactly as given on the command line.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    const std::string& job = args[0];
    const size_t operands = args.size() - 1;
    if (job == "--help" || job == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (job == "create" && operands == 2) return Create(args[1], args[2]);
    if (job == "import" && operands == 2) return Import(args[1], args[2]);
    if (job == "list" && operands == 1) return List(args[1]);
    if (job == "extract" && operands == 3) return Extract(args[1], args[2], args[3]);
    if (job == "verify" && operands == 1) return Verify(args[1]);
    if (job == "catalogue" && operands == 0) return Catalogue();
    return Usage();
}
