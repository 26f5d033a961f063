#pragma once

#include "controltable.h"

#include "app/screenid.h"
#include "app/screenwindow.h"

#include <vector>

// One of the two game-over screens.
struct GameOverSpec {
    ScreenId screen;
    const char *caption;
    ScreenWindow::Border border;
    QSize client; // twips
    const char *firstInTabOrder;
    const char *secondInTabOrder;
    std::vector<ControlSpec> controls; // stacking order
};

const GameOverSpec &gameOverSpec(ScreenId screen);
