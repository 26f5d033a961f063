#pragma once

#include <QString>

class PictureLibrary;

// Checks of a typed word before it becomes a file name. Each returns a
// German sentence saying what is wrong, or the empty text when the word
// passes.
namespace wordcheck {

// Anything that would write outside the target folder or that a file name
// cannot hold, on this system or on Windows. The empty word passes.
QString unsafe(const QString &word);

// A word the game could never play: too long, or a character without its
// letter picture.
QString unplayable(const QString &word, const PictureLibrary &library);

} // namespace wordcheck
