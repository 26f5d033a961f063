#include "picturetree.h"

#include "library/picturelibrary.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

class TestPictureLibrary : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() {
        using namespace picturetree;
        makeLetters(dir.path(), QStringLiteral("hund"));
        writeImage(dir.path() + QStringLiteral("/Pics/Salatköpfe/salatkopf 01 Kopie.jpg"));
        makeFolder(dir.path(), QStringLiteral("Pics/BilderD/Level1"),
                   {QStringLiteral("Hund"), QStringLiteral("Bär")});
        writeImage(dir.path() + QStringLiteral("/Pics/BilderD/Level1/.versteckt.jpg"));
        QDir().mkpath(dir.path() + QStringLiteral("/Pics/BilderD/Level1/Unterordner.jpg"));
        writeImage(dir.path() + QStringLiteral("/Pics/BilderD/Level1/Hund.jpeg"));
        // A picture saved in another format under a ".jpg" name.
        writeImage(dir.path() + QStringLiteral("/Pics/BilderD/Level1/Ball.jpg"), QSize(30, 20),
                   "BMP");
        writeFile(dir.path() + QStringLiteral("/Pics/BilderD/Level1/Kaputt.jpg"), "kein Bild");
    }

    void resolveIgnoresCase_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");
        QTest::newRow("capital letter finds lower-case file") << "Pics\\Buchstaben\\H.gif"
                                                              << "Pics/Buchstaben/h.gif";
        QTest::newRow("every component") << "PICS\\buchstaben\\N.GIF"
                                         << "Pics/Buchstaben/n.gif";
        QTest::newRow("umlaut folder in capitals") << "Pics\\SALATKÖPFE\\Salatkopf 01 Kopie.JPG"
                                                   << "Pics/Salatköpfe/salatkopf 01 Kopie.jpg";
        QTest::newRow("missing stays as given") << "Pics\\Buchstaben\\Q.gif"
                                                << "Pics/Buchstaben/Q.gif";
        QTest::newRow("forward slashes work too") << "pics/buchstaben/u.gif"
                                                  << "Pics/Buchstaben/u.gif";
    }
    void resolveIgnoresCase() {
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        PictureLibrary lib(dir.path());
        QCOMPARE(lib.resolve(relative), dir.path() + QLatin1Char('/') + expected);
    }

    void decomposedUmlautsAreFound() {
        QTemporaryDir d;
        const QString decomposed = QStringLiteral("Bär").normalized(QString::NormalizationForm_D);
        picturetree::writeImage(d.path() + QStringLiteral("/Pics/") + decomposed +
                                QStringLiteral(".jpg"));
        PictureLibrary lib(d.path());
        QVERIFY(lib.isFile(QStringLiteral("Pics\\Bär.jpg")));
    }

    void listingHasVisibleFilesOnly() {
        PictureLibrary lib(dir.path());
        QCOMPARE(lib.listFiles(QStringLiteral("pics\\bilderd\\level1")),
                 (QStringList{"Ball.jpg", "Bär.jpg", "Hund.jpeg", "Hund.jpg", "Kaputt.jpg"}));
        QVERIFY(lib.listFiles(QStringLiteral("Pics\\Fehlt")).isEmpty());
    }

    void wordCutsFourCharacters_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("word");
        QTest::newRow("jpg") << "Hund.jpg"
                             << "Hund";
        QTest::newRow("jpeg keeps a dot") << "Hund.jpeg"
                                          << "Hund.";
        QTest::newRow("umlaut and blank") << "Gelbe Rübe.jpg"
                                          << "Gelbe Rübe";
        QTest::newRow("empty word") << ".jpg"
                                    << "";
        QTest::newRow("shorter than four") << "ab"
                                           << "";
    }
    void wordCutsFourCharacters() {
        QFETCH(QString, file);
        QFETCH(QString, word);
        QCOMPARE(PictureLibrary::wordOf(file), word);
    }

    void letterPathsAndPlayability() {
        PictureLibrary lib(dir.path());
        QCOMPARE(PictureLibrary::letterPath(QStringLiteral("H")),
                 QStringLiteral("Pics\\Buchstaben\\H.gif"));
        QVERIFY(lib.isPlayable(QStringLiteral("Hund")));
        QVERIFY(lib.isPlayable(QString()));
        QVERIFY(!lib.isPlayable(QStringLiteral("Hunde"))); // no e.gif
        QVERIFY(!lib.isPlayable(QStringLiteral("hundhundhundh"
                                               "u"))); // 14 characters
        QVERIFY(lib.isPlayable(QStringLiteral("hundhundhundh")));
    }

    void picturesDecodeByContent() {
        PictureLibrary lib(dir.path());
        const Picture bmp = lib.load(QStringLiteral("Pics\\BilderD\\Level1\\Ball.jpg"));
        QVERIFY(bmp);
        QCOMPARE(bmp->size(), QSize(30, 20));
        QVERIFY(!lib.load(QStringLiteral("Pics\\BilderD\\Level1\\Kaputt.jpg")));
        QVERIFY(!lib.load(QStringLiteral("Pics\\BilderD\\Level1\\Fehlt.jpg")));
        QVERIFY(!lib.load(QStringLiteral("Pics\\BilderD\\Level1\\Unterordner.jpg")));
    }

    void scaledDecodingStaysNearTheBound() {
        QTemporaryDir d;
        picturetree::writeImage(d.path() + QStringLiteral("/big.jpg"), QSize(2000, 1000));
        const Picture p = loadPictureFile(d.path() + QStringLiteral("/big.jpg"), QSize(300, 300));
        QVERIFY(p);
        QCOMPARE(p->size(), QSize(600, 300));
        const Picture small =
            loadPictureFile(d.path() + QStringLiteral("/big.jpg"), QSize(4000, 4000));
        QCOMPARE(small->size(), QSize(2000, 1000));
    }

    void hugeAnnouncedPictureIsRefused() {
        QTemporaryDir d;
        picturetree::writeFile(d.path() + QStringLiteral("/riesig.jpg"),
                               picturetree::announcingPng(30000, 30000));
        QVERIFY(!loadPictureFile(d.path() + QStringLiteral("/riesig.jpg"), QSize(300, 300)));
    }
};

QTEST_GUILESS_MAIN(TestPictureLibrary)
#include "test_picturelibrary.moc"
