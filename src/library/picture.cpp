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
    // Only JPEG decodes straight into a smaller size; any other format is
    // decoded whole first, and a header may announce any size at all.
    constexpr qint64 maxFullPixels = 64'000'000;
    if (full.isValid() && reader.format() != "jpeg" &&
        qint64(full.width()) * full.height() > maxFullPixels)
        return nullptr;
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
