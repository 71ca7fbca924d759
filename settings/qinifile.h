#pragma once
// The INI settings store: the whole file is read into a sorted list of
// entries at construction, lookups are answered from that list, and every
// write rewrites the whole file at once, sorted by section and key.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// One line of the settings file. Lines before the first header belong to the
// empty section; a line without "=" (a comment) is kept as a keyless entry
// whose value is the whole trimmed line.
class QIniData {
public:
    QIniData(const QString& section, const QString& key, const QString& value);

    const QString& section() const { return sectionName; }
    const QString& key() const { return keyName; }
    const QString& value() const { return valueText; }
    void setValue(const QString& value) { valueText = value; }

    // A keyless entry is written back as its value alone.
    bool isKeyless() const { return keyName.trimmed().isEmpty(); }

private:
    const QString sectionName;
    const QString keyName;
    QString valueText;
};

// The store's entries, owned, ordered by section then key. The sort is
// stable, so entries that compare equal (several comments of one section,
// duplicate keys) keep the order in which they were read or added.
class QSortedIniPtrList {
public:
    // 0 when section and key are equal; otherwise 1 or -1 as the first entry
    // sorts after or before the second. Case-sensitive, by character codes.
    static int Compare(const QIniData& a, const QIniData& b);

    void Append(std::unique_ptr<QIniData> entry) { items.push_back(std::move(entry)); }
    void Clear() { items.clear(); }
    void Sort();

    int Count() const { return int(items.size()); }
    QIniData& At(int i) const { return *items[size_t(i)]; }

    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

private:
    std::vector<std::unique_ptr<QIniData>> items;
};

class QIniFile {
public:
    // Reads the file at once; a missing or unreadable file gives an empty store.
    explicit QIniFile(const QString& path);
    QIniFile(const QIniFile&) = delete;
    QIniFile& operator=(const QIniFile&) = delete;

    // Replaces the entries by the file's contents.
    void ReadFile();
    // Rewrites the whole file, sorted. The new contents replace the old file
    // in one step: when writing fails the old file is left as it was and the
    // entries in memory are kept. Returns true when the file was written.
    bool WriteFile();

    // The first entry of that section and key; a null string when absent.
    QString ReadString(const QString& section, const QString& key) const;
    // That entry's value as a decimal integer; 0 when absent or not a number.
    int ReadInt(const QString& section, const QString& key) const;

    // Set the value (replacing the first keyed entry of that section and
    // key, or appending one) and rewrite the file. The return value is
    // WriteFile's. A value reads back exactly as given unless it holds a
    // line break; so does a section name without "[", "]" or a line break.
    // Keys are the program's own names: one holding "=", starting with a
    // blank or "[", would not read back.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInt(const QString& section, const QString& key, int value);

    const QString& FileName() const { return fileName; }

private:
    const QIniData* Find(const QString& section, const QString& key) const;
    void ParseLine(const QString& line, QString& currentSection);
    QByteArray Serialise() const;

    const QString fileName;
    QSortedIniPtrList entries;
};
