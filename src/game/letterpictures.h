#pragma once

#include "library/picture.h"

#include <QHash>
#include <QImage>
#include <QSize>

class PictureLibrary;

// The letter pictures of one level, looked up and decoded once per letter.
// Every call of picture() hands out a picture object of its own, so two
// tiles with the same letter stay apart.
class LetterPictures {
public:
    LetterPictures(const PictureLibrary &library, QSize bound);

    bool exists(QChar letter);
    // At most 13 characters, each with its letter picture.
    bool isPlayable(const QString &word);
    // The letter's picture, or the letter drawn as text when its file cannot
    // be read.
    Picture picture(const QString &letter);

private:
    struct Entry {
        bool exists = false;
        bool decoded = false;
        QImage image;
    };
    Entry &entry(QChar letter);

    const PictureLibrary &m_library;
    QSize m_bound;
    QHash<QChar, Entry> m_entries;
};
