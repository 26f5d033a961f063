#include "imagebox.h"

#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget *parent, const QString &name, int index)
    : QWidget(parent)
    , m_index(index) {
    setObjectName(index >= 0 ? twips::arrayName(name, index) : name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageBox::setClickable(bool clickable) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void ImageBox::setPicture(Picture picture) {
    m_picture = std::move(picture);
    m_scaled = QPixmap();
    m_scaledFrom = nullptr;
    if (!m_stretch)
        fitNaturalSize();
    update();
}

void ImageBox::setStretch(bool stretch) {
    m_stretch = stretch;
    if (!m_stretch)
        fitNaturalSize();
    update();
}

void ImageBox::fitNaturalSize() {
    if (m_picture)
        twips::setSize(this, m_picture->width() * twips::perPixel,
                       m_picture->height() * twips::perPixel);
}

void ImageBox::paintEvent(QPaintEvent *) {
    if (!m_picture || width() <= 0 || height() <= 0)
        return;
    const QSize target = size() * devicePixelRatioF();
    // Scale once per picture and size; moves and repaints reuse the pixmap.
    if (m_scaledFrom != m_picture.get() || m_scaled.size() != target) {
        m_scaled = QPixmap::fromImage(
            m_picture->scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
        m_scaledFrom = m_picture.get();
    }
    QPainter p(this);
    p.drawPixmap(0, 0, m_scaled);
}

void ImageBox::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void ImageBox::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked(m_index);
}
