#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

// Gives a window the keys of a dialog: Enter clicks the button that has
// the focus, or else the default button; Esc clicks the cancel button.
class DialogKeys : public QObject {
    Q_OBJECT
public:
    DialogKeys(QWidget *window, QAbstractButton *defaultButton, QAbstractButton *cancelButton);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QAbstractButton *m_default;
    QAbstractButton *m_cancel;
};
