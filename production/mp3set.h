#pragma once
// How an MP3 set presents itself to players, all in playing order (the
// tracks' disc order): file names, optionally numbered so that players that
// sort by name keep the order; ID3 tags with a readable title and the track
// number n/N; and an .m3u8 playlist of the set.

#include "production/trackplan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct Mp3SetOptions {
    QString album = QStringLiteral("Norvane");  // the playlist's name when the list came from one
    bool numbered = false;                      // "01 group.1.mp3" instead of "group.1.mp3"
};

// What a track holds, for people: "Al-Baqara 255", "Group 1: An-Naba 1–5",
// "Group 2: An-Naba 6, An-Naziat 1–3" (runs of consecutive ayas of one
// sura joined, in list order).
QString TagTitle(const PlannedTrack& track);

// The file name of the track at `position` (0-based) of a set of `count`:
// its title plus ".mp3", with a zero-padded position and a blank in front
// when numbered (two digits, three from 100 tracks on).
QString SetFileName(const PlannedTrack& track, int position, int count, bool numbered);

// lame's tag options for that track: ID3v2 with title, artist (when the
// reciter is known), album, track number n/N and the genre Speech.
QStringList TagArguments(const PlannedTrack& track, int position, int count, const Mp3SetOptions& options,
                         const QString& artist);

// One file of the set, as the .m3u8 lists it.
struct SetEntry {
    QString fileName;
    int seconds = 0;
    QString title;
};

// The set's .m3u8 text: #EXTM3U, then #EXTINF and the relative file name
// of each entry, in the order given; UTF-8 with CR LF line ends.
QByteArray M3u8Text(const std::vector<SetEntry>& entries);

// The playlist file's name: the album, with characters a file name cannot
// hold replaced, plus ".m3u8".
QString M3u8FileName(const QString& album);
