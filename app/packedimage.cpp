#include "app/packedimage.h"

#include "library/locations.h"
#include "library/packarchive.h"

#include <QFile>
#include <QImage>
#include <limits>

QPixmap LoadPackedImage(const std::string& name) {
    PackArchive archive;
    archive.Open(QFile::encodeName(Locations::Current().DataFile("img.dat")).toStdString());
    const std::vector<char> bytes = archive.Extract(name);
    if (bytes.empty() || bytes.size() > size_t(std::numeric_limits<int>::max())) return QPixmap();
    const QImage image = QImage::fromData(QByteArray::fromRawData(bytes.data(), int(bytes.size())));
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QIcon LoadPackedIcon(const std::string& name) {
    QIcon icon(LoadPackedImage(name));
    const QPixmap sharp = LoadPackedImage(name.substr(0, name.rfind('.')) + "@2x.png");
    if (!sharp.isNull()) icon.addPixmap(sharp);
    return icon;
}
