#include "app/art.h"
#include "app/look.h"
#include "library/picturelibrary.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString sourceDir = QStringLiteral(TF_SOURCE_DIR);
const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüß");

// Decodes by content, as the game does, whatever the extension says.
QImage decode(const QString &path, QByteArray *format = nullptr) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (format)
        *format = reader.format();
    return reader.read();
}

struct ArtFile {
    const char *name;
    QSize size;
};

// The compiled-in art the screens ask for by name.
const ArtFile screenArt[] = {
    {"bg_start.jpg", {800, 600}},
    {"bg_intro.jpg", {800, 600}},
    {"bg_about.jpg", {800, 600}},
    {"bg_game.jpg", {800, 600}},
    {"bg_pale.png", {800, 600}},
    {"child.gif", {338, 366}},
    {"lettuce_right.jpg", {383, 330}},
    {"lettuce_left.jpg", {383, 330}},
    {"mascot.jpg", {383, 330}},
    {"lettuce_life.jpg", {383, 330}},
    {"deco.gif", {97, 91}},
    {"trophy.gif", {85, 111}},
    {"padlock.jpg", {463, 338}},
};

// alias -> file path (relative to resources/) of every entry in art.qrc.
QMap<QString, QString> qrcEntries() {
    QMap<QString, QString> entries;
    QFile file(sourceDir + QStringLiteral("/resources/art.qrc"));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("file"))
            continue;
        const QString alias = xml.attributes().value(QLatin1String("alias")).toString();
        const QString path = xml.readElementText();
        entries.insert(alias.isEmpty() ? path : alias, path);
    }
    return entries;
}

} // namespace

class TestShippedPics : public QObject {
    Q_OBJECT

    PictureLibrary library{sourceDir};

private Q_SLOTS:
    void levelFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("german");
        QTest::addColumn<int>("minLength");
        QTest::addColumn<int>("maxLength");
        for (const char *lang : {"D", "E"})
            for (int level = 1; level <= 3; ++level) {
                const QString folder =
                    QStringLiteral("Pics\\Bilder%1\\Level%2").arg(QLatin1String(lang)).arg(level);
                const int lengths[][2] = {{3, 5}, {5, 8}, {5, 13}};
                QTest::newRow(qPrintable(folder))
                    << folder << (lang[0] == 'D') << lengths[level - 1][0] << lengths[level - 1][1];
            }
    }

    // Every level draws 25 different words, so the folder needs more than
    // that; every file must decode and spell a playable word of its level.
    void levelFolder() {
        QFETCH(QString, folder);
        QFETCH(bool, german);
        QFETCH(int, minLength);
        QFETCH(int, maxLength);
        const QStringList files = library.listFiles(folder);
        QVERIFY2(files.size() >= 40, qPrintable(QString::number(files.size())));
        for (const QString &file : files) {
            const QString word = PictureLibrary::wordOf(file);
            QVERIFY2(file.endsWith(QLatin1String(".jpg")), qPrintable(file));
            const QImage image = decode(library.resolve(PictureLibrary::join(folder, file)));
            QVERIFY2(!image.isNull(), qPrintable(file));
            QVERIFY2(image.width() >= 300 && image.height() >= 300, qPrintable(file));
            QVERIFY2(library.isPlayable(word), qPrintable(word));
            QVERIFY2(word.size() >= minLength && word.size() <= maxLength, qPrintable(word));
            // German nouns are written with a capital, English words in lower case.
            const QString expectedCase =
                german ? word.left(1).toUpper() + word.mid(1) : word.toLower();
            QCOMPARE(word, expectedCase);
        }
    }

    void germanLevelsUseUmlautsAndEszett() {
        QString used;
        for (int level = 1; level <= 3; ++level)
            used += library.listFiles(QStringLiteral("Pics\\BilderD\\Level%1").arg(level))
                        .join(QString());
        for (const QChar c : QStringLiteral("äöüß"))
            QVERIFY2(used.contains(c), qPrintable(QString(c)));
    }

    // One GIF per letter serves both cases; tiles show it at 49 px.
    void letterPictures() {
        for (const QChar c : letters) {
            const QString path = library.resolve(PictureLibrary::letterPath(QString(c)));
            QVERIFY2(path.endsWith(QString(c) + QStringLiteral(".gif")), qPrintable(path));
            QByteArray format;
            const QImage image = decode(path, &format);
            QVERIFY2(!image.isNull(), qPrintable(path));
            QCOMPARE(format, QByteArray("gif"));
            QVERIFY2(image.width() >= 60 && image.width() <= 84, qPrintable(path));
            QVERIFY2(image.height() >= 61 && image.height() <= 66, qPrintable(path));
        }
    }

    void backgroundsDecode() {
        const QStringList files = library.listFiles(PictureLibrary::backgroundFolder);
        QVERIFY(files.size() >= 6);
        for (const QString &file : files) {
            const QImage image = decode(
                library.resolve(PictureLibrary::join(PictureLibrary::backgroundFolder, file)));
            QVERIFY2(!image.isNull(), qPrintable(file));
            QCOMPARE(image.size(), QSize(800, 600));
        }
    }

    // The intro plays the eight frames in a loop; each must differ from the
    // one before it or the mascot stands still.
    void lettuceFramesMove() {
        QImage previous;
        for (int i = 1; i <= 9; ++i) {
            const int frame = (i - 1) % 8 + 1;
            const QString name =
                QStringLiteral("salatkopf %1 Kopie.jpg").arg(frame, 2, 10, QLatin1Char('0'));
            const QImage image =
                decode(library.resolve(PictureLibrary::join(PictureLibrary::lettuceFolder, name)));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(383, 330));
            if (!previous.isNull())
                QVERIFY2(image != previous, qPrintable(name));
            previous = image;
        }
    }

    void qrcFilesExistAndDecode() {
        const QMap<QString, QString> entries = qrcEntries();
        QVERIFY(!entries.isEmpty());
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const QString path = sourceDir + QStringLiteral("/resources/") + it.value();
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QVERIFY2(!decode(path).isNull(), qPrintable(path));
        }
        for (const ArtFile &art : screenArt)
            QVERIFY2(entries.contains(QLatin1String(art.name)), art.name);
        for (const QChar c : letters) {
            const QString name = QStringLiteral("letters/") + c + QStringLiteral(".gif");
            QVERIFY2(entries.contains(name), qPrintable(name));
        }
    }

    // What the screens get at run time: compiled in, at the size they lay out.
    void screenArtIsCompiledIn() {
        look::install();
        for (const ArtFile &art : screenArt) {
            const Picture picture = art::picture(QLatin1String(art.name));
            QVERIFY2(picture, art.name);
            QCOMPARE(picture->size(), art.size);
        }
        const QImage pale =
            art::picture(QStringLiteral("bg_pale.png"))->convertToFormat(QImage::Format_RGB32);
        for (const QPoint p : {QPoint(0, 0), QPoint(400, 300), QPoint(799, 599)})
            QCOMPARE(pale.pixelColor(p), QColor(179, 228, 232));
        for (const QChar c : letters) {
            const Picture embedded =
                art::picture(QStringLiteral("letters/") + c + QStringLiteral(".gif"));
            QVERIFY2(embedded, qPrintable(QString(c)));
        }
    }
};

QTEST_MAIN(TestShippedPics)
#include "test_shippedpics.moc"
