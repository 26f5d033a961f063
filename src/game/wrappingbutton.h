#pragma once

#include <QPushButton>

// A push button whose caption wraps onto more lines when it is too long
// for one, as the long give-up question needs on a small button.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
