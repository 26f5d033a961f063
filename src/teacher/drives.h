#pragma once

#include <QList>
#include <QString>

// The drive list's entries. Without drive letters, a "drive" is a place a
// teacher's pictures come from: the root, the home folder, and the media
// mounted under /media, /mnt and /run/media.
namespace drives {

struct Volume {
    QString rootPath;
    QString name; // volume label, may be empty
};

struct Drive {
    QString label; // as the list shows it
    QString path;  // the folder it opens
};

// The drives to offer, root first, then home, then the media in mount order.
QList<Drive> offered(const QList<Volume> &volumes, const QString &homePath);

// offered() over the file systems mounted right now.
QList<Drive> mounted();

// Index of the drive holding `path` (the longest matching path); 0 if none.
int indexHolding(const QList<Drive> &list, const QString &path);

} // namespace drives
