#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// The shared look: bundled fonts, the light-yellow buttons, grey labels.
namespace look {

inline const QString comicSans = QStringLiteral("Comic Sans MS");
inline const QString calibri = QStringLiteral("Calibri");

// Registers the bundled fonts and maps the layout's font names onto them.
void install();

QFont font(double pointSize, bool bold = true, const QString &family = comicSans);

QColor buttonBack();    // RGB 255, 255, 192
QColor labelText();     // RGB 64, 64, 64
QColor paleTurquoise(); // RGB 179, 228, 232

void styleButton(QAbstractButton *button, double pointSize = 8.25);
// Transparent label in the layout's grey.
void styleLabel(QLabel *label, double pointSize,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                QColor colour = labelText());

} // namespace look
