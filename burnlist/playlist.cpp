#include "burnlist/playlist.h"

#include "library/ayakey.h"
#include "library/savefile.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

using namespace playlistlimits;

constexpr qint64 kMaxPlaylistBytes = 16 * 1024 * 1024;

// A number field read the way atoi reads it (leading blanks, an optional
// sign, the digits up to the first other character, 0 when there are
// none), but saturating instead of overflowing on absurd hand-edited values.
long long LeadingInteger(const QByteArray& field) {
    int i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    long long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        value = std::min(value * 10 + (field[i] - '0'), 1000000000000LL);
    return negative ? -value : value;
}

std::string_view View(const QByteArray& field) { return std::string_view(field.constData(), size_t(field.size())); }

// Sura and aya keys must name a recording: production builds file names
// from them, so anything but digits of an existing aya is refused. Short
// numbers ("2") are padded to the key form ("002").
bool ParseKeys(const QByteArray& suraField, const QByteArray& ayaField, saya& entry) {
    const std::optional<int> sura = AyaKey::ParseLenientPart(View(suraField)),
                             aya = AyaKey::ParseLenientPart(View(ayaField));
    if (!sura || !aya || !AyaKey(*sura, *aya).Exists()) return false;
    entry.sura = AyaKey::PartText(*sura);
    entry.aya = AyaKey::PartText(*aya);
    return true;
}

int Clamped(long long value, int low, int high, bool& adjusted) {
    if (value >= low && value <= high) return int(value);
    adjusted = true;
    return int(std::clamp<long long>(value, low, high));
}

QList<QByteArray> NonEmptyFields(const QByteArray& line) {
    QList<QByteArray> fields = line.split(',');
    fields.removeIf([](const QByteArray& f) { return f.isEmpty(); });
    return fields;
}

// The name=value fields after the sixth. False when a known field holds
// no number at all; values out of range are brought into it.
bool ParseNamedFields(const QList<QByteArray>& fields, saya& entry, bool& adjusted) {
    for (int i = 6; i < fields.size(); ++i) {
        const int equals = fields[i].indexOf('=');
        const QByteArray name = fields[i].left(equals).trimmed(), value = fields[i].mid(equals + 1).trimmed();
        bool number = false;
        if (equals < 0) continue;
        if (name == "px") {
            const double times = value.toDouble(&number);
            if (!number || !std::isfinite(times)) return false;
            const double quarters = std::clamp(times * 4, 0.0, double(kMaxLengthPauseQuarters));
            entry.lengthPauseQuarters = int(std::lround(quarters));
            adjusted |= quarters != times * 4 || entry.lengthPauseQuarters != quarters;
        } else if (name == "gp") {
            const long long seconds = value.toLongLong(&number);
            if (!number) return false;
            entry.groupPause = Clamped(seconds, 0, kMaxGroupPause, adjusted);
        } else if (name == "gm") {
            entry.buildUp = value == "build";
            adjusted |= !entry.buildUp && value != "normal";
        }
    }
    return true;
}

// 499990 as "499,990".
QString CountText(qint64 count) { return QLocale(QLocale::English, QLocale::UnitedStates).toString(count); }

// "1, 2, 3", or with more lines than kept "1, 2, …, 10 and 499,990 more".
QString LineNumbersText(const LineNumbers& lines) {
    QStringList texts;
    for (int n : lines.first) texts << CountText(n);
    const qint64 more = lines.count - qint64(lines.first.size());
    if (more <= 0) return texts.join(", ");
    return QCoreApplication::translate("Playlist", "%1 and %2 more").arg(texts.join(", "), CountText(more));
}

// The next line of `text` from `start` (without its line break), moving
// `start` past it; lines are viewed, not copied, so a file of millions of
// short lines costs no memory per line.
QByteArrayView NextLine(QByteArrayView text, qsizetype& start) {
    const qsizetype end = text.indexOf('\n', start);
    const qsizetype stop = end < 0 ? text.size() : end;
    const QByteArrayView line = text.sliced(start, stop - start);
    start = stop + 1;
    return line;
}

}  // namespace

void LineNumbers::Add(int lineNumber) {
    if (first.size() < kKept) first.push_back(lineNumber);
    ++count;
}

PlaylistLoad ParsePlaylist(const QByteArray& text) {
    PlaylistLoad load;
    std::set<std::string> seenKeys;
    std::map<int, saya> groupPlay;  // of each group, the last line's pause and mode
    // Windows editors start a UTF-8 file with a byte-order mark; it is no
    // part of the first line.
    const QByteArray byteOrderMark("\xEF\xBB\xBF");
    const QByteArrayView lines = QByteArrayView(text).sliced(text.startsWith(byteOrderMark) ? byteOrderMark.size() : 0);

    qsizetype start = 0;
    for (int lineNumber = 1; start < lines.size(); ++lineNumber) {  // the final line break ends no line
        QByteArrayView line = NextLine(lines, start);
        if (line.endsWith('\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;  // blank lines carry nothing and are no fault
        // Fewer than four fields, told without copying: a junk line costs nothing.
        if (std::count(line.begin(), line.end(), ',') < 3) {
            load.skippedLines.Add(lineNumber);
            continue;
        }

        // Four fields make an ungrouped entry, six a grouped one; five would
        // leave the group's repetitions unknown.
        const QList<QByteArray> fields = NonEmptyFields(line.toByteArray());
        saya entry;
        const bool shapeOk = fields.size() == 4 || fields.size() >= 6;
        if (!shapeOk || !ParseKeys(fields[0], fields[1], entry)) {
            load.skippedLines.Add(lineNumber);
            continue;
        }
        bool adjusted = false;
        entry.reps = Clamped(LeadingInteger(fields[2]), kMinReps, kMaxReps, adjusted);
        entry.pause = Clamped(LeadingInteger(fields[3]), kMinPause, kMaxPause, adjusted);
        if (fields.size() >= 6) {
            const long long group = LeadingInteger(fields[4]);
            if (group < 0 || group > kMaxGroup) {
                // Clamping would silently merge it into another group.
                load.skippedLines.Add(lineNumber);
                continue;
            }
            entry.group = int(group);
            if (!ParseNamedFields(fields, entry, adjusted)) {
                load.skippedLines.Add(lineNumber);
                continue;
            }
            // Group 0 is "no group": its repetitions mean nothing.
            if (entry.group > 0) {
                load.groupReps[entry.group] =
                    Clamped(LeadingInteger(fields[5]), kMinGroupReps, kMaxGroupReps, adjusted);
                groupPlay[entry.group] = entry;
            }
        }
        if (adjusted) load.adjustedLines.Add(lineNumber);
        // The group repetitions above are taken even from a duplicate line.
        if (!seenKeys.insert(entry.Key()).second) continue;
        load.entries.push_back(entry);
    }
    for (saya& entry : load.entries) {
        const saya& group = entry.group > 0 ? groupPlay[entry.group] : saya();
        entry.groupPause = group.groupPause;
        entry.buildUp = group.buildUp;
    }
    return load;
}

PlaylistLoad LoadPlaylistFile(const QString& path) {
    QFile file(path);
    PlaylistLoad failed;
    if (!file.open(QIODevice::ReadOnly)) {
        failed.error = file.errorString();
        return failed;
    }
    // The whole Quran takes about 100 KB; anything far larger was picked by
    // mistake and is not read into memory.
    if (file.size() > kMaxPlaylistBytes) {
        failed.error = QCoreApplication::translate("Playlist", "The file is too large to be a playlist.");
        return failed;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        failed.error = file.errorString();
        return failed;
    }
    return ParsePlaylist(text);
}

QByteArray PlaylistText(const std::vector<saya>& burnList, const std::map<int, int>& groupReps) {
    QByteArray text;
    for (const saya& e : burnList) {
        const auto reps = groupReps.find(e.group);
        const int repsOfGroup = e.group > 0 && reps != groupReps.end() ? reps->second : 0;
        text += QByteArray::fromStdString(e.sura) + ',' + QByteArray::fromStdString(e.aya) + ',' +
                QByteArray::number(e.reps) + ',' + QByteArray::number(e.pause) + ',' +
                QByteArray::number(e.group) + ',' + QByteArray::number(repsOfGroup);
        if (e.lengthPauseQuarters > 0) text += ",px=" + QByteArray::number(e.lengthPauseQuarters / 4.0);
        if (e.group > 0 && e.groupPause > 0) text += ",gp=" + QByteArray::number(e.groupPause);
        if (e.group > 0 && e.buildUp) text += ",gm=build";
        text += '\n';
    }
    return text;
}

QString SavePlaylistFile(const QString& path, const std::vector<saya>& burnList,
                         const std::map<int, int>& groupReps) {
    // Text mode writes CR LF on Windows, where the format comes from.
    return SaveWholeFile(path, PlaylistText(burnList, groupReps), true);
}

QString PlaylistFileName(const QString& chosen) {
    const int dot = chosen.lastIndexOf('.');
    const QString extension = dot < 0 ? chosen : chosen.mid(dot);
    return extension == QLatin1String(".qap") ? chosen : chosen + ".qap";
}

QString PlaylistLoadNote(const PlaylistLoad& load) {
    QStringList parts;
    if (!load.skippedLines.empty())
        parts << QCoreApplication::translate("Playlist",
                                             "%1 line(s) of the playlist could not be read and were skipped: %2.")
                     .arg(CountText(load.skippedLines.count), LineNumbersText(load.skippedLines));
    if (!load.adjustedLines.empty())
        parts << QCoreApplication::translate("Playlist",
                                             "%1 line(s) had repetitions or pauses out of range; they were set to "
                                             "the nearest allowed value: %2.")
                     .arg(CountText(load.adjustedLines.count), LineNumbersText(load.adjustedLines));
    return parts.join("\n");
}
