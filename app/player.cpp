#include "app/player.h"

#include "production/cdaudio.h"
#include "production/trackstream.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>

namespace {

class SoundCard : public AudioOutput {
public:
    bool Available() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    Problem Start(QIODevice* source) override {
        Stop();
        QAudioFormat format;
        format.setSampleRate(AudioCd::kRate);
        format.setChannelCount(AudioCd::kChannels);
        format.setSampleFormat(QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return Problem(QCoreApplication::translate("Player", "this computer has no audio output to play on"));
        if (!device.isFormatSupported(format))
            return Problem(QCoreApplication::translate("Player", "the audio output %1 cannot play CD audio").arg(device.description()));
        sink = std::make_unique<QAudioSink>(device, format);
        idleFor.invalidate();
        sink->start(source);
        if (sink->error() != QAudio::NoError)
            return Problem(QCoreApplication::translate("Player", "the audio output %1 failed").arg(device.description()));
        return {};
    }

    void Stop() override {
        if (sink) sink->stop();
        sink.reset();
    }

    qint64 PlayedBytes() const override {
        return sink ? sink->format().bytesForDuration(sink->processedUSecs()) : 0;
    }

    bool Idle() const override {
        if (!sink) return true;
        if (sink->state() != QAudio::IdleState) {
            idleFor.invalidate();
            return false;
        }
        if (!idleFor.isValid()) idleFor.start();
        // What the device holds still plays after it has asked for more in vain.
        return idleFor.elapsed() >= sink->format().durationForBytes(sink->bufferSize()) / 1000;
    }

private:
    std::unique_ptr<QAudioSink> sink;
    mutable QElapsedTimer idleFor;
};

AudioOutput* installed = nullptr;

}  // namespace

AudioOutput& AudioOutput::Current() {
    static SoundCard card;
    return installed ? *installed : card;
}

void AudioOutput::Install(AudioOutput* output) { installed = output; }

Player::Player(QObject* parent) : QObject(parent) {
    // Often enough that the highlight keeps up with short ayas, seldom
    // enough to cost nothing.
    follow.setInterval(100);
    connect(&follow, &QTimer::timeout, this, &Player::Follow);
}

Player::~Player() { Stop(); }

Problem Player::Play(std::unique_ptr<TrackStream> next) {
    Stop();
    if (const Problem refused = next->Audio().Refusal()) return refused;
    AudioOutput& out = AudioOutput::Current();
    if (!out.Available()) return Problem(QCoreApplication::translate("Player", "this computer has no audio output to play on"));
    stream = std::move(next);
    if (const Problem problem = out.Start(stream.get())) {
        stream.reset();
        return problem;
    }
    output = &out;
    heardMember = size_t(-1);
    follow.start();
    Follow();
    return {};
}

void Player::Stop() {
    if (!stream) return;
    follow.stop();
    output->Stop();
    stream.reset();
    emit Ended(QString());
}

void Player::Follow() {
    if (!stream) return;
    const TrackPiece* piece = stream->PieceAt(output->PlayedBytes());
    // The basmala, repetitions, pauses and translation of a member are all
    // the member's: the highlight moves only when the member does.
    if (piece && piece->member != heardMember) {
        heardMember = piece->member;
        emit Heard(stream->Audio().Track().members[heardMember]);
    }
    if (!stream->atEnd() || !output->Idle()) return;
    const QString why = stream->Failure().Text();
    follow.stop();
    output->Stop();
    stream.reset();
    emit Ended(why);
}
