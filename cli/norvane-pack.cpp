// norvane-pack: makes, lists, checks and unpacks pack archives (sura packs
// and img.dat). Every error names the file and the cause on standard error
// and ends the program with status 1; wrong arguments print the usage and
// end it with status 2. Output files are written beside their target and
// renamed into place, so a failure never leaves a half-written file.

#include "library/locations.h"
#include "library/packarchive.h"
#include "cli/terminaljob.h"
#include "library/packimport.h"
#include "library/quran.h"
#include "library/recitation.h"
#include "library/recitationdownload.h"
#include "library/recitationimport.h"
#include "library/mp3probe.h"
#include "library/savefile.h"
#include "library/suracatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
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
    "  norvane-pack import FOLDER [OUTDIR] [--name NAME] [--reciter R]\n"
    "                                         make sura packs from FOLDER/SSSAAA.mp3 recordings,\n"
    "                                         by default into the packs the programs use, with\n"
    "                                         --name as the recitation NAME beside the others;\n"
    "                                         R is stored as the packs' reciter\n"
    "  norvane-pack recitations               name, kind, suras held, size and title of every\n"
    "                                         installed recitation\n"
    "  norvane-pack download FOLDER [--base URL] [--name NAME] [--suras LIST]\n"
    "                                         fetch a recitation from a per-aya server\n"
    "                                         (URL/FOLDER/SSSAAA.mp3, URL by default\n"
    "                                         https://everyayah.com/data) into the recitation\n"
    "                                         NAME (by default FOLDER with \"/\" made \"_\");\n"
    "                                         LIST like 1-2,78-114 (by default all suras);\n"
    "                                         a second run continues where one stopped\n"
    "  norvane-pack download --list [--base URL]\n"
    "                                         name, folder, bit rate and kind of the\n"
    "                                         recitations known, or those URL offers\n"
    "  norvane-pack list PACK                 name, size, checksum and playing length (ms)\n"
    "                                         of every index entry\n"
    "  norvane-pack extract PACK NAME OUT     write one entry's bytes to OUT\n"
    "  norvane-pack verify PACK               recompute and compare every checksum\n"
    "  norvane-pack catalogue                 sura key, aya count and pack name of every sura\n"
    "  norvane-pack --help                    this text\n"
    "  norvane-pack --version                 the program's version\n"
    "\n"
    "SIGINT or SIGTERM stops an import between two files, and a download at\n"
    "once keeping what it fetched (status 130 or 143). Downloaded recordings\n"
    "belong to their reciters and publishers; they are for personal use.\n"
    "Exit status: 0 on success, 1 when a job fails (the message names the file\n"
    "and the cause) or a download leaves an aya asked for not held, 2 for wrong\n"
    "arguments.\n";

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
    const QString problem = SaveWholeFile(FileName(path), QByteArray(data, qsizetype(size)));
    return problem.isEmpty() ? std::string() : "cannot write " + Quoted(path) + ": " + problem.toStdString();
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
                                     Mp3Probe& audio) {
    if (!pack.LiesInsideFile(entry)) return {entry.name, "damaged", Hex8(entry.checksum), "damaged"};
    const std::string size = std::to_string(entry.end - entry.start);
    const std::string length = std::to_string(audio.GetLen(pack.ExtractEntry(entry)));
    return {entry.name, size, Hex8(entry.checksum), length};
}

int List(const std::string& packPath) {
    PackArchive pack;
    if (!OpenPack(&pack, packPath)) return kFailed;
    Mp3Probe audio;
    int status = 0;
    const QString reciter = ReciterOfPack(pack);
    if (!reciter.isEmpty()) std::cout << "# reciter: " << reciter.toStdString() << '\n';
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

void PrintIgnored(const std::vector<IgnoredFile>& ignored) {
    for (const IgnoredFile& file : ignored)
        std::cerr << "norvane-pack: ignored " << Quoted(file.name) << ": " << file.reason << '\n';
}

void PrintImportedPack(const ImportedPack& pack) {
    std::cout << pack.name << ": " << pack.ayasHeld << " of " << pack.ayasInPack << " ayas";
    if (!pack.missingRuns.empty()) std::cout << ", missing: " << MissingRunsText(pack);
    std::cout << '\n';
}

// Takes "--option VALUE" out of the operands; false when the value is missing.
bool TakeOption(std::vector<std::string>* operands, const std::string& option, QString* value) {
    const auto found = std::find(operands->begin(), operands->end(), option);
    if (found == operands->end()) return true;
    if (found + 1 == operands->end()) return false;
    *value = QString::fromLocal8Bit((found + 1)->c_str());
    operands->erase(found, found + 2);
    return true;
}

// The manifest of a recitation made by import: what was there before, with
// the reciter and the source folder of this import.
Problem WriteImportManifest(const QString& name, const QString& reciter, const std::string& sourceFolder) {
    const QString folder = Recitations::NewFolder(name);
    RecitationManifest manifest = RecitationManifest::Read(folder);
    if (manifest.displayName.isEmpty()) manifest.displayName = name;
    if (!reciter.isEmpty()) manifest.reciter = reciter;
    manifest.source = QFileInfo(FileName(sourceFolder)).absoluteFilePath();
    return manifest.Write(folder);
}

// FOLDER [OUTDIR] [--name NAME] [--reciter R]; without OUTDIR the packs go
// where the programs look for new packs, in the recitation NAME if given.
int Import(std::vector<std::string> operands) {
    QString reciter, name;
    if (!TakeOption(&operands, "--reciter", &reciter) || !TakeOption(&operands, "--name", &name)) return Usage();
    if (operands.empty() || operands.size() > 2 || (!name.isEmpty() && operands.size() == 2)) return Usage();
    if (!name.isEmpty()) {
        if (const Problem bad = Recitations::CheckName(name)) {
            std::cerr << "norvane-pack: " << bad.StdText() << '\n';
            return kBadArguments;
        }
    }
    const std::string folderPath = operands[0];
    const QString outDir = operands.size() == 2 ? FileName(operands[1]) : Recitations::NewFolder(name);
    RecitationImport import;
    import.SetReciter(reciter);
    int status = RunJobOnTerminal(import, {"norvane-pack", false}, [&] { import.Start(FileName(folderPath), outDir); });
    const PackImportResult& result = import.Imported();
    PrintIgnored(result.ignored);
    for (const ImportedPack& pack : result.packs) PrintImportedPack(pack);
    if (!name.isEmpty() && !result.packs.empty()) {
        if (const Problem unwritten = WriteImportManifest(name, reciter, folderPath)) {
            Failure(unwritten.StdText());
            status = status ? status : kFailed;
        }
    }
    if (status == 1 && !result.error.empty()) return Failure(result.error);
    return status;
}

// ---- recitations --------------------------------------------------------

// The bytes of a recitation's packs, a pack name counted once.
qint64 PackBytes(const RecitationInfo& recitation) {
    std::map<QString, qint64> sizes;
    for (const QString& folder : recitation.folders)
        for (const QFileInfo& pack : QDir(folder).entryInfoList({"*.mat"}, QDir::Files)) sizes.emplace(pack.fileName(), pack.size());
    qint64 total = 0;
    for (const auto& entry : sizes) total += entry.second;
    return total;
}

int ListRecitations() {
    Quran quran;
    for (const RecitationInfo& recitation : Recitations::Installed()) {
        quran.UseRecitation(recitation.name);
        quran.Setup();
        std::printf("%s\t%s\t%zu suras\t%.1f MB\t%s\n", recitation.name.toLocal8Bit().constData(),
                    recitation.manifest.kind.toLocal8Bit().constData(), quran.AvailableSuras().size(),
                    PackBytes(recitation) / 1e6, recitation.DisplayName().toLocal8Bit().constData());
    }
    return 0;
}

// ---- download -----------------------------------------------------------

void PrintCatalogue(const std::vector<CatalogueEntry>& entries) {
    for (const CatalogueEntry& entry : entries)
        Out() << entry.displayName << '\t' << entry.folder << '\t' << entry.bitrate << '\t' << entry.kind << '\n';
    Out().flush();
}

// The shipped catalogue, or with --base the server's own.
int ListCatalogue(const QString& base) {
    CatalogueRead read;
    if (base.isEmpty()) {
        read = RecitationCatalogue::Shipped();
    } else {
        ServerCatalogueFetch fetch;
        QEventLoop loop;
        QObject::connect(&fetch, &ServerCatalogueFetch::Done, &loop, &QEventLoop::quit);
        fetch.Start(base);
        loop.exec();
        read = fetch.Result();
    }
    for (const QString& skipped : read.skipped) Err() << "norvane-pack: skipped: " << skipped << Qt::endl;
    if (read.problem) return Failure(read.problem.StdText());
    PrintCatalogue(read.entries);
    return 0;
}

// What the shipped catalogue says of a folder; for a folder it does not
// name, what the folder's name says.
CatalogueEntry DescribeFolder(const QString& folder) {
    for (const CatalogueEntry& entry : RecitationCatalogue::Shipped().entries)
        if (entry.folder == folder) return entry;
    const int kbps = RecitationCatalogue::Kbps(folder);  // "Husary_128kbps"
    return {folder, folder, kbps > 0 ? QString("%1kbps").arg(kbps) : QString(), RecitationCatalogue::GuessKind(folder), QString()};
}

int Download(std::vector<std::string> operands) {
    DownloadOrder order;
    QString base, name, suras;
    if (!TakeOption(&operands, "--base", &base) || !TakeOption(&operands, "--name", &name) ||
        !TakeOption(&operands, "--suras", &suras))
        return Usage();
    if (operands.size() == 1 && operands[0] == "--list" && name.isEmpty() && suras.isEmpty()) return ListCatalogue(base);
    if (operands.size() != 1 || operands[0].rfind("--", 0) == 0) return Usage();
    order.source = DescribeFolder(QString::fromLocal8Bit(operands[0].c_str()));
    if (!base.isEmpty()) order.base = base;
    order.name = name;
    Problem bad = suras.isEmpty() ? Problem() : ParseSuraList(suras, &order.suras);
    if (!bad) bad = order.Check();
    if (bad) {
        Failure(bad.StdText());
        return kBadArguments;
    }
    Out() << "Fetching " << order.source.displayName << " (" << order.AyaCount() << " ayas, "
          << RecitationCatalogue::SizeText(order.EstimatedBytes()) << ") into the recitation \"" << order.RecitationName()
          << "\"" << Qt::endl;
    RecitationDownload download;
    const int status = RunJobOnTerminal(download, {"norvane-pack", true}, [&] { download.Start(order); });
    if (status == 1)
        for (const QString& reason : download.Reasons()) Failure(reason.toStdString());
    return status;
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
    if (job == "--version") {
        std::cout << "norvane-pack " NORVANE_VERSION "\n";
        return 0;
    }
    if (job == "create" && operands == 2) return Create(args[1], args[2]);
    Locations::ChooseForProgram(false);
    if (job == "download") return Download(std::vector<std::string>(args.begin() + 1, args.end()));
    if (job == "import") return Import(std::vector<std::string>(args.begin() + 1, args.end()));
    if (job == "list" && operands == 1) return List(args[1]);
    if (job == "extract" && operands == 3) return Extract(args[1], args[2], args[3]);
    if (job == "verify" && operands == 1) return Verify(args[1]);
    if (job == "catalogue" && operands == 0) return Catalogue();
    if (job == "recitations" && operands == 0) return ListRecitations();
    return Usage();
}
