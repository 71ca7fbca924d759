#include "production/mp3publisher.h"

#include "library/mp3probe.h"
#include "library/savefile.h"
#include "production/publish.h"
#include "production/toolchecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

Mp3Publisher::Mp3Publisher(const QString& folder, const Mp3SetOptions& set, int trackCount)
    : folder(folder), set(set), published(size_t(std::max(0, trackCount))), probe(std::make_unique<Mp3Probe>()) {}

Mp3Publisher::~Mp3Publisher() = default;

Problem Mp3Publisher::Publish(const PlannedTrack& track, int position, const QString& made, const QString& fileName,
                              double seconds) {
    const QString target = folder + QDir::separator() + fileName;
    Problem problem = ToolChecks::Mp3PlaysAsPlanned(*probe, made, seconds, fileName);
    if (!problem) problem = Problem(PublishFile(made, target));
    QFile::remove(made);
    if (!problem) published[size_t(position)] = {fileName, int(std::lround(seconds)), TagTitle(track)};
    return problem;
}

bool Mp3Publisher::AnyPublished() const {
    return std::any_of(published.begin(), published.end(), [](const SetEntry& e) { return !e.fileName.isEmpty(); });
}

QString Mp3Publisher::PlaylistName() const { return M3u8FileName(set.album); }

Problem Mp3Publisher::WritePlaylist(const std::vector<PlannedTrack>& plan) {
    std::vector<SetEntry> entries;
    const int count = int(plan.size());
    for (int i = 0; i < count && size_t(i) < published.size(); ++i) {
        if (!published[size_t(i)].fileName.isEmpty()) {
            entries.push_back(published[size_t(i)]);
            continue;
        }
        // Not made now: a file of its name from an earlier set still plays.
        const QString name = SetFileName(plan[size_t(i)], i, count, set.numbered);
        const QString path = folder + QDir::separator() + name;
        if (QFileInfo(path).isFile())
            entries.push_back({name, int(std::lround(probe->GetLen(path) / 1000.0)), TagTitle(plan[size_t(i)])});
    }
    return Problem(SaveWholeFile(folder + QDir::separator() + PlaylistName(), M3u8Text(entries)))
        .About(PlaylistName());
}
