#include "libraryfiles.h"

#include "library/picturelibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace libraryfiles {

namespace {
QString quoted(const QString &path) {
    return QStringLiteral("\u201E%1\u201C").arg(QDir::toNativeSeparators(path));
}
} // namespace

QString savePicture(const PictureLibrary &library, const QString &folder, const QString &word,
                    const QImage &image) {
    const QString dir = library.resolve(folder);
    if (!QFileInfo(dir).isDir())
        return QStringLiteral("Der Ordner %1 wurde nicht gefunden.").arg(quoted(dir));
    QSaveFile file(library.resolve(PictureLibrary::join(folder, word + QStringLiteral(".jpg"))));
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit())
        return {};
    return QStringLiteral("In den Ordner %1 konnte nicht geschrieben werden (%2).")
        .arg(quoted(dir), file.errorString());
}

QString removeFile(const QString &path) {
    QFile file(path);
    // A file someone else removed meanwhile is gone all the same.
    if (file.remove() || !file.exists())
        return {};
    return QStringLiteral("Die Datei %1 konnte nicht gelöscht werden (%2).")
        .arg(quoted(path), file.errorString());
}

} // namespace libraryfiles
