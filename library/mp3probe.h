#pragma once
// The audio length probe: how long an MP3 recording plays, in milliseconds,
// or in samples exactly as lame decodes it. It neither plays nor decodes
// audio for output; it only counts MPEG frames.

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <vector>

struct mpg123_handle_struct;

#include "tools/problem.h"

// A recording's length in sample frames at its own sample rate.
struct SampleLength {
    qint64 frames = 0;
    int rate = 0;  // 0 with no frames: no recording
};

class Mp3Probe {
    Q_DECLARE_TR_FUNCTIONS(Mp3Probe)
public:
    Mp3Probe();
    ~Mp3Probe();

    Mp3Probe(const Mp3Probe&) = delete;
    Mp3Probe& operator=(const Mp3Probe&) = delete;

    // One rule for what is a recording, for the import and the disc's
    // length alike: MP3 data from which "lame --decode" gets at least one
    // sample frame (DecodedLength is not empty).
    bool IsRecording(const std::vector<char>& f);

    // The length in milliseconds, at least 1 for a recording (however
    // short) and 0 for what is none, so GetLen > 0 means IsRecording.
    int GetLen(QString file);
    int GetLen(const std::vector<char>& f);

    // The frames "lame --decode" writes for the recording. With a LAME tag
    // that is the trimmed length GetLen measures; without one (48 kbit/s and
    // below, other encoders) lame drops only the decoder's delay of 529
    // frames, and GetLen's length keeps the encoder's delay and padding.
    // Nothing for what GetLen rejects.
    SampleLength DecodedLength(const std::vector<char>& f);

    // Why a recording plays shorter than its own header declares (the frame
    // count of a Xing/Info or VBRI header): "cut short: plays 5.96 s of
    // 20.06 s". Nothing when it plays whole or declares no length.
    Problem CutShort(const std::vector<char>& f);

private:
    // One decoder handle, reused for every measurement: setting up a handle
    // costs more than half as much as scanning a five-second recording.
    mpg123_handle_struct* handle = nullptr;

    // The lame-decoded length of the stream open on the handle, after a scan.
    SampleLength LameLength(SampleLength scanned);
};
