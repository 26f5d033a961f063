#pragma once

#include <QSizeF>

class QObject;
class QTextDocument;

// The rules of the game for the children, as a formatted document with the
// title spelled in letter pictures.
namespace gameinstructions {

QTextDocument *makeDocument(QObject *parent);

// Display size in pixels of a letter picture of `natural` pixels: about
// half size, kept within the row's bounds.
QSizeF letterDisplaySize(QSizeF natural);

} // namespace gameinstructions
