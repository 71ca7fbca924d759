#pragma once
// Just enough of the RIFF WAV layout to judge the files the tools leave:
// whether a decode or a join produced audio, how long a track plays, and
// padding a too-short CD track with silence.

#include <QString>
#include <QtGlobal>

struct WavInfo {
    bool valid = false;   // a RIFF WAVE file with a format and a data chunk
    int formatTag = 0;    // 1: integer PCM
    int channels = 0;
    int rate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;   // bytes per frame
    qint64 dataOffset = 0;  // where the samples start
    qint64 dataBytes = 0;   // as many as the file really holds

    qint64 Frames() const { return blockAlign > 0 ? dataBytes / blockAlign : 0; }
    double Seconds() const { return rate > 0 ? double(Frames()) / rate : 0.0; }
    bool HoldsAudio() const { return valid && Frames() > 0; }
    // 44.1 kHz, 16-bit, stereo integer PCM: what an audio CD track must be.
    bool IsCdAudio() const;
};

WavInfo ReadWavInfo(const QString& path);

// Appends digital silence to a PCM WAV whose samples run to the end of the
// file, so that it plays `seconds` (a file already that long is left alone).
// False, with `error` saying why, when the file cannot be padded.
bool PadWavWithSilence(const QString& path, double seconds, QString* error = nullptr);
