#include "production/mp3set.h"

#include "library/ayakey.h"
#include "library/suracatalogue.h"

#include <QRegularExpression>

namespace {

QString SuraName(const saya& entry) { return QString::fromStdString(SuraTitle(entry.sura)); }
int AyaNumber(const saya& entry) { return AyaKey::ParsePart(entry.aya).value_or(0); }

// "An-Naba 1–5, An-Naziat 1": consecutive ayas of one sura make one run.
QString AyaRuns(const std::vector<saya>& members) {
    QStringList runs;
    for (size_t i = 0; i < members.size();) {
        size_t last = i;
        while (last + 1 < members.size() && members[last + 1].sura == members[i].sura &&
               AyaNumber(members[last + 1]) == AyaNumber(members[last]) + 1)
            ++last;
        QString run = SuraName(members[i]) + " " + QString::number(AyaNumber(members[i]));
        if (last > i) run += QString::fromUtf8("\u2013") + QString::number(AyaNumber(members[last]));
        runs << run;
        i = last + 1;
    }
    return runs.join(", ");
}

}  // namespace

QString TagTitle(const PlannedTrack& track) {
    const QString held = AyaRuns(track.members);
    return track.group > 0 ? QString("Group %1: %2").arg(track.group).arg(held) : held;
}

QString SetFileName(const PlannedTrack& track, int position, int count, bool numbered) {
    const QString name = QString::fromStdString(track.Title()) + ".mp3";
    if (!numbered) return name;
    const int width = qMax(2, int(QString::number(count).size()));
    return QString("%1 %2").arg(position + 1, width, 10, QChar('0')).arg(name);
}

QStringList TagArguments(const PlannedTrack& track, int position, int count, const Mp3SetOptions& options,
                         const QString& artist) {
    QStringList args{"--add-id3v2", "--tt", TagTitle(track), "--tl", options.album,
                     "--tn", QString("%1/%2").arg(position + 1).arg(count), "--tg", "Speech"};
    if (!artist.isEmpty()) args << "--ta" << artist;
    // The suras' Arabic names as the subtitle, in UTF-16 as ID3v2.3 holds it.
    QStringList arabic;
    for (const saya& member : track.members) {
        const QString name = ArabicSuraName(AyaKey::Parse(member.Key()).value_or(AyaKey()).SuraNumber());
        if (!name.isEmpty() && !arabic.contains(name)) arabic << name;
    }
    if (!arabic.isEmpty()) args << "--id3v2-utf16" << "--tv" << "TIT3=" + arabic.join(QString::fromUtf8("، "));
    return args;
}

QByteArray M3u8Text(const std::vector<SetEntry>& entries) {
    QString text = "#EXTM3U\r\n";
    for (const SetEntry& entry : entries)
        text += QString("#EXTINF:%1,%2\r\n%3\r\n").arg(entry.seconds).arg(entry.title, entry.fileName);
    return text.toUtf8();
}

QString M3u8FileName(const QString& album) {
    static const QRegularExpression unsafe(R"([\\/:*?"<>|\x00-\x1f])");
    QString name = QString(album).replace(unsafe, "_").trimmed();
    if (name.isEmpty() || name.startsWith('.')) name.prepend("Norvane");
    return name + ".m3u8";
}
