#pragma once
// Listening in the window: a track's stream (see production/trackstream.h)
// played on the sound card, and which piece of it is being heard, followed
// a few times a second. The sound card is reached through AudioOutput, the
// seam tests replace, as UserDialogs is for boxes.

#include "burnlist/saya.h"
#include "tools/problem.h"

#include <QObject>
#include <QTimer>
#include <cstddef>
#include <memory>

class QIODevice;
class TrackStream;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // False on a machine with no audio output at all.
    virtual bool Available() const = 0;
    // Pulls CD audio (44.1 kHz, 16-bit, stereo) from `source` until Stop.
    virtual Problem Start(QIODevice* source) = 0;
    virtual void Stop() = 0;
    // The bytes of the source played so far.
    virtual qint64 PlayedBytes() const = 0;
    // Whether it has played all it was given and waits for more.
    virtual bool Idle() const = 0;

    // The output in use: the sound card unless a test installed another.
    static AudioOutput& Current();
    // Installs `output` (not owned); nullptr restores the sound card.
    static void Install(AudioOutput* output);
};

class Player : public QObject {
    Q_OBJECT
public:
    explicit Player(QObject* parent = nullptr);
    ~Player() override;

    // Plays the stream, after stopping what played before; why not when it
    // cannot (no audio output, a track refused).
    Problem Play(std::unique_ptr<TrackStream> stream);
    void Stop();
    bool Playing() const { return stream != nullptr; }
    // Looks at how far the output has played: announces the member heard,
    // and ends when all is played. The timer calls it while playing.
    void Follow();

signals:
    // The member of the track whose piece is being heard (its basmala,
    // repetitions, pauses and translation alike).
    void Heard(const saya& member);
    // Playing ended: played through or stopped (empty), or why it broke off.
    void Ended(const QString& why);

private:
    std::unique_ptr<TrackStream> stream;
    AudioOutput* output = nullptr;  // the one playing the stream
    QTimer follow;
    size_t heardMember = size_t(-1);  // of the stream's track, as last announced
};
