#pragma once
// The recitations a per-aya server offers: the catalogue shipped with the
// program (data/recitations.json) and the server's own (recitations.js),
// the check every folder name passes before it becomes part of an address
// or a path, and the size a download will have.

#include "tools/problem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct CatalogueEntry {
    QString displayName;
    QString folder;   // the server's folder, maybe with sub-paths: "English/Sahih_Intnl_Ibrahim_Walk_192kbps"
    QString bitrate;  // as the catalogue states it, "128kbps"
    QString kind;     // RecitationManifest::kRecitation or kTranslation
    QString language;
};

struct CatalogueRead {
    std::vector<CatalogueEntry> entries;
    QStringList skipped;  // entries left out, each with why
    Problem problem;      // why nothing could be read
};

namespace RecitationCatalogue {

// A catalogue is a few kilobytes; one larger than this is refused unread.
constexpr qint64 kMaxBytes = 1024 * 1024;
// The server most per-aya recitations come from.
inline const QString kDefaultBase = QStringLiteral("https://everyayah.com/data");
inline const QString kFileName = QStringLiteral("recitations.json");
inline const QString kServerFileName = QStringLiteral("recitations.js");

// Reads the server's catalogue: a JSON object, maybe wrapped as
// `var name = {...};`, whose numbered members are {subfolder, name,
// bitrate}. Entries whose folder fails CheckFolder are skipped, with why.
CatalogueRead ParseServer(const QByteArray& text);
// Reads the shipped catalogue: {"recitations": [{name, folder, bitrate,
// kind, language}, ...]}.
CatalogueRead ParseShipped(const QByteArray& text);
// The shipped catalogue from the installed data (Locations::DataFile).
CatalogueRead Shipped();

// Whether a folder name from a catalogue or a user is safe to put in an
// address and to name things after: relative, of plain segments (letters,
// digits, "_", "-", ".", " "), no "." or ".." segment, no scheme.
Problem CheckFolder(const QString& folder);
// "translation" for a folder under translations/ or a language's name
// ("English/..."), else "recitation".
QString GuessKind(const QString& folder);
// The recitation name a folder gets by default: each "/" made "_".
QString DefaultName(const QString& folder);

// The bit rate in kbit/s a catalogue text states ("128kbps", "64Kbps"); 0 when none.
int Kbps(const QString& bitrate);
// About how many bytes `ayas` ayas take at that bit rate (from the length
// of a whole recitation); 0 when the rate is unknown.
qint64 EstimatedBytes(int kbps, int ayas);
// "about 1.2 GB", "about 35 MB"; "size unknown" for 0.
QString SizeText(qint64 bytes);

}  // namespace RecitationCatalogue
