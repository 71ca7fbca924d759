#pragma once
// Decodes MP3 recordings in-process into 16-bit PCM WAV files at their own
// sample rate and channel count, exactly as long as "lame --decode" makes
// them: with a LAME tag the encoder's delay and padding are trimmed; without
// one only the decoder's own delay in front goes, as lame does. The samples
// may differ from lame's by one step of rounding. One decoder handle serves
// every recording of a job.

#include "tools/problem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <vector>

struct mpg123_handle_struct;

class Mp3Decoder {
    Q_DECLARE_TR_FUNCTIONS(Mp3Decoder)
public:
    Mp3Decoder();
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // Writes the audio of `mp3` into a WAV file at `wavPath` (replaced).
    Problem DecodeToWav(const std::vector<char>& mp3, const QString& wavPath);
    // The same WAV file's bytes, in memory.
    Problem Decode(const std::vector<char>& mp3, QByteArray* wav);

private:
    mpg123_handle_struct* handle = nullptr;
};
