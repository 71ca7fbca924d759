#pragma once
// Playlist files (*.qap): one line per burn-list entry,
// "sura,aya,reps,pause,group,groupReps", in burn-list order, then optional
// name=value fields that readers skip when they do not know the name:
// px=K (the pause grows by K times the aya's length, K in quarters up to
// 3), gp=S (a group's pause after each pass) and gm=build (a group played
// in build-up stages). They are written only when not at their default,
// so a list without them is saved as it always was. The window's
// Save and Load Playlist and the command-line maker read and write them
// through these functions, so both accept exactly the same files.

#include "burnlist/saya.h"

#include <QByteArray>
#include <QtGlobal>
#include <QString>
#include <map>
#include <vector>

// What the user can set in the window, and so what a loaded line may carry.
namespace playlistlimits {
inline constexpr int kMinReps = 1, kMaxReps = 100;
inline constexpr int kMinPause = 0, kMaxPause = 60;
inline constexpr int kMaxGroup = 100;
inline constexpr int kMinGroupReps = 1, kMaxGroupReps = 100;
inline constexpr int kMaxLengthPauseQuarters = 12;  // 3 times the aya's length
inline constexpr int kMaxGroupPause = 60;
}  // namespace playlistlimits

// 1-based numbers of lines of one kind: the first few, and how many there
// were in all, so that a file of junk costs no memory per line.
struct LineNumbers {
    static constexpr size_t kKept = 10;
    std::vector<int> first;  // the first kKept numbers, ascending
    qint64 count = 0;

    void Add(int lineNumber);
    bool empty() const { return count == 0; }
};

struct PlaylistLoad {
    // The entries in file order; of several lines with one burn key the
    // first wins.
    std::vector<saya> entries;
    // Group repetitions set by six-field lines of groups 1 and up, the last
    // line of a group deciding (duplicate lines included).
    std::map<int, int> groupReps;
    // Lines that were left out: fewer than four fields, exactly five, a
    // sura or aya that is not all digits or names no aya, a group outside
    // 0..100, a px or gp value that is no number. Empty lines are not counted.
    LineNumbers skippedLines;
    // Loaded lines whose repetitions, pauses or group settings lay outside
    // what the window allows and were brought to the nearest allowed value.
    // A group's pause and build-up mode, like its repetitions, are those of
    // its last line.
    LineNumbers adjustedLines;
    // Set when the file could not be opened or read, or is far too large to
    // be a playlist; nothing else is set then.
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Parses playlist text; lines may end in CR LF or LF.
PlaylistLoad ParsePlaylist(const QByteArray& text);
// Reads and parses a playlist file.
PlaylistLoad LoadPlaylistFile(const QString& path);

// The text SavePlaylistFile writes, with "\n" line ends.
QByteArray PlaylistText(const std::vector<saya>& burnList, const std::map<int, int>& groupReps);
// Writes the playlist as a whole or not at all (an existing file is kept
// on failure), with the platform's text line ends. Returns an empty text
// on success, else why it failed.
QString SavePlaylistFile(const QString& path, const std::vector<saya>& burnList,
                         const std::map<int, int>& groupReps);

// The name a chosen save name is written under: ".qap" is appended unless
// the name already ends in exactly ".qap" after its last dot.
QString PlaylistFileName(const QString& chosen);

// The user-facing note about skipped and adjusted lines, in plain text with
// one line per kind naming the first few lines and counting the rest; empty
// when there were none.
QString PlaylistLoadNote(const PlaylistLoad& load);
