#pragma once
// Putting a job's MP3s into the user's folder: each made MP3 goes in once it
// plays as long as its track (an earlier file of that name is replaced
// whole), and at the end the set's .m3u8 lists, in playing order, what the
// folder holds of the set: the files made now and, for a track that failed,
// the file of its name left from before, if there is one.

#include "production/mp3set.h"
#include "production/trackplan.h"
#include "tools/problem.h"

#include <QString>
#include <memory>
#include <vector>

class Mp3Probe;

class Mp3Publisher {
public:
    Mp3Publisher(const QString& folder, const Mp3SetOptions& set, int trackCount);
    ~Mp3Publisher();

    // Moves the MP3 `made` of the track at `position` into the folder as
    // `fileName` when it plays `seconds`, give or take the tolerance. The
    // made file is gone afterwards either way.
    Problem Publish(const PlannedTrack& track, int position, const QString& made, const QString& fileName,
                    double seconds);
    bool AnyPublished() const;
    // The set's .m3u8 for the planned tracks, in playing order.
    Problem WritePlaylist(const std::vector<PlannedTrack>& plan);
    QString PlaylistName() const;

private:
    QString folder;
    Mp3SetOptions set;
    std::vector<SetEntry> published;  // by position; empty file name: not made now
    std::unique_ptr<Mp3Probe> probe;    // one decoder handle for every MP3 of the job
};
