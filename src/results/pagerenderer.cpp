#include "pagerenderer.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace pagerenderer {

QRectF targetRect(const QPagedPaintDevice &device, const QSizeF &sizeInches) {
    QSizeF size(sizeInches.width() * device.logicalDpiX(),
                sizeInches.height() * device.logicalDpiY());
    const double fit =
        std::min({1.0, device.width() / size.width(), device.height() / size.height()});
    return QRectF(QPointF(0, 0), size * fit);
}

bool render(QPagedPaintDevice &device, const QImage &image, const QSizeF &sizeInches) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(targetRect(device, sizeInches), image);
    return painter.end();
}

} // namespace pagerenderer
