#pragma once
// Recitations: named sets of sura packs held side by side. A named
// recitation lives in a folder of its own under a pack folder (portable:
// quran/NAME/), with a small manifest (recitation.json) beside its packs.
// The packs placed directly in a pack folder, the layout of every earlier
// version, are one recitation too: "default", which needs no manifest.
// A recitation of kind "translation" holds per-aya translation recordings
// in the same layout, to be played after each aya.

#include "tools/problem.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct RecitationManifest {
    static constexpr const char* kFileName = "recitation.json";
    static constexpr const char* kRecitation = "recitation";
    static constexpr const char* kTranslation = "translation";

    QString displayName;  // as the chooser shows it; empty: the recitation's name
    QString reciter;
    QString kind = kRecitation;
    QString language;  // for example "ar", "en", "ur"
    QString source;    // where its recordings came from: a server's address and folder, or a folder
    QString bitrate;   // as its source states it, for example "128kbps"

    bool IsTranslation() const { return kind == kTranslation; }

    // Reads FOLDER/recitation.json. A missing manifest is no problem (the
    // recitation then has defaults); a damaged or oversized one is.
    static RecitationManifest Read(const QString& folder, Problem* problem = nullptr);
    // Writes it beside the packs in FOLDER, whole or not at all.
    Problem Write(const QString& folder) const;
};

struct RecitationInfo {
    QString name;  // its folder's name; "default" for the packs directly in the pack folders
    RecitationManifest manifest;
    QStringList folders;  // where its packs are, each ending in a separator; the first wins for a pack name

    QString DisplayName() const;
    bool IsDefault() const;
};

namespace Recitations {

// The name of the recitation made of the packs directly in the pack folders.
inline const QString kDefaultName = QStringLiteral("default");

// The recitations the current locations hold, "default" first (present
// even when it has no packs, so that a fresh install still has one), then
// the named ones by name. A folder counts as a recitation when it has a
// manifest or a sura pack; of recitations of one name in several pack
// folders, the user's manifest wins and their packs are found in each.
std::vector<RecitationInfo> Installed();

// The recitation of that name ("" is "default"), or nothing.
std::optional<RecitationInfo> Find(const QString& name);

// Whether `name` can name a new recitation's folder: one folder name of
// printable characters, not hidden, no separator, no reserved name.
Problem CheckName(const QString& name);

// Where a recitation of that name keeps its packs in the user's pack
// folder, ending in a separator (the pack folder itself for "default").
QString NewFolder(const QString& name);

// The pack folders of a recitation: every pack folder, or NAME in each.
QStringList FoldersOf(const QString& name);

}  // namespace Recitations
