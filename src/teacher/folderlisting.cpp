#include "folderlisting.h"

#include <QDir>
#include <QFileInfo>

namespace folderlisting {

QList<FolderEntry> entries(const QString &path) {
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    QList<FolderEntry> rows{{QStringLiteral("/"), QStringLiteral("/"), 0, true}};
    QString current;
    for (const QString &part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        current += QLatin1Char('/') + part;
        rows.append({part, current, int(rows.size()), true});
    }
    const int depth = int(rows.size());
    const QDir dir(clean);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders)
        rows.append({name, dir.filePath(name), depth, false});
    return rows;
}

bool matchesPicturePattern(const QString &fileName) {
    return fileName.contains(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

QStringList pictureFiles(const QString &folder) {
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeIf([](const QString &name) { return !matchesPicturePattern(name); });
    return names;
}

QString openable(const QString &wanted, const QString &fallback) {
    const QFileInfo info(wanted);
    const bool opens =
        !wanted.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable();
    return opens ? QDir::cleanPath(info.absoluteFilePath()) : fallback;
}

} // namespace folderlisting
