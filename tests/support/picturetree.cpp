#include "picturetree.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

namespace picturetree {

bool writeImage(const QString &path, QSize size, const char *format, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format);
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void makeLetters(const QString &root, const QString &letters) {
    for (const QChar c : letters)
        writeImage(root + QStringLiteral("/Pics/Buchstaben/") + c + QStringLiteral(".gif"),
                   QSize(64, 64), "PNG"); // Qt writes no GIF; content decides
}

void makeFolder(const QString &root, const QString &folder, const QStringList &words) {
    int i = 0;
    for (const QString &w : words) {
        writeImage(root + QLatin1Char('/') + folder + QLatin1Char('/') + w + QStringLiteral(".jpg"),
                   QSize(40, 40), "JPG", QColor::fromHsv((i++ * 37) % 360, 200, 220));
    }
}

namespace {
quint32 crc32(const QByteArray &bytes) {
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}
} // namespace

QByteArray announcingPng(quint32 width, quint32 height) {
    QImage tiny(1, 1, QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tiny.save(&buffer, "PNG");
    QByteArray size(8, '\0');
    qToBigEndian(width, size.data());
    qToBigEndian(height, size.data() + 4);
    png.replace(16, 8, size);
    // A correct checksum, so that readers judge the announced size itself.
    qToBigEndian(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

QStringList words(int n) {
    QStringList out;
    for (int i = 0; i < n; ++i) {
        QString w = QStringLiteral("A");
        int k = i;
        for (int d = 0; d < 2; ++d) {
            w += QChar('a' + (k % 26));
            k /= 26;
        }
        out << w;
    }
    return out;
}

void makeLibrary(const QString &root, int perLevel) {
    makeLetters(root);
    makeFolder(root, QStringLiteral("Pics/Hintergrundbilder"),
               {QStringLiteral("Wiese"), QStringLiteral("Meer")});
    for (const char *level : {"Pics/BilderD/Level1", "Pics/BilderD/Level2", "Pics/BilderD/Level3",
                              "Pics/BilderE/Level1", "Pics/BilderE/Level2", "Pics/BilderE/Level3"})
        makeFolder(root, QString::fromLatin1(level), words(perLevel));
    for (int i = 1; i <= 8; ++i)
        writeImage(root + QStringLiteral("/Pics/Salatköpfe/salatkopf 0%1 Kopie.jpg").arg(i),
                   QSize(38, 33));
}

} // namespace picturetree
