#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the folder and file lists show, apart from any window.
namespace folderlisting {

struct FolderEntry {
    QString name;
    QString path;
    int depth = 0;
    bool open = false; // the open folder or one of its ancestors
};

// Rows of the folder list with `path` open: the root and every folder down
// to `path`, then the visible subfolders of `path`, sorted without regard to
// case. A folder that cannot be listed simply has no subfolders.
QList<FolderEntry> entries(const QString &path);

// The file list's pattern "*.jpg*", without regard to letter case.
bool matchesPicturePattern(const QString &fileName);

// Visible files of `folder` that match the pattern, sorted without regard to
// case; empty when the folder cannot be listed.
QStringList pictureFiles(const QString &folder);

// `wanted` when it is a folder that can be opened and listed, else `fallback`.
QString openable(const QString &wanted, const QString &fallback);

} // namespace folderlisting
