#include "picturelibrary.h"

#include <QDir>
#include <QFileInfo>

const QString PictureLibrary::backgroundFolder = QStringLiteral("Pics\\Hintergrundbilder");
const QString PictureLibrary::letterFolder = QStringLiteral("Pics\\Buchstaben");
const QString PictureLibrary::lettuceFolder = QStringLiteral("Pics\\Salatköpfe");

PictureLibrary::PictureLibrary(QString rootDir)
    : m_root(std::move(rootDir)) {}

namespace {
// File names may come in either Unicode normal form (copied from other
// systems); compare them folded and composed.
QString folded(const QString &name) {
    return name.normalized(QString::NormalizationForm_C).toCaseFolded();
}
} // namespace

QString PictureLibrary::resolve(const QString &relativePath) const {
    QString current = m_root;
    const QStringList parts = QString(relativePath)
                                  .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QString wanted = folded(part);
        QString match;
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::System | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (folded(entry) == wanted) {
                match = entry;
                break;
            }
        }
        current += QLatin1Char('/') + (match.isEmpty() ? part : match);
    }
    return QDir::cleanPath(current);
}

bool PictureLibrary::isFile(const QString &relativePath) const {
    return QFileInfo(resolve(relativePath)).isFile();
}

bool PictureLibrary::isDir(const QString &relativePath) const {
    return QFileInfo(resolve(relativePath)).isDir();
}

QStringList PictureLibrary::listFiles(const QString &relativeFolder) const {
    QDir dir(resolve(relativeFolder));
    if (!dir.exists())
        return {};
    return dir.entryList(QDir::Files | QDir::Readable, QDir::Name);
}

Picture PictureLibrary::load(const QString &relativePath, const QSize &bound) const {
    return loadPictureFile(resolve(relativePath), bound);
}

QString PictureLibrary::wordOf(const QString &fileName) {
    return fileName.left(qMax(0, fileName.size() - 4));
}

QString PictureLibrary::letterPath(const QString &letter) {
    return letterFolder + QLatin1Char('\\') + letter + QStringLiteral(".gif");
}

QString PictureLibrary::join(const QString &folder, const QString &name) {
    return folder + QLatin1Char('\\') + name;
}

bool PictureLibrary::isPlayable(const QString &word) const {
    if (word.size() > maxWordLength)
        return false;
    for (const QChar c : word) {
        if (!isFile(letterPath(QString(c))))
            return false;
    }
    return true;
}
