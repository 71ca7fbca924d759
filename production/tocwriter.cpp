#include "production/tocwriter.h"

#include "library/savefile.h"
#include "production/tracknames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

// cdrdao's TOC strings have no escape for every character: a double quote
// ends the string, and a backslash before octal digits is read as a
// character code ("a\101" names "aA"). Such text is refused rather than
// written, as cdrdao would open some other file or print another title.
// The longest string cdrdao 1.2.4 reads whole (measured). It cuts longer
// ones short without a word and opens whatever file the cut name names.
constexpr int kLongestTocString = 1999;

QString UnsafeReason(const QByteArray& text) {
    if (text.size() > kLongestTocString)
        return QCoreApplication::translate("TocWriter", "it is %1 bytes long, more than the %2 that cdrdao reads")
            .arg(QString::number(text.size()), QString::number(kLongestTocString));
    for (int i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"') return QCoreApplication::translate("TocWriter", "it holds a double quote");
        if (c < 0x20 || c == 0x7f) return QCoreApplication::translate("TocWriter", "it holds a control character");
        if (c == '\\' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7')
            return QCoreApplication::translate("TocWriter", "it holds a backslash followed by a digit");
    }
    return QString();
}

// The folder's absolute path in the platform's notation, ending in one separator.
QByteArray FolderText(const QString& trackFolder) {
    QString folder = QDir::toNativeSeparators(QDir(trackFolder).absolutePath());
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return QFile::encodeName(folder);
}

}  // namespace

const char* TocWriter::LineEnd() {
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

std::optional<QByteArray> TocWriter::Compose(const std::vector<std::string>& trackNames,
                                             const QString& trackFolder) {
    lastError.clear();
    const QByteArray end = LineEnd();
    const QByteArray separator = QFile::encodeName(QString(QDir::separator()));
    const QByteArray folder = FolderText(trackFolder);

    QByteArray toc;
    toc += "CD_DA" + end;
    toc += "CD_TEXT {LANGUAGE_MAP {0: 9} LANGUAGE 0 {TITLE \"Quran\" PERFORMER \"Temmar\"}}" + end;
    toc += end;
    for (const std::string& name : trackNames) {
        const QByteArray title = QByteArray::fromStdString(TrackTitle(name));
        // The doubled separator between folder and name is what cdrdao has
        // always been given; it reads it as one.
        const QByteArray path = folder + separator + QByteArray::fromStdString(name);
        if (!Usable(title, tr("Cannot write the track title \"%1\" into the table of contents: %2")) ||
            !Usable(path, tr("Cannot write the track file \"%1\" into the table of contents: %2")))
            return std::nullopt;
        toc += "TRACK AUDIO" + end;
        toc += "CD_TEXT {LANGUAGE 0 {TITLE \"" + title + "\" PERFORMER \"Temmar\"}}" + end;
        toc += "FILE \"" + path + "\" 00:00:00" + end;
        toc += end;
    }
    return toc;
}

bool TocWriter::Usable(const QByteArray& text, const QString& refusal) {
    const QString reason = UnsafeReason(text);
    if (reason.isEmpty()) return true;
    lastError = refusal.arg(QFile::decodeName(text), reason);
    return false;
}

bool TocWriter::Write(const QString& tocPath, const std::vector<std::string>& trackNames,
                      const QString& trackFolder) {
    const std::optional<QByteArray> toc = Compose(trackNames, trackFolder);
    if (!toc) return false;
    const QString problem = SaveWholeFile(tocPath, *toc);
    if (!problem.isEmpty()) lastError = tr("Cannot write %1: %2").arg(tocPath, problem);
    return problem.isEmpty();
}
