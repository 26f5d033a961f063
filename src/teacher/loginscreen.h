#pragma once

#include "app/screen.h"

// The teacher login in front of the picture-library manager. It closes
// after every attempt, passed or failed.
class LoginScreen : public Screen {
public:
    explicit LoginScreen(Screens &screens);

    void cmdOK_Click();
    void cmdneu_Click();
    void cmdbeenden_Click();

protected:
    void build(ScreenWindow &window) override;
};
