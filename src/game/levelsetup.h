#pragma once

#include "boardlayout.h"
#include "library/picture.h"

#include <QSize>
#include <QStringList>
#include <array>

class LetterPictures;
class PictureLibrary;
class RandomSource;

// What a level starts with: 25 different playable pictures with their words
// and a background picture (null when there is none to be had).
struct LevelPictures {
    QStringList levelFiles;
    QStringList backgroundFiles;
    std::array<QString, boardlayout::slotCount> files;
    std::array<QString, boardlayout::slotCount> words;
    std::array<Picture, boardlayout::slotCount> pictures;
    int backgroundIndex = -1;
    Picture background;
    // Why the level cannot be played; empty when it can.
    QString problem;
};

// Draws and decodes a level's pictures. Files a child could not play (no
// readable picture, a name under four characters, a word too long or with a
// letter that has no picture) are never drawn. The pictures are decoded in
// parallel and no larger than the screen shows them.
class LevelSetup {
public:
    LevelSetup(const PictureLibrary &library, LetterPictures &letters, RandomSource &random);

    void setBounds(QSize picture, QSize background);
    LevelPictures prepare(const QString &folder);

private:
    QString tooFew(const QString &folder, int playable) const;

    const PictureLibrary &m_library;
    LetterPictures &m_letters;
    RandomSource &m_random;
    QSize m_pictureBound;
    QSize m_backgroundBound;
};
