#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

// Small picture trees for tests, written below a root folder.
namespace picturetree {

// Writes an image file; `format` is the encoder ("JPG", "BMP", "PNG").
bool writeImage(const QString &path, QSize size = QSize(40, 40), const char *format = "JPG",
                QColor colour = QColor(200, 80, 40));
bool writeFile(const QString &path, const QByteArray &bytes);
// Pics/Buchstaben with one GIF per letter of `letters` (lower case names).
void makeLetters(const QString &root,
                 const QString &letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüß"));
// A folder (relative, "/"-separated) with word + ".jpg" pictures.
void makeFolder(const QString &root, const QString &folder, const QStringList &words);
// A PNG whose header announces width x height pixels, with almost no data.
QByteArray announcingPng(quint32 width, quint32 height);
// n distinct words like "Aaa", "Aab", ...
QStringList words(int n);
// A complete little library: letters, backgrounds, six level folders of
// `perLevel` words each, the eight lettuce frames.
void makeLibrary(const QString &root, int perLevel = 25);

} // namespace picturetree
