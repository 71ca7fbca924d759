#pragma once
// The pack archive: a flat, uncompressed collection of named blobs with a
// fixed-size index at the front ("JR1", count, 268-byte index entries, data).
// Sura packs (*.mat) and the icon archive img.dat use it.

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The part of a path after its last backslash, slash or colon.
std::string FileNamePart(const std::string& path);

// The pack checksum: standard CRC-32 (zlib) of the bytes; 0 for no bytes.
uint32_t PackChecksum(const char* data, size_t size);

class PackArchive {
    Q_DECLARE_TR_FUNCTIONS(PackArchive)
public:
    static constexpr int kNameFieldSize = 256;
    static constexpr int kIndexEntrySize = 268;
    static constexpr int kHeaderSize = 7;

    struct IndexEntry {
        std::string name;
        uint32_t start = 0;
        uint32_t end = 0;
        uint32_t checksum = 0;
    };

    struct PendingEntry {
        std::string name;
        int32_t size = 0;
        uint32_t checksum = 0;
        std::vector<char> data;
    };

    // False (with LastError() saying why) for a file that cannot be read, is
    // no pack archive, declares more entries than int32 counts, or whose
    // index is cut short or has a name field without its terminating zero
    // byte; the object then holds no entries.
    bool Open(const std::string& path);
    // Why the last Open failed, without the path ("index cut short at entry
    // 3"); empty after an Open that worked.
    const std::string& OpenProblem() const { return openProblem; }
    // Empty for a missing entry and for one whose bytes do not lie inside
    // the file as it is now.
    std::vector<char> Extract(const std::string& name) const;

    // Building side. AddListedFiles echoes every listed path to standard
    // output as it reads it; it returns false (with LastError() naming the
    // file and the cause) when a listed file cannot be read.
    bool AddListedFiles(const std::string& listFile);
    // Writes the pending entries as a complete archive; false on failure
    // (with LastError()). The file appears only once it is complete: an
    // existing file at the path is replaced as a whole or left untouched.
    bool Write(const std::string& path) const;
    // A listed file read whole, named by its file-name part. On failure the
    // entry is empty and *error (when given) names the file and the cause;
    // on success *error is cleared.
    static PendingEntry ReadFileEntry(const std::string& path, std::string* error = nullptr);
    // An entry of bytes already in memory, with its size and checksum filled in.
    static PendingEntry EntryFromBytes(std::string name, std::vector<char> data);
    void AddPending(PendingEntry entry);

    // Index entries in the order they stand in the file (later duplicates
    // included), for tools that list or verify an archive.
    const std::vector<IndexEntry>& EntriesInFileOrder() const { return fileOrder; }
    // The bytes of one index entry as it stands in the file; empty when the
    // entry lies outside the file.
    std::vector<char> ExtractEntry(const IndexEntry& entry) const;
    // Whether an entry's bytes lie inside the archive file as it is now.
    bool LiesInsideFile(const IndexEntry& entry) const;
    // The index entry that Extract would use for a name (its file-name part).
    std::optional<IndexEntry> Find(const std::string& name) const;
    bool Holds(const std::string& name) const;
    // The entry count the header declares.
    int32_t Count() const { return count; }
    const std::string& Path() const { return path; }
    const std::vector<PendingEntry>& Pending() const { return pending; }
    const std::string& LastError() const { return lastError; }

private:
    std::vector<PendingEntry> pending;
    std::map<std::string, IndexEntry> index;
    int32_t count = 0;
    std::string path;
    std::vector<IndexEntry> fileOrder;
    mutable std::string lastError;
    std::string openProblem;

    void ClearIndex();
    bool Fail(const std::string& message) const;
    bool FailOpen(const std::string& reason);
};

// The entry in which a pack names its reciter (UTF-8 text); readers that
// look up ayas by name never see it.
inline constexpr const char* kReciterEntry = "reciter.txt";
QString ReciterOfPack(const PackArchive& pack);
