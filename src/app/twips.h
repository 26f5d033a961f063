#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// Layout positions are twips (15 to a pixel). Each control keeps its twips
// rectangle as the truth and shows the pixel rectangle derived from it, so
// moves of less than a pixel add up instead of being lost.
namespace twips {

constexpr int perPixel = 15;

int toPixels(int t);
// Pixel rectangle whose edges are the rounded twip edges.
QRect toPixels(const QRect &t);

QRect rect(const QWidget *w);
void place(QWidget *w, int left, int top, int width, int height);
void place(QWidget *w, const QRect &t);
void setLeft(QWidget *w, int left);
void setTop(QWidget *w, int top);
void setSize(QWidget *w, int width, int height);
inline int left(const QWidget *w) {
    return rect(w).left();
}
inline int top(const QWidget *w) {
    return rect(w).top();
}
inline int width(const QWidget *w) {
    return rect(w).width();
}
inline int height(const QWidget *w) {
    return rect(w).height();
}

// Name of element `index` of a control array, e.g. "img(3)".
QString arrayName(const QString &name, int index);

} // namespace twips
