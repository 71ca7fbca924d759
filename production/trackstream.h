#pragma once
// A track's audio as a stream of bytes for a sound device to pull (CD
// audio: 44.1 kHz, 16-bit, stereo), made a piece at a time as it is read.
// It remembers where each piece began, so that whoever knows how much has
// been played knows which piece is being heard.

#include "production/trackaudio.h"

#include <QIODevice>
#include <memory>
#include <utility>
#include <vector>

class TrackStream : public QIODevice {
    Q_OBJECT
public:
    // Opens itself for reading.
    explicit TrackStream(std::unique_ptr<TrackAudio> audio, QObject* parent = nullptr);
    ~TrackStream() override;

    const TrackAudio& Audio() const { return *audio; }
    // The piece heard once `playedBytes` of the stream have played: the
    // last piece begun by then; null before the first is read.
    const TrackPiece* PieceAt(qint64 playedBytes) const;
    // Why the stream ended before the track's end (a recording that could
    // not be read); nothing while it goes on or when it played through.
    const Problem& Failure() const { return failure; }
    // The bytes read so far.
    qint64 Produced() const { return produced; }

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    // Makes the next piece that holds any audio; false at the end.
    bool RenderNext();

    std::unique_ptr<TrackAudio> audio;
    size_t next = 0;      // the piece RenderNext makes
    CdPcm pcm;            // the piece being read
    size_t readBytes = 0;  // of it
    qint64 produced = 0;
    std::vector<std::pair<qint64, size_t>> starts;  // where each piece begins, in bytes
    Problem failure;
};
