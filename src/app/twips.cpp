#include "twips.h"

#include <QVariant>
#include <QWidget>
#include <QtMath>

namespace twips {

namespace {
const char *const property = "twipsRect";
}

int toPixels(int t) {
    return qRound(t / double(perPixel));
}

QRect toPixels(const QRect &t) {
    const int x = toPixels(t.left());
    const int y = toPixels(t.top());
    return QRect(x, y, toPixels(t.left() + t.width()) - x, toPixels(t.top() + t.height()) - y);
}

QRect rect(const QWidget *w) {
    const QVariant v = w->property(property);
    if (v.isValid())
        return v.toRect();
    const QRect g = w->geometry();
    return QRect(g.x() * perPixel, g.y() * perPixel, g.width() * perPixel, g.height() * perPixel);
}

void place(QWidget *w, const QRect &t) {
    w->setProperty(property, t);
    const QRect px = toPixels(t);
    if (w->geometry() != px)
        w->setGeometry(px);
}

void place(QWidget *w, int left, int top, int width, int height) {
    place(w, QRect(left, top, width, height));
}

void setLeft(QWidget *w, int left) {
    QRect t = rect(w);
    t.moveLeft(left);
    place(w, t);
}

void setTop(QWidget *w, int top) {
    QRect t = rect(w);
    t.moveTop(top);
    place(w, t);
}

void setSize(QWidget *w, int width, int height) {
    QRect t = rect(w);
    t.setSize(QSize(width, height));
    place(w, t);
}

QString arrayName(const QString &name, int index) {
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

} // namespace twips
