#include "lineshape.h"

#include "twips.h"

#include <QPainter>

LineShape::LineShape(QWidget *parent, const QString &name, QPoint from, QPoint to, int widthPixels)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
    , m_width(widthPixels) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The control covers the line and half its width on every side.
    const int pad = (m_width * twips::perPixel) / 2 + twips::perPixel;
    const QRect box = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
    twips::place(this, box);
}

void LineShape::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setWidth(m_width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const QRect box = twips::rect(this);
    const QPoint origin = twips::toPixels(box).topLeft();
    const auto local = [&](QPoint t) {
        return QPoint(twips::toPixels(t.x()), twips::toPixels(t.y())) - origin;
    };
    p.drawLine(local(m_from), local(m_to));
}
