#pragma once

#include "picture.h"

#include <QString>
#include <QStringList>

// The "Pics" tree under the working directory: where the words live.
// Paths are written with "\" and matched without regard to letter case, one
// component at a time, so "Pics\Buchstaben\H.gif" finds h.gif.
class PictureLibrary {
public:
    static const QString backgroundFolder;
    static const QString letterFolder;
    static const QString lettuceFolder;
    static constexpr int maxWordLength = 13;

    explicit PictureLibrary(QString rootDir);

    QString rootDir() const { return m_root; }

    // Absolute path of a relative "\"-separated path; components that exist
    // in another case are found, those that do not exist are kept as given.
    QString resolve(const QString &relativePath) const;
    bool isFile(const QString &relativePath) const;
    bool isDir(const QString &relativePath) const;

    // Names of the visible regular files of a folder, sorted; empty when the
    // folder is missing or unreadable.
    QStringList listFiles(const QString &relativeFolder) const;

    Picture load(const QString &relativePath, const QSize &bound = QSize()) const;

    // The word of a picture file: its name without the last four characters.
    static QString wordOf(const QString &fileName);
    // "Pics\Buchstaben\" + letter + ".gif"
    static QString letterPath(const QString &letter);
    static QString join(const QString &folder, const QString &name);

    // At most 13 characters, each with its letter picture.
    bool isPlayable(const QString &word) const;

private:
    QString m_root;
};
