#include "library/packentry.h"

#include "library/packarchive.h"
#include "library/quran.h"
#include "library/suracatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <vector>

std::string SuraKeyOf(const std::string& name) {
    const std::string file = FileNamePart(name);
    return QString::fromStdString(file.substr(0, file.find('.'))).simplified().toStdString();
}

namespace {

// The sura whose pack holds an entry; the silence lies in the pack of the
// first installed sura. 0 for none.
int SuraOfEntry(const Quran& quran, const std::string& name) {
    if (name != "silence.mp3") return Sura().SuraNumber(SuraKeyOf(name));
    return quran.AvailableSuras().empty() ? 0 : quran.AvailableSuras().front();
}

// Why an entry that is not in the active pack cannot be had: the pack that
// should hold it may be installed but unreadable, and then its own reason
// is what the user can act on.
Problem MissingEntry(const Quran& quran, const std::string& name) {
    const PackArchive home = quran.PackForSura(SuraOfEntry(quran, name));
    if (!home.OpenProblem().empty())
        return Problem(QCoreApplication::translate("PackEntry", "the pack %1 cannot be read (%2): run norvane-pack verify")
                           .arg(QString::fromStdString(FileNamePart(home.Path())), QString::fromStdString(home.OpenProblem())));
    return Problem(QCoreApplication::translate("PackEntry", "the recording %1 is not in the installed packs")
                       .arg(QString::fromStdString(name)));
}

Problem NotPlain(const std::string& name) {
    if (name.empty() || name != FileNamePart(name) || name == "." || name == "..")
        return Problem(
            QCoreApplication::translate("PackEntry", "\"%1\" is not a plain file name").arg(QString::fromStdString(name)));
    return {};
}

}  // namespace

Problem ReadPackEntry(Quran& quran, const std::string& name, std::vector<char>* bytes) {
    bytes->clear();
    if (const Problem problem = NotPlain(name)) return problem;
    const PackArchive active = name == "silence.mp3" ? quran.ActivateSura(0) : quran.ActivateSura(SuraKeyOf(name));
    *bytes = active.Extract(name);
    if (bytes->empty())
        return active.Holds(name) ? Problem(QCoreApplication::translate("PackEntry", "the recording %1 is empty in its pack")
                                                .arg(QString::fromStdString(name)))
                                  : MissingEntry(quran, name);
    // Damaged data would play as a cut or garbled aya, and the job would
    // still call itself done; the pack's own checksum tells.
    if (PackChecksum(bytes->data(), bytes->size()) != active.Find(name)->checksum) {
        bytes->clear();
        return Problem(QCoreApplication::translate("PackEntry",
                                                   "the recording %1 is damaged in its pack %2: run norvane-pack verify")
                           .arg(QString::fromStdString(name), QString::fromStdString(FileNamePart(active.Path()))));
    }
    return {};
}

Problem WritePackEntry(Quran& quran, const std::string& name, const std::string& dir, const std::string& fileName) {
    // A name that is no bare file name must not name a file either.
    if (const Problem problem = NotPlain(name)) return problem;
    std::vector<char> bytes;
    const Problem unread = ReadPackEntry(quran, name, &bytes);
    const QString path = QFile::decodeName(QByteArray::fromStdString(dir + (fileName.empty() ? name : fileName)));
    QFile::remove(path);
    if (unread) return unread;
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.flush();
    file.close();
    if (!written) {
        QFile::remove(path);
        return Problem(QCoreApplication::translate("PackEntry", "cannot write %1: %2").arg(path, file.errorString()));
    }
    return {};
}
