#include "testapp.h"

#include "app/twips.h"
#include "info/gameinstructions.h"
#include "info/registerinfo.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

#include "textdocument.h"

namespace {

constexpr double px(int twips) {
    return twips / 15.0;
}
} // namespace

class TestInstructions : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    std::unique_ptr<QTextDocument> doc;

    QTextEdit *box() {
        return app->screens.instance(ScreenId::frmanleitungspiel)
            ->control<QTextEdit>(QStringLiteral("rtfanleitung2"));
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        registerInfoScreens(app->screens);
        doc.reset(gameinstructions::makeDocument(nullptr));
    }

    void paragraphsInOrder() {
        const QList<QTextBlock> b = blocks(*doc);
        QCOMPARE(b.size(), 12);
        QStringList texts;
        for (const QTextBlock &block : b)
            texts << block.text();
        QCOMPARE(texts[0], QStringLiteral("Anleitung für das  Spiel:"));
        QCOMPARE(texts[1], QString(12, QChar::ObjectReplacementCharacter));
        QCOMPARE(texts.mid(2, 2), (QStringList{QString(), QString()}));
        QCOMPARE(texts.mid(10), (QStringList{QString(), QString()}));
        for (const QTextBlock &block : b) {
            QCOMPARE(block.blockFormat().bottomMargin(), px(200));
            QCOMPARE(block.blockFormat().lineHeight(), 115.0);
            QCOMPARE(block.blockFormat().lineHeightType(),
                     int(QTextBlockFormat::ProportionalHeight));
        }
        QCOMPARE(b[0].blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(b[1].blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(b[2].blockFormat().leftMargin(), px(720));
        QCOMPARE(b[3].blockFormat().leftMargin(), px(360));
        QCOMPARE(b[11].blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(doc->defaultTextOption().tabStopDistance(), px(708));
    }

    void redHeading() {
        const QList<QTextFragment> f = fragments(doc->begin());
        QCOMPARE(f.size(), 1);
        const QTextCharFormat format = f[0].charFormat();
        QCOMPARE(format.foreground().color(), QColor(255, 0, 0));
        QCOMPARE(format.fontPointSize(), 14.0);
        QVERIFY(format.font().bold());
        QCOMPARE(format.fontFamilies().toStringList().value(0), QStringLiteral("Calibri"));
    }

    void titleSpelledInLetterPictures() {
        const QTextBlock row = doc->begin().next();
        int n = 0;
        for (const QTextFragment &f : fragments(row)) {
            for (int i = 0; i < f.length(); ++i) {
                const QTextImageFormat image = f.charFormat().toImageFormat();
                QVERIFY(image.isValid());
                const QImage picture =
                    doc->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
                QVERIFY2(!picture.isNull(), qPrintable(image.name()));
                // 405-516 twips wide, 412-512 high.
                QVERIFY(image.width() >= px(405) && image.width() <= px(516));
                QVERIFY(image.height() >= px(412) && image.height() <= px(512));
                ++n;
            }
        }
        QCOMPARE(n, 12);
    }

    void letterDisplaySizeStaysInBounds_data() {
        QTest::addColumn<QSizeF>("natural");
        QTest::addColumn<QSizeF>("shown");
        QTest::newRow("narrowest") << QSizeF(60, 61) << QSizeF(px(405), px(412));
        QTest::newRow("mid") << QSizeF(70, 64) << QSizeF(31.5, 28.8);
        QTest::newRow("widest") << QSizeF(84, 66) << QSizeF(px(516), 29.7);
        QTest::newRow("huge artwork") << QSizeF(600, 600) << QSizeF(px(516), px(512));
    }
    void letterDisplaySizeStaysInBounds() {
        QFETCH(QSizeF, natural);
        QFETCH(QSizeF, shown);
        const QSizeF size = gameinstructions::letterDisplaySize(natural);
        QVERIFY2(qAbs(size.width() - shown.width()) < 0.01 &&
                     qAbs(size.height() - shown.height()) < 0.01,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    }

    void numberedPoints_data() {
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "Man wählt eine Sprache aus Deutsch oder Englisch!";
        QTest::newRow("2") << 2
                           << "Es erscheinen 25 Bilder, man sucht sich eines der Bilder aus indem "
                              "man auf dieses Bild "
                              "klickt, es erscheint dann rechts in Groß und es kommen Buchstaben "
                              "eingeflogen, die man "
                              "dann dem Bild zuordnen muss.";
        QTest::newRow("3 with low opening quote")
            << 3
            << "Wenn man nicht weiterkommt, kann man auch zuerst mit einem anderen Bild "
               "weitermachen, dazu muss man "
               "auf denn Button \u201EMit einem anderen Bild weitermachen?\" klicken.";
        QTest::newRow("4 with trailing space")
            << 4
            << "Hat man alle 25 Bilder geschafft, wird man ins nächste Level weitergeleitet. Es "
               "gibt insgesamt drei "
               "Level mit jeweils 25 Bildern. ";
        QTest::newRow("5 without full stop")
            << 5
            << "Man hat fünf Leben pro Level, schafft man es nicht, wird das Spiel "
               "beendet";
        QTest::newRow("6") << 6
                           << "Am Ende des dritten Level kann man sein Name eingeben, der Name "
                              "erscheint dann mit auf "
                              "der Urkunde, die man sich ausdrucken kann.";
    }
    void numberedPoints() {
        QFETCH(int, point);
        QFETCH(QString, text);
        const QTextBlock block = blocks(*doc).at(3 + point);
        QCOMPARE(block.text(), QStringLiteral("%1.\t").arg(point) + text);
        QCOMPARE(block.blockFormat().leftMargin(), px(720));
        QCOMPARE(block.blockFormat().textIndent(), -px(360));

        const QList<QTextFragment> f = fragments(block);
        QCOMPARE(f.size(), 2);
        QCOMPARE(f[0].text(), QStringLiteral("%1.").arg(point));
        QVERIFY(f[0].charFormat().font().bold());
        QVERIFY(!f[1].charFormat().font().bold());
        // The text after the number's tab starts on the left indent, where
        // wrapped lines start too.
        doc->setTextWidth(200);
        doc->size(); // lays the document out
        const QTextLayout *layout = block.layout();
        QVERIFY(layout->lineCount() > 1);
        const int textStart = QStringLiteral("%1.\t").arg(point).size();
        QCOMPARE(qRound(layout->lineAt(0).cursorToX(textStart)), qRound(layout->lineAt(1).x()));
        QCOMPARE(qRound(layout->lineAt(1).x()), qRound(px(720)));

        for (const QTextFragment &fragment : f) {
            QCOMPARE(fragment.charFormat().fontPointSize(), 11.0);
            QCOMPARE(fragment.charFormat().fontFamilies().toStringList().value(0),
                     QStringLiteral("Calibri"));
            QVERIFY(!fragment.charFormat().hasProperty(QTextFormat::ForegroundBrush));
        }
    }

    void windowAndBox() {
        QVERIFY(app->screens.show(ScreenId::frmanleitungspiel));
        ScreenWindow *w = app->screens.instance(ScreenId::frmanleitungspiel)->window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Anleitung für das Spiel"));
        QCOMPARE(w->border(), ScreenWindow::Border::Sizable);
        QCOMPARE(w->client()->size(), QSize(495, 373));
        QCOMPARE(twips::rect(box()), QRect(0, 0, 7455, 5655));
        QVERIFY(box()->isReadOnly());
        QCOMPARE(box()->toPlainText(), doc->toPlainText());

        // The lower points are reached by scrolling.
        QScrollBar *bar = box()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        QCOMPARE(bar->value(), bar->maximum());

        const QRect before = box()->geometry();
        w->resize(w->size() + QSize(200, 150));
        QCoreApplication::processEvents();
        QCOMPARE(box()->geometry(), before);
        w->resize(QSize(200, 150));
        QCoreApplication::processEvents();
        QCOMPARE(box()->geometry(), before);
    }

    void openedTwiceIsOneWindow() {
        QVERIFY(app->screens.show(ScreenId::frmanleitungspiel));
        ScreenWindow *first = app->screens.instance(ScreenId::frmanleitungspiel)->window();
        box()->verticalScrollBar()->setValue(40);
        QVERIFY(app->screens.show(ScreenId::frmanleitungspiel));
        QCOMPARE(app->screens.instance(ScreenId::frmanleitungspiel)->window(), first);
        QCOMPARE(box()->verticalScrollBar()->value(), 40);
        QCOMPARE(app->screens.loadedCount(), 1);
    }
};

QTEST_MAIN(TestInstructions)
#include "test_instructions.moc"
