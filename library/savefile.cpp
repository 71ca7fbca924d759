#include "library/savefile.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cerrno>
#include <system_error>

Problem WriteAll(QFileDevice& file, const char* data, qint64 size) {
    errno = 0;
    const qint64 written = file.write(data, size);
    const int systemError = errno;
    if (written == size) return {};
    if (file.error() != QFileDevice::NoError) return Problem(file.errorString());
    if (systemError != 0) return Problem(std::generic_category().message(systemError));
    return Problem(QCoreApplication::translate("SaveFile", "the disk is full"));
}

QString SaveWholeFile(const QString& path, const QByteArray& bytes, bool text) {
    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile takes a short write while flushing
    // (a full disk) for success and would commit the cut file.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (text) mode |= QIODevice::Text;
    if (!file.open(mode)) return file.errorString();
    if (const Problem unwritten = WriteAll(file, bytes)) {
        file.cancelWriting();
        return unwritten.Text();
    }
    return file.commit() ? QString() : file.errorString();
}
