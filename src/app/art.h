#pragma once

#include "library/picture.h"

#include <QPixmap>
#include <QString>

// Artwork compiled into the program.
namespace art {

// ":/art/" + name, decoded once per process; null when missing.
Picture picture(const QString &name);
QPixmap pixmap(const QString &name);

// The embedded coloured letter picture (one file per letter, both cases);
// a letter drawn as text where there is none.
Picture letter(const QString &letter);
// A letter drawn as text, for letters without a picture.
Picture drawnLetter(const QString &letter);

} // namespace art
