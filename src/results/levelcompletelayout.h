#pragma once

#include "controltable.h"

#include "app/playstate.h"
#include "app/screenid.h"

#include <vector>

// The name entry of a level-3 screen and the certificate label it fills.
struct NameEntrySpec {
    const char *box;
    QPoint boxAt;
    int boxTabIndex;
    const char *prompt;
    QPoint promptAt;
    const char *promptText;
    const char *hint;
    QPoint hintAt;
    const char *hintText;
    const char *certificateLabel;
};

// What sets one level-complete screen apart from the others.
struct LevelCompleteSpec {
    ScreenId screen;
    ScreenId game; // the level just finished
    ScreenId next; // the next game screen, or the certificate after level 3
    double PlayState::*field;
    const char *title; // window caption and lblwin
    const char *timeText;
    const char *buttonText;
    double buttonPointSize;
    const char *buttonFamily; // nullptr: Comic Sans MS
    QPoint bannerAt;
    QPoint titleAt;
    QPoint timeTextAt;
    int timeTextWidth;
    QPoint timeAt;
    int timeWidth;
    QPoint buttonAt;
    int buttonWidth;
    const NameEntrySpec *nameEntry; // level 3 only
};

constexpr int levelCompleteClientWidth = 9780;
constexpr int levelCompleteClientHeight = 7980;

const std::vector<LevelCompleteSpec> &levelCompleteSpecs();
const LevelCompleteSpec &levelCompleteSpec(ScreenId screen);
// The screen's controls in stacking order.
std::vector<ControlSpec> levelCompleteLayout(const LevelCompleteSpec &spec);
