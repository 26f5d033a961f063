#include "picture.h"

#include <QImageReader>

Picture makePicture(QImage image) {
    if (image.isNull())
        return nullptr;
    return std::make_shared<const QImage>(std::move(image));
}

Picture loadPictureFile(const QString &path, const QSize &bound) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (bound.isValid() && full.isValid() &&
        (full.width() > bound.width() || full.height() > bound.height())) {
        const QSize scaled = full.scaled(bound, Qt::KeepAspectRatioByExpanding).boundedTo(full);
        reader.setScaledSize(scaled.expandedTo(QSize(1, 1)));
    }
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return makePicture(std::move(image));
}
