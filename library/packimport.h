#pragma once
// Making sura packs from a folder of per-aya recordings named SSSAAA.mp3
// (sura and aya number, three digits each), the layout most per-verse
// recitation sets come in. Every pack that has at least one aya in the
// folder is written, with the folder's own silence.mp3 or, when it brings
// none (or one that is no playable MP3), a one-second silence made with
// lame. A file that is not playable MP3 audio, or plays shorter than its
// own header declares, goes into no pack, whatever its name. Nothing here prints; the caller shows the result (norvane-pack
// import on a terminal, the window in a dialog).

#include <QCoreApplication>
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/problem.h"

class Mp3Probe;

// The silence every pack carries for pauses: one second of silent MP3 made
// with lame (a folder may bring its own instead).
Problem MakeSilenceRecording(std::vector<char>* mp3);

// A file of the source folder that goes into no pack, and why.
struct IgnoredFile {
    std::string name;    // the file name as it stands in the folder
    std::string reason;  // "not named SSSAAA.mp3", "sura 1 has no aya 8", "not playable MP3 audio",
                         // "cut short: plays 5.96 s of 20.06 s", ...
};

// One pack written by the import.
struct ImportedPack {
    std::string name;  // the pack file name, for example "s001_s002.mat"
    int ayasInPack = 0;
    int ayasHeld = 0;  // of them, the ones the folder had
    // The absent ayas as runs of entry stems in pack order: "002.002-002.254"
    // for a run, "002.010" for a single aya.
    std::vector<std::string> missingRuns;
};

struct PackImportResult {
    std::vector<IgnoredFile> ignored;
    std::vector<ImportedPack> packs;  // in pack-name order, as written
    std::string error;                // why the import stopped; empty when it did not
};

// The missing runs joined for display: "001.001-001.007, 002.010".
std::string MissingRunsText(const ImportedPack& pack);

class PackImport {
    Q_DECLARE_TR_FUNCTIONS(PackImport)
public:
    // Reads the source folder. False (with Result().error) when it is no
    // folder or holds no aya recording; Result().ignored is filled either way.
    bool Scan(const std::string& sourceFolder);

    // Writes the packs into packFolder (made when missing), calling
    // onPackWritten after each one. Stops at the first failure, false with
    // Result().error naming the file and the cause. Each pack is written
    // beside its target and renamed into place, so a pack that fails leaves
    // the earlier file of its name untouched.
    bool WritePacks(const std::string& packFolder,
                    const std::function<void(const ImportedPack&)>& onPackWritten = {});

    const PackImportResult& Result() const { return result; }
    // How many packs WritePacks will write, once the folder is scanned.
    int PacksToWrite() const;

    // A flag another thread may raise to stop the import between two files;
    // Scan and WritePacks then fail with Cancelled() true. A pack being
    // written when it is raised is dropped whole, never half-written.
    // The reciter's name, stored in every pack written (empty: none).
    void SetReciter(const std::string& name) { reciter = name; }

    void SetCancelFlag(const std::atomic<bool>* flag) { cancelFlag = flag; }
    bool Cancelled() const { return cancelFlag && cancelFlag->load(); }

private:
    // Recording paths by sura number, then aya number.
    std::map<int, std::map<int, std::string>> recordings;
    std::string silencePath;  // the folder's own silence.mp3; empty when it has none
    PackImportResult result;
    const std::atomic<bool>* cancelFlag = nullptr;
    std::string reciter;  // UTF-8

    void Classify(const std::string& fileName, const std::string& path, Mp3Probe& audio);
    bool Fail(const std::string& message);
    bool LoadSilence(std::vector<char>* silence);
    bool WritePack(const std::string& packName, int firstSura, int lastSura,
                   const std::vector<char>& silence, const std::string& packFolder);
    bool HoldsAyaOf(int firstSura, int lastSura) const;
};
