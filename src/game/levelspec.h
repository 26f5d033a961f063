#pragma once

#include "app/screenid.h"

#include <QColor>
#include <QString>
#include <array>

enum class Language { German, English };

// One game screen: its level, its folder, its texts and where it leads.
// The last block holds the few design positions that differ between the
// screens (twips).
struct LevelSpec {
    ScreenId screenName;
    Language language;
    int level;
    QString pictureFolder;
    QString livesCaption;
    QString checkCaption;
    QString otherPictureCaption;
    QString wrongAnswerText;
    ScreenId completeScreen;
    ScreenId gameOverScreen;
    QColor backColor;

    int imgbigLeft;
    int lblZeitLeft;
    int lblLebenLeft;
    int file2Left;
    int img9Left;
    int img14Left;
    int img23Left;
    int img24Left;
};

constexpr int levelCount = 6;

const std::array<LevelSpec, levelCount> &levelSpecs();
// The row of a game screen; null for any other screen.
const LevelSpec *levelSpecFor(ScreenId screen);
