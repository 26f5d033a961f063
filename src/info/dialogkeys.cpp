#include "dialogkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

DialogKeys::DialogKeys(QWidget *window, QAbstractButton *defaultButton,
                       QAbstractButton *cancelButton)
    : QObject(window)
    , m_window(window)
    , m_default(defaultButton)
    , m_cancel(cancelButton) {
    // Keys the focused control leaves alone travel up to the window.
    window->installEventFilter(this);
}

bool DialogKeys::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    QAbstractButton *target = nullptr;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        target = qobject_cast<QAbstractButton *>(m_window->focusWidget());
        if (!target)
            target = m_default;
    } else if (key->key() == Qt::Key_Escape) {
        target = m_cancel;
    }
    if (!target || !target->isEnabled())
        return false;
    target->click();
    return true;
}
