#include "library/savefile.h"

#include <QSaveFile>

QString SaveWholeFile(const QString& path, const QByteArray& bytes, bool text) {
    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile takes a short write while flushing
    // (a full disk) for success and would commit the cut file.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (text) mode |= QIODevice::Text;
    if (!file.open(mode)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    return file.commit() ? QString() : file.errorString();
}
