#pragma once

#include "library/picture.h"

#include <QPixmap>
#include <QWidget>

// An image control: shows a picture object stretched to its size, or at the
// picture's natural size (which then becomes the control's size). Clicks
// report the control's array index.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    ImageBox(QWidget *parent, const QString &name, int index = -1);

    void setPicture(Picture picture);
    Picture picture() const { return m_picture; }
    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    int index() const { return m_index; }

    // Reports clicks only while a handler listens; idle images stay passive.
    void setClickable(bool clickable);

Q_SIGNALS:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitNaturalSize();

    Picture m_picture;
    QPixmap m_scaled;
    const QImage *m_scaledFrom = nullptr;
    bool m_stretch = true;
    bool m_pressed = false;
    QString m_tag;
    int m_index;
};
