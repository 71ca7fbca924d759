#include "library/packarchive.h"

#include "library/savefile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iomanip>
#include <iostream>
#include <limits>
#include <zlib.h>

namespace {

const char kMagic[3] = {'J', 'R', '1'};
// No path on any supported system is longer; a longer word in a list file
// is garbage, not a path.
const int kLongestListedPath = 4096;

QString FileName(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A translated sentence whose %1, %2, ... are filled in one pass with the
// bytes of `parts` as they are: a path given on a command line need not be
// UTF-8 and is named byte for byte, and a "%2" inside a part stays as it is.
std::string Filled(const QString& sentence, std::initializer_list<std::string> parts) {
    const std::string pattern = sentence.toStdString();
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t part = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '1') : parts.size();
        if (pattern[i] == '%' && part < parts.size()) {
            text += parts.begin()[part];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Unwritable(const std::string& target, const std::string& why) {
    return Filled(QCoreApplication::translate("PackArchive", "cannot write \"%1\": %2"), {target, why});
}

// One 268-byte index record; false when its name field has no terminator.
bool ParseIndexEntry(const char* record, PackArchive::IndexEntry* entry) {
    const void* terminator = std::memchr(record, '\0', PackArchive::kNameFieldSize);
    if (!terminator) return false;
    entry->name.assign(record, static_cast<const char*>(terminator) - record);
    const char* numbers = record + PackArchive::kNameFieldSize;
    entry->start = qFromLittleEndian<quint32>(numbers);
    entry->end = qFromLittleEndian<quint32>(numbers + 4);
    entry->checksum = qFromLittleEndian<quint32>(numbers + 8);
    return true;
}

void AppendIndexEntry(QByteArray* out, const std::string& name, uint32_t start, uint32_t end,
                      uint32_t checksum) {
    QByteArray record(PackArchive::kIndexEntrySize, '\0');
    std::memcpy(record.data(), name.data(), name.size());
    char* numbers = record.data() + PackArchive::kNameFieldSize;
    qToLittleEndian<quint32>(start, numbers);
    qToLittleEndian<quint32>(end, numbers + 4);
    qToLittleEndian<quint32>(checksum, numbers + 8);
    out->append(record);
}

// Why a pending entry cannot go into an archive; empty when it can.
std::string PendingEntryProblem(const PackArchive::PendingEntry& entry) {
    if (entry.name.size() >= size_t(PackArchive::kNameFieldSize))
        return Filled(QCoreApplication::translate("PackArchive", "entry name \"%1\" is longer than 255 characters"),
                      {entry.name});
    if (entry.name.find('\0') != std::string::npos)
        return Filled(QCoreApplication::translate("PackArchive", "entry name \"%1\" contains a zero byte"), {entry.name});
    if (entry.size < 0 || size_t(entry.size) != entry.data.size())
        return Filled(QCoreApplication::translate("PackArchive", "entry \"%1\" has a size that does not match its data"),
                      {entry.name});
    return std::string();
}

bool ReadWholeFile(const std::string& path, PackArchive::PendingEntry* entry, std::string* error) {
    QFile file(FileName(path));
    const auto unreadable = [&path](const QString& why) {
        return Filled(QCoreApplication::translate("PackArchive", "cannot read \"%1\": %2"), {path, why.toStdString()});
    };
    if (!file.open(QIODevice::ReadOnly)) {
        *error = unreadable(file.errorString());
        return false;
    }
    const qint64 size = file.size();
    if (size > std::numeric_limits<int32_t>::max()) {
        *error = Filled(QCoreApplication::translate("PackArchive", "cannot read \"%1\": larger than 2 GiB"), {path});
        return false;
    }
    entry->data.resize(size_t(size));
    if (size > 0 && file.read(entry->data.data(), size) != size) {
        *error = unreadable(file.errorString());
        entry->data.clear();
        return false;
    }
    entry->name = FileNamePart(path);
    entry->size = int32_t(size);
    entry->checksum = PackChecksum(entry->data.data(), entry->data.size());
    return true;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
    const size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

uint32_t PackChecksum(const char* data, size_t size) {
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* bytes = reinterpret_cast<const Bytef*>(data);
    // zlib takes the length as uInt; feed larger buffers in pieces.
    while (size > 0) {
        const uInt piece = uInt(std::min<size_t>(size, std::numeric_limits<uInt>::max()));
        crc = crc32(crc, bytes, piece);
        bytes += piece;
        size -= piece;
    }
    return uint32_t(crc);
}

void PackArchive::ClearIndex() {
    index.clear();
    fileOrder.clear();
    count = 0;
}

bool PackArchive::Fail(const std::string& message) const {
    lastError = message;
    return false;
}

bool PackArchive::FailOpen(const std::string& reason) {
    ClearIndex();
    openProblem = reason;
    return Fail(Quoted(path) + ": " + reason);
}

bool PackArchive::Open(const std::string& archivePath) {
    ClearIndex();
    lastError.clear();
    openProblem.clear();
    path = archivePath;
    QFile file(FileName(archivePath));
    if (!file.open(QIODevice::ReadOnly)) return FailOpen(tr("cannot open: %1").arg(file.errorString()).toStdString());

    char header[kHeaderSize];
    const qint64 headerRead = file.read(header, kHeaderSize);
    if (headerRead < qint64(sizeof kMagic) || std::memcmp(header, kMagic, sizeof kMagic) != 0)
        return FailOpen(tr("not a pack archive").toStdString());
    if (headerRead < kHeaderSize) return FailOpen(tr("header cut short").toStdString());
    // The writer never stores a count beyond int32's range: such a count is
    // damage, not an empty pack.
    const quint32 declared = qFromLittleEndian<quint32>(header + sizeof kMagic);
    if (declared > quint32(std::numeric_limits<int32_t>::max()))
        return FailOpen(tr("entry count %1 beyond what a pack holds").arg(QString::number(declared)).toStdString());

    // The count is untrusted: read entry by entry, so memory grows only with
    // the bytes that are really there.
    char record[kIndexEntrySize];
    for (quint32 i = 0; i < declared; ++i) {
        IndexEntry entry;
        if (file.read(record, kIndexEntrySize) != kIndexEntrySize)
            return FailOpen(tr("index cut short at entry %1").arg(QString::number(i + 1)).toStdString());
        if (!ParseIndexEntry(record, &entry))
            return FailOpen(
                tr("name of index entry %1 has no terminating zero byte").arg(QString::number(i + 1)).toStdString());
        index[entry.name] = entry;  // a later duplicate replaces an earlier one
        fileOrder.push_back(std::move(entry));
    }
    count = int32_t(declared);
    return true;
}

std::optional<PackArchive::IndexEntry> PackArchive::Find(const std::string& name) const {
    const auto it = index.find(FileNamePart(name));
    if (it == index.end()) return std::nullopt;
    return it->second;
}

bool PackArchive::Holds(const std::string& name) const {
    return index.count(FileNamePart(name)) > 0;
}

std::vector<char> PackArchive::Extract(const std::string& name) const {
    const std::optional<IndexEntry> entry = Find(name);
    if (!entry) return {};
    return ExtractEntry(*entry);
}

bool PackArchive::LiesInsideFile(const IndexEntry& entry) const {
    if (entry.end < entry.start) return false;
    const QFileInfo info(FileName(path));
    return info.isFile() && quint64(info.size()) >= entry.end;
}

std::vector<char> PackArchive::ExtractEntry(const IndexEntry& entry) const {
    if (entry.end <= entry.start) return {};
    QFile file(FileName(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
    // The file may have shrunk since Open: check before reserving anything.
    if (quint64(file.size()) < entry.end || !file.seek(entry.start)) return {};
    const qint64 size = qint64(entry.end) - qint64(entry.start);
    std::vector<char> bytes(static_cast<size_t>(size));
    if (file.read(bytes.data(), size) != size) return {};
    return bytes;
}

PackArchive::PendingEntry PackArchive::ReadFileEntry(const std::string& filePath, std::string* error) {
    PendingEntry entry;
    std::string why;
    ReadWholeFile(filePath, &entry, &why);
    if (error) *error = why;
    return entry;
}

PackArchive::PendingEntry PackArchive::EntryFromBytes(std::string name, std::vector<char> data) {
    PendingEntry entry;
    entry.name = std::move(name);
    entry.size = int32_t(data.size());
    entry.checksum = PackChecksum(data.data(), data.size());
    entry.data = std::move(data);
    return entry;
}

void PackArchive::AddPending(PendingEntry entry) { pending.push_back(std::move(entry)); }

bool PackArchive::AddListedFiles(const std::string& listFile) {
    pending.clear();
    lastError.clear();
    std::ifstream list(listFile);
    if (!list) return Fail("cannot read list file " + Quoted(listFile));
    std::string word;
    while (list >> std::setw(kLongestListedPath + 1) >> word) {
        if (word.size() > size_t(kLongestListedPath))
            return Fail(Quoted(listFile) + " lists a path longer than " +
                        std::to_string(kLongestListedPath) + " characters");
        std::cout << word << '\n';
        PendingEntry entry;
        std::string error;
        if (!ReadWholeFile(word, &entry, &error)) {
            pending.clear();
            return Fail(error);
        }
        pending.push_back(std::move(entry));
    }
    std::cout.flush();
    return true;
}

bool PackArchive::Write(const std::string& target) const {
    lastError.clear();
    if (pending.size() > size_t(std::numeric_limits<int32_t>::max() / kIndexEntrySize))
        return Fail(tr("too many entries").toStdString());
    const uint32_t entryCount = uint32_t(pending.size());
    uint64_t offset = kHeaderSize + uint64_t(kIndexEntrySize) * entryCount;

    QByteArray head(kMagic, sizeof kMagic);
    char countBytes[4];
    qToLittleEndian<qint32>(qint32(entryCount), countBytes);
    head.append(countBytes, 4);
    for (const PendingEntry& entry : pending) {
        const std::string problem = PendingEntryProblem(entry);
        if (!problem.empty()) return Fail(Unwritable(target, problem));
        const uint64_t end = offset + entry.data.size();
        if (end > std::numeric_limits<uint32_t>::max())
            return Fail(Filled(tr("cannot write \"%1\": archive would exceed 4 GiB"), {target}));
        AppendIndexEntry(&head, entry.name, uint32_t(offset), uint32_t(end), entry.checksum);
        offset = end;
    }

    // QSaveFile writes beside the target and renames on commit, so a failed
    // write never leaves a half-written archive under the target name. It is
    // unbuffered because a buffered QSaveFile takes a short write while
    // flushing (a full disk) for success and would commit the cut archive.
    QSaveFile file(FileName(target));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(Unwritable(target, file.errorString().toStdString()));
    Problem unwritten = WriteAll(file, head);
    for (const PendingEntry& entry : pending) {
        if (unwritten) break;
        unwritten = WriteAll(file, entry.data.data(), qint64(entry.data.size()));
    }
    if (unwritten) return Fail(Unwritable(target, unwritten.StdText()));
    if (!file.commit()) return Fail(Unwritable(target, file.errorString().toStdString()));
    return true;
}

QString ReciterOfPack(const PackArchive& pack) {
    const std::vector<char> bytes = pack.Extract(kReciterEntry);
    // A name, not a document: one line of reasonable length.
    return QString::fromUtf8(bytes.data(), qsizetype(std::min<size_t>(bytes.size(), 200))).section('\n', 0, 0).trimmed();
}
