#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

// One control of a layout table. Tables list controls in stacking order:
// a later control is drawn above an earlier one.
struct ControlSpec {
    enum class Kind { Button, Label, Image, TextBox, Line };
    enum class Ink { Grey, Default };

    Kind kind;
    const char *name;      // UTF-8 objectName
    int index = -1;        // element of a control array, or -1
    QRect rect;            // twips; for a line, its start is rect's top-left
    QPoint lineTo;         // twips; lines only
    const char *text = ""; // caption, or the art name of an image
    double pointSize = 8.25;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Ink ink = Ink::Grey;
    const char *family = nullptr; // nullptr: the common Comic Sans MS

    QString objectName() const;
};

namespace controls {
ControlSpec button(const char *name, QRect rect, const char *caption, double pointSize = 8.25,
                   const char *family = nullptr);
ControlSpec label(const char *name, QRect rect, const char *text, double pointSize,
                  Qt::Alignment alignment, ControlSpec::Ink ink = ControlSpec::Ink::Grey);
ControlSpec image(const char *name, int index, QRect rect, const char *art);
ControlSpec textBox(const char *name, QRect rect, double pointSize);
ControlSpec line(const char *name, QPoint from, QPoint to);

// Creates the controls on `parent` in table order; buttons end up above
// every picture and label, as on the original forms.
void build(QWidget *parent, const std::vector<ControlSpec> &specs);
} // namespace controls
