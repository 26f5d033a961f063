#pragma once

#include "app/screen.h"

// The rules of the game for the children, to read while playing.
class InstructionsScreen : public Screen {
public:
    explicit InstructionsScreen(Screens &screens);

protected:
    void build(ScreenWindow &window) override;
};
