#include "letterpictures.h"

#include "app/art.h"
#include "library/picturelibrary.h"

LetterPictures::LetterPictures(const PictureLibrary &library, QSize bound)
    : m_library(library)
    , m_bound(bound) {}

LetterPictures::Entry &LetterPictures::entry(QChar letter) {
    auto it = m_entries.find(letter);
    if (it == m_entries.end()) {
        Entry e;
        e.exists = m_library.isFile(PictureLibrary::letterPath(QString(letter)));
        it = m_entries.insert(letter, e);
    }
    return it.value();
}

bool LetterPictures::exists(QChar letter) {
    return entry(letter).exists;
}

bool LetterPictures::isPlayable(const QString &word) {
    if (word.size() > PictureLibrary::maxWordLength)
        return false;
    for (const QChar c : word) {
        if (!exists(c))
            return false;
    }
    return true;
}

Picture LetterPictures::picture(const QString &letter) {
    if (letter.size() == 1) {
        Entry &e = entry(letter.front());
        if (e.exists && !e.decoded) {
            if (const Picture p = m_library.load(PictureLibrary::letterPath(letter), m_bound))
                e.image = *p;
            e.decoded = true;
        }
        // A copy shares the pixels but is an object of its own.
        if (!e.image.isNull())
            return makePicture(e.image);
    }
    return art::drawnLetter(letter);
}
