#pragma once
// The audio length probe: how long an MP3 recording plays, in milliseconds.
// It neither plays nor decodes audio for output; it only counts MPEG frames.

#include <QObject>
#include <QString>
#include <vector>

struct mpg123_handle_struct;

class QAudio : public QObject {
    Q_OBJECT
public:
    QAudio();
    ~QAudio() override;

    QAudio(const QAudio&) = delete;
    QAudio& operator=(const QAudio&) = delete;

public slots:
    // Both forms return 0 for no data and for data that is not MP3 audio.
    int GetLen(QString file);
    int GetLen(const std::vector<char>& f);

private:
    // One decoder handle, reused for every measurement: setting up a handle
    // costs more than half as much as scanning a five-second recording.
    mpg123_handle_struct* handle = nullptr;
};
