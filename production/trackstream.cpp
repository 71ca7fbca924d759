#include "production/trackstream.h"

#include <algorithm>
#include <cstring>

TrackStream::TrackStream(std::unique_ptr<TrackAudio> audio, QObject* parent)
    : QIODevice(parent), audio(std::move(audio)) {
    // Unbuffered: what was read is what the device took, so Produced() counts it.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

TrackStream::~TrackStream() = default;

const TrackPiece* TrackStream::PieceAt(qint64 playedBytes) const {
    const auto after = std::upper_bound(starts.begin(), starts.end(), std::pair(playedBytes, size_t(-1)));
    return after == starts.begin() ? nullptr : &audio->Piece(std::prev(after)->second);
}

bool TrackStream::atEnd() const {
    return readBytes == pcm.size() * sizeof(short) && (next >= audio->PieceCount() || failure);
}

qint64 TrackStream::bytesAvailable() const {
    // More is always there until the end: it is made when asked for.
    const qint64 buffered = qint64(pcm.size() * sizeof(short) - readBytes);
    return QIODevice::bytesAvailable() + (atEnd() ? 0 : std::max<qint64>(buffered, 1));
}

bool TrackStream::RenderNext() {
    while (!failure && next < audio->PieceCount()) {
        const size_t index = next++;
        failure = audio->Render(index, &pcm);
        readBytes = 0;
        if (failure) pcm.clear();
        if (!pcm.empty()) {
            starts.emplace_back(produced, index);
            return true;
        }
    }
    return false;
}

qint64 TrackStream::readData(char* data, qint64 maxSize) {
    qint64 copied = 0;
    while (copied < maxSize) {
        if (readBytes == pcm.size() * sizeof(short) && !RenderNext()) break;
        const qint64 take = std::min<qint64>(maxSize - copied, qint64(pcm.size() * sizeof(short) - readBytes));
        std::memcpy(data + copied, reinterpret_cast<const char*>(pcm.data()) + readBytes, size_t(take));
        readBytes += size_t(take);
        copied += take;
        produced += take;
    }
    return copied;
}
