#include "production/publish.h"

#include "library/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

namespace {

QString CannotRead(const QString& path, const QString& why) {
    return QCoreApplication::translate("Publish", "cannot read %1: %2").arg(path, why);
}

QString CannotWrite(const QString& path, const QString& why) {
    return QCoreApplication::translate("Publish", "cannot write %1: %2").arg(path, why);
}

// The copy for a target on another file system.
QString CopyWhole(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return CannotRead(source, in.errorString());
    QSaveFile out(target);
    // Unbuffered: a buffered QSaveFile commits a short write on a full disk.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return CannotWrite(target, out.errorString());
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty()) return CannotRead(source, in.errorString());
        // The reason is read before cancelling, which would replace it.
        if (const Problem unwritten = WriteAll(out, chunk)) {
            out.cancelWriting();
            return CannotWrite(target, unwritten.Text());
        }
    }
    if (!out.commit()) return CannotWrite(target, out.errorString());
    return QString();
}

}  // namespace

QString PublishFile(const QString& source, const QString& target) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(source).toStdString(), QFile::encodeName(target).toStdString(), error);
    if (!error) return QString();
    const QString problem = CopyWhole(source, target);
    if (problem.isEmpty()) QFile::remove(source);
    return problem;
}
