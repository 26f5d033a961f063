#include "art.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include "look.h"

namespace art {

Picture picture(const QString &name) {
    static QHash<QString, Picture> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, loadPictureFile(QStringLiteral(":/art/") + name));
    return it.value();
}

QPixmap pixmap(const QString &name) {
    const Picture p = picture(name);
    return p ? QPixmap::fromImage(*p) : QPixmap();
}

Picture letter(const QString &letter) {
    const Picture p =
        picture(QStringLiteral("letters/") + letter.toLower() + QStringLiteral(".gif"));
    return p ? p : drawnLetter(letter);
}

Picture drawnLetter(const QString &letter) {
    QImage image(70, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = look::font(10);
    f.setPixelSize(54);
    QPainterPath path;
    path.addText(0, 0, f, letter);
    const QRectF box = path.boundingRect();
    path.translate(QPointF(image.width(), image.height()) / 2 - box.center());
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(255, 140, 40));
    p.drawPath(path);
    p.end();
    return makePicture(std::move(image));
}

} // namespace art
