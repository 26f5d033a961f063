#include "stubscreens.h"
#include "testapp.h"

#include "app/art.h"
#include "app/screens.h"
#include "app/startscreen.h"
#include "app/twips.h"
#include "results/resultscreens.h"

#include <QPushButton>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(ScreenId)

class TestGameOver : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    Screen *screen(ScreenId id) { return app->screens.instance(id); }
    QPushButton *button(ScreenId id, const char *name) {
        return screen(id)->control<QPushButton>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        app->screens.registerScreen(ScreenId::frmStart,
                                    [](Screens &s) { return std::make_unique<StartScreen>(s); });
        app->screens.registerScreen(ScreenId::frmanleitungspiel, [](Screens &s) {
            return std::make_unique<StubScreen>(s, ScreenId::frmanleitungspiel);
        });
        registerResultScreens(app->screens);
        QVERIFY(app->screens.show(ScreenId::frmStart));
    }

    // Enter presses whichever button has tab index 0, which differs.
    void enterPressesTheFirstButton_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("programEnds");
        QTest::newRow("German: Spiel beenden") << ScreenId::frmspielende << "cmdende" << true;
        QTest::newRow("English: Back to the beginning")
            << ScreenId::frmGameOver << "cmdanfang" << false;
    }
    void enterPressesTheFirstButton() {
        QFETCH(ScreenId, id);
        QFETCH(QString, focused);
        QFETCH(bool, programEnds);
        QVERIFY(app->screens.show(id));
        QWidget *focus = screen(id)->window()->focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), focused);

        QTest::keyClick(focus, Qt::Key_Return);
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(id));
        QCOMPARE(app->screens.isLoaded(ScreenId::frmStart), !programEnds);
        QCOMPARE(app->ended, programEnds);
    }

    void backLeavesOnlyItself_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::newRow("frmspielende") << ScreenId::frmspielende;
        QTest::newRow("frmGameOver") << ScreenId::frmGameOver;
    }
    void backLeavesOnlyItself() {
        QFETCH(ScreenId, id);
        const double stored = 1234.0 / 86400;
        app->play.zeitD1 = stored;
        QVERIFY(app->screens.show(id));
        button(id, "cmdanfang")->click();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(id));
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
        QCOMPARE(app->play.zeitD1, stored);
        QVERIFY(!app->ended);
    }

    void endWaitsForAnIndependentScreen() {
        QVERIFY(app->screens.show(ScreenId::frmanleitungspiel));
        QVERIFY(app->screens.show(ScreenId::frmGameOver));
        button(ScreenId::frmGameOver, "cmdende")->click();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmStart));
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGameOver));
        QVERIFY(!app->ended);
        app->screens.unload(ScreenId::frmanleitungspiel);
        TestApp::settle();
        QVERIFY(app->ended);
    }

    void resizingMovesNothing() {
        QVERIFY(app->screens.show(ScreenId::frmspielende));
        ScreenWindow *w = screen(ScreenId::frmspielende)->window();
        QCOMPARE(w->border(), ScreenWindow::Border::Sizable);
        QWidget *ende = button(ScreenId::frmspielende, "cmdende");
        const QRect before = ende->geometry();
        w->resize(w->size() + QSize(200, 150));
        TestApp::settle();
        QCOMPARE(ende->geometry(), before);
        w->resize(300, 200);
        TestApp::settle();
        QCOMPARE(ende->geometry(), before);
    }

    // The letter pictures, read row by row, spell the heading.
    void lettersSpellTheHeading_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("heading");
        QTest::newRow("German") << ScreenId::frmspielende << "SPIEL BEENDET";
        QTest::newRow("English") << ScreenId::frmGameOver << "GAME OVER";
    }
    void lettersSpellTheHeading() {
        QFETCH(ScreenId, id);
        QFETCH(QString, heading);
        QVERIFY(app->screens.show(id));
        QList<ImageBox *> letters;
        for (ImageBox *image : screen(id)->window()->findChildren<ImageBox *>()) {
            if (image->objectName() != QLatin1String("Image1"))
                letters << image;
        }
        std::sort(letters.begin(), letters.end(), [](ImageBox *a, ImageBox *b) {
            return std::make_pair(twips::top(a), twips::left(a)) <
                   std::make_pair(twips::top(b), twips::left(b));
        });
        QString read;
        int row = twips::top(letters.first());
        for (ImageBox *image : letters) {
            if (twips::top(image) != row)
                read += QLatin1Char(' ');
            row = twips::top(image);
            QCOMPARE(twips::rect(image).size(), QSize(615, 615));
            for (QChar c = QLatin1Char('A'); c <= QLatin1Char('Z'); c = QChar(c.unicode() + 1)) {
                if (image->picture() == art::letter(c))
                    read += c;
            }
        }
        QCOMPARE(read, heading);
    }
};

QTEST_MAIN(TestGameOver)
#include "test_gameover.moc"
