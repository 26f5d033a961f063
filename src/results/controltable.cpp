#include "controltable.h"

#include "app/art.h"
#include "app/imagebox.h"
#include "app/lineshape.h"
#include "app/look.h"
#include "app/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

QString ControlSpec::objectName() const {
    const QString base = QString::fromUtf8(name);
    return index < 0 ? base : twips::arrayName(base, index);
}

namespace controls {

ControlSpec button(const char *name, QRect rect, const char *caption, double pointSize,
                   const char *family) {
    ControlSpec s{ControlSpec::Kind::Button, name};
    s.rect = rect;
    s.text = caption;
    s.pointSize = pointSize;
    s.family = family;
    return s;
}

ControlSpec label(const char *name, QRect rect, const char *text, double pointSize,
                  Qt::Alignment alignment, ControlSpec::Ink ink) {
    ControlSpec s{ControlSpec::Kind::Label, name};
    s.rect = rect;
    s.text = text;
    s.pointSize = pointSize;
    s.alignment = alignment;
    s.ink = ink;
    return s;
}

ControlSpec image(const char *name, int index, QRect rect, const char *art) {
    ControlSpec s{ControlSpec::Kind::Image, name};
    s.index = index;
    s.rect = rect;
    s.text = art;
    return s;
}

ControlSpec textBox(const char *name, QRect rect, double pointSize) {
    ControlSpec s{ControlSpec::Kind::TextBox, name};
    s.rect = rect;
    s.pointSize = pointSize;
    s.alignment = Qt::AlignCenter;
    return s;
}

ControlSpec line(const char *name, QPoint from, QPoint to) {
    ControlSpec s{ControlSpec::Kind::Line, name};
    s.rect = QRect(from, QSize(0, 0));
    s.lineTo = to;
    return s;
}

namespace {
Picture artPicture(const QString &name) {
    static const QString letters = QStringLiteral("letters/");
    if (name.startsWith(letters))
        return art::letter(name.mid(letters.size(), 1));
    return art::picture(name);
}

QWidget *create(QWidget *parent, const ControlSpec &spec) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
    case ControlSpec::Kind::Button: {
        auto *b = new QPushButton(text, parent);
        look::styleButton(b, spec.pointSize);
        if (spec.family)
            b->setFont(look::font(spec.pointSize, true, QString::fromLatin1(spec.family)));
        // Enter presses the focused button, as it does in a dialog.
        b->setAutoDefault(true);
        return b;
    }
    case ControlSpec::Kind::Label: {
        auto *l = new QLabel(text, parent);
        // A typed name is shown as typed, never read as markup.
        l->setTextFormat(Qt::PlainText);
        const QColor ink =
            spec.ink == ControlSpec::Ink::Grey ? look::labelText() : QColor(Qt::black);
        look::styleLabel(l, spec.pointSize, spec.alignment, ink);
        return l;
    }
    case ControlSpec::Kind::Image: {
        auto *i = new ImageBox(parent, spec.objectName(), spec.index);
        i->setPicture(artPicture(text));
        return i;
    }
    case ControlSpec::Kind::TextBox: {
        auto *t = new QLineEdit(parent);
        t->setFont(look::font(spec.pointSize));
        t->setAlignment(spec.alignment);
        t->setMaxLength(std::numeric_limits<int>::max());
        return t;
    }
    case ControlSpec::Kind::Line:
        return new LineShape(parent, spec.objectName(), spec.rect.topLeft(), spec.lineTo);
    }
    return nullptr;
}
} // namespace

void build(QWidget *parent, const std::vector<ControlSpec> &specs) {
    std::vector<QWidget *> buttons;
    for (const ControlSpec &spec : specs) {
        QWidget *w = create(parent, spec);
        w->setObjectName(spec.objectName());
        if (spec.kind != ControlSpec::Kind::Line)
            twips::place(w, spec.rect);
        if (spec.kind == ControlSpec::Kind::Button)
            buttons.push_back(w);
    }
    for (QWidget *b : buttons)
        b->raise();
}

} // namespace controls
