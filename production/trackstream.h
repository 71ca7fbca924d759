#pragma once
// A track's audio as a stream of bytes for a sound device to pull (CD
// audio: 44.1 kHz, 16-bit, stereo). A thread of its own makes the pieces a
// few seconds ahead of the reader, so that a long aya being stretched
// never holds up the window or the sound. It remembers where each piece
// began, so that whoever knows how much has been played knows which piece
// is being heard.

#include "production/trackaudio.h"

#include <QIODevice>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

class TrackStream : public QIODevice {
    Q_OBJECT
public:
    // Opens itself for reading and starts making the pieces.
    explicit TrackStream(std::unique_ptr<TrackAudio> audio, QObject* parent = nullptr);
    ~TrackStream() override;

    const TrackAudio& Audio() const { return *audio; }
    // The piece heard once `playedBytes` of the stream have played: the
    // last piece begun by then; null before the first is read.
    const TrackPiece* PieceAt(qint64 playedBytes) const;
    // Why the stream ended before the track's end (a recording that could
    // not be read); nothing while it goes on or when it played through.
    Problem Failure() const;
    // The bytes read so far.
    qint64 Produced() const { return produced; }

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

protected:
    // Waits only when nothing is made yet: for the first piece, or when
    // the reader has caught up with the maker.
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void MakePieces();  // the maker's thread
    // Takes the next piece made; false at the end.
    bool TakeNext();

    std::unique_ptr<TrackAudio> audio;

    // Shared with the maker.
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::pair<size_t, CdPcm>> made;  // pieces by index, not yet read
    qint64 madeBytes = 0;
    bool allMade = false;
    bool stopping = false;
    Problem failure;
    std::thread maker;

    // The reader's own.
    CdPcm pcm;             // the piece being read
    size_t readBytes = 0;  // of it
    qint64 produced = 0;
    std::vector<std::pair<qint64, size_t>> starts;  // where each piece begins, in bytes
};
