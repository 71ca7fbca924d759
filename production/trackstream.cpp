#include "production/trackstream.h"

#include <algorithm>
#include <cstring>

namespace {

// How far the maker runs ahead of the reader: enough to ride out a long
// aya being stretched, little enough to keep the memory small.
constexpr qint64 kAheadBytes = qint64(AudioCd::kRate) * AudioCd::kBytesPerFrame * 5;

}  // namespace

TrackStream::TrackStream(std::unique_ptr<TrackAudio> audio, QObject* parent)
    : QIODevice(parent), audio(std::move(audio)) {
    // Unbuffered: what was read is what the device took, so Produced() counts it.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    maker = std::thread([this] { MakePieces(); });
}

TrackStream::~TrackStream() {
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    maker.join();
}

void TrackStream::MakePieces() {
    for (size_t index = 0; index < audio->PieceCount(); ++index) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [this] { return stopping || madeBytes < kAheadBytes; });
            if (stopping) break;
        }
        CdPcm piece;
        Problem problem = audio->Render(index, &piece);
        const std::lock_guard<std::mutex> lock(mutex);
        if (problem) {
            failure = std::move(problem);
            break;
        }
        if (piece.empty()) continue;
        madeBytes += qint64(piece.size() * sizeof(short));
        made.emplace_back(index, std::move(piece));
        changed.notify_all();
    }
    const std::lock_guard<std::mutex> lock(mutex);
    allMade = true;
    changed.notify_all();
}

bool TrackStream::TakeNext() {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return !made.empty() || allMade; });
    if (made.empty()) return false;
    pcm = std::move(made.front().second);
    starts.emplace_back(produced, made.front().first);
    made.pop_front();
    readBytes = 0;
    madeBytes -= qint64(pcm.size() * sizeof(short));
    changed.notify_all();
    return true;
}

const TrackPiece* TrackStream::PieceAt(qint64 playedBytes) const {
    const auto after = std::upper_bound(starts.begin(), starts.end(), std::pair(playedBytes, size_t(-1)));
    return after == starts.begin() ? nullptr : &audio->Piece(std::prev(after)->second);
}

Problem TrackStream::Failure() const {
    const std::lock_guard<std::mutex> lock(mutex);
    return failure;
}

bool TrackStream::atEnd() const {
    const std::lock_guard<std::mutex> lock(mutex);
    return readBytes == pcm.size() * sizeof(short) && made.empty() && allMade;
}

qint64 TrackStream::bytesAvailable() const {
    // More is always there until the end: it is made when asked for.
    const qint64 buffered = qint64(pcm.size() * sizeof(short) - readBytes);
    return QIODevice::bytesAvailable() + (atEnd() ? 0 : std::max<qint64>(buffered, 1));
}

qint64 TrackStream::readData(char* data, qint64 maxSize) {
    qint64 copied = 0;
    while (copied < maxSize) {
        if (readBytes == pcm.size() * sizeof(short) && !TakeNext()) break;
        const qint64 take = std::min<qint64>(maxSize - copied, qint64(pcm.size() * sizeof(short) - readBytes));
        std::memcpy(data + copied, reinterpret_cast<const char*>(pcm.data()) + readBytes, size_t(take));
        readBytes += size_t(take);
        copied += take;
        produced += take;
    }
    return copied;
}
