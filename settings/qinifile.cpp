#include "settings/qinifile.h"

#include "library/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QtGlobal>
#include <algorithm>

QIniData::QIniData(const QString& section, const QString& key, const QString& value)
    : sectionName(section), keyName(key), valueText(value) {}

int QSortedIniPtrList::Compare(const QIniData& a, const QIniData& b) {
    if (a.section() == b.section()) {
        if (a.key() == b.key()) return 0;
        return a.key() > b.key() ? 1 : -1;
    }
    return a.section() > b.section() ? 1 : -1;
}

void QSortedIniPtrList::Sort() {
    std::stable_sort(items.begin(), items.end(),
                     [](const std::unique_ptr<QIniData>& a, const std::unique_ptr<QIniData>& b) {
                         return Compare(*a, *b) < 0;
                     });
}

QIniFile::QIniFile(const QString& path) : fileName(path) { ReadFile(); }

void QIniFile::ReadFile() {
    if (fileName.trimmed().isEmpty()) {
        qWarning("Warning. You didn't specify an ini filename to read settings from.");
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        entries.Sort();
        return;
    }
    entries.Clear();
    QString currentSection;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::System);
    // Bytes that look like a UTF-16 byte-order mark must not switch the
    // decoding: the file is written back in the system's encoding and would
    // then read differently. A UTF-8 mark (a Windows editor's) is dropped
    // by ParseLine.
    in.setAutoDetectUnicode(false);
    QString line;
    while (in.readLineInto(&line)) ParseLine(line, currentSection);
    entries.Sort();
}

// One line of the file. Leading blanks go, as they always have, and with
// them byte-order marks: an editor puts one in front of the file (and
// joined files have them further down), it is invisible, and a line that
// started with one would be written back first in the file, where the next
// read drops it as the file's mark (and "[s]" behind it would turn from a
// comment into a section). A line
// starting with "[" opens a section and nothing more, whatever its name
// holds. Otherwise the key runs to the first "=" and the value is all the
// rest, further "=" and trailing blanks included, so every value reads back
// as it was written. A line without a key (no "=", or "=" first) is a
// comment, kept whole, so that it is written back as it was read.
void QIniFile::ParseLine(const QString& line, QString& currentSection) {
    qsizetype start = 0, end = line.size();
    while (start < end && (line.at(start).isSpace() || line.at(start) == QChar(0xFEFF))) ++start;
    // Carriage returns at the end are what is left of a line end, never part
    // of a value: the store could not write them back.
    while (end > start && line.at(end - 1) == '\r') --end;
    const QString text = line.mid(start, end - start);
    if (text.startsWith('[')) {
        // Blanks inside the brackets belong to the name: "[ cd ]" is " cd ".
        QString name = text.mid(1);
        name = name.left(name.indexOf('['));  // left(-1) keeps the whole text
        currentSection = name.left(name.indexOf(']'));
        return;
    }
    const qsizetype eq = text.indexOf('=');
    if (eq > 0)
        entries.Append(std::make_unique<QIniData>(currentSection, text.left(eq), text.mid(eq + 1)));
    else if (!text.trimmed().isEmpty())
        entries.Append(std::make_unique<QIniData>(currentSection, QString(), text.trimmed()));
}

QByteArray QIniFile::Serialise() const {
    QString text;
    QString lastSection;
    for (const auto& entry : entries) {
        if (entry->section() != lastSection) {
            if (!text.isEmpty()) text += '\n';
            text += '[' + entry->section() + "]\n";
            lastSection = entry->section();
        }
        text += entry->isKeyless() ? entry->value() : entry->key() + '=' + entry->value();
        text += '\n';
    }
    return text.toLocal8Bit();
}

bool QIniFile::WriteFile() {
    if (fileName.trimmed().isEmpty())
        qFatal("Fatal error. You didn't specify a ini filename to write the settings to.");

    entries.Sort();
    QDir().mkpath(QFileInfo(fileName).absolutePath());  // a user's first start has no settings folder yet
    return SaveWholeFile(fileName, Serialise()).isEmpty();
}

const QIniData* QIniFile::Find(const QString& section, const QString& key) const {
    for (const auto& entry : entries)
        if (entry->section() == section && entry->key() == key) return entry.get();
    return nullptr;
}

QString QIniFile::ReadString(const QString& section, const QString& key) const {
    const QIniData* entry = Find(section, key);
    return entry ? entry->value() : QString();
}

int QIniFile::ReadInt(const QString& section, const QString& key) const {
    return ReadString(section, key).toInt();  // 0 for absent and for non-numbers
}

bool QIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    auto sameKeyedEntry = [&](const std::unique_ptr<QIniData>& entry) {
        return entry->section() == section && entry->key() == key && !entry->isKeyless();
    };
    const auto found = std::find_if(entries.begin(), entries.end(), sameKeyedEntry);
    if (found != entries.end())
        (*found)->setValue(value);
    else
        entries.Append(std::make_unique<QIniData>(section, key, value));
    return WriteFile();
}

bool QIniFile::WriteInt(const QString& section, const QString& key, int value) {
    return WriteString(section, key, QString::number(value));
}

