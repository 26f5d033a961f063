#include "wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(3, 1, -3, -1);
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap, option.palette,
                          isEnabled(), caption, QPalette::ButtonText);
}
