#pragma once

#include <QWidget>

// A straight line between two points given in twips.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QWidget *parent, const QString &name, QPoint from, QPoint to, int widthPixels = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    int m_width;
};
