#pragma once

#include "app/screen.h"

// The manager's help window: how to add and delete pictures.
class ManagerInstructionsScreen : public Screen {
public:
    explicit ManagerInstructionsScreen(Screens &screens);

protected:
    void build(ScreenWindow &window) override;
};
