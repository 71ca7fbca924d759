#pragma once
// Writes the table of contents that cdrdao burns from: an audio disc with a
// disc-level CD-TEXT block (title "Quran", performer "Temmar") and one audio
// track per WAV file, each with its CD-TEXT title, in the given order.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class TocWriter {
    Q_DECLARE_TR_FUNCTIONS(TocWriter)

public:
    // The file's text for the track files `trackNames` (bare names, disc
    // order) lying in `trackFolder`. Every FILE line names the folder's
    // absolute path, a separator, one more separator and the track name.
    // Nothing is given when a path or title cannot be written so that cdrdao
    // reads it back unchanged (LastError says which and why).
    std::optional<QByteArray> Compose(const std::vector<std::string>& trackNames, const QString& trackFolder);

    // Composes and writes the file at `tocPath`. The file is replaced as a
    // whole or left untouched; false (with LastError) when it cannot be.
    bool Write(const QString& tocPath, const std::vector<std::string>& trackNames, const QString& trackFolder);

    const QString& LastError() const { return lastError; }

    // The platform's text line end: CR LF on Windows, LF elsewhere.
    static const char* LineEnd();

private:
    // `refusal` says why `text` cannot be written: the text as %1, the reason as %2.
    bool Usable(const QByteArray& text, const QString& refusal);

    QString lastError;
};
