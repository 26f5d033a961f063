#include "stubscreens.h"
#include "testapp.h"

#include "app/duration.h"
#include "app/screens.h"
#include "app/startscreen.h"
#include "results/levelcompletelayout.h"
#include "results/resultscreens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const ScreenId gameScreens[] = {ScreenId::frmGame,   ScreenId::frmGameD2, ScreenId::frmGameD3,
                                ScreenId::frmGameE1, ScreenId::frmGameE2, ScreenId::frmGameE3};

double seconds(double s) {
    return s / secondsPerDay;
}
} // namespace

Q_DECLARE_METATYPE(ScreenId)

class TestLevelComplete : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    void useGameStubs(bool withPicture) {
        for (ScreenId id : gameScreens) {
            app->screens.registerScreen(id, [id, withPicture](Screens &s) {
                return std::make_unique<StubGameScreen>(s, id, withPicture);
            });
        }
    }
    StubGameScreen *game(ScreenId id) {
        return dynamic_cast<StubGameScreen *>(app->screens.instance(id));
    }
    template <class T = QWidget> T *control(ScreenId id, const char *name) {
        Screen *s = app->screens.instance(id);
        return s ? s->control<T>(QString::fromUtf8(name)) : nullptr;
    }
    // As the game screen does it: show the level-complete screen, then unload.
    void finishLevel(ScreenId screen) {
        const LevelCompleteSpec &spec = levelCompleteSpec(screen);
        QVERIFY(app->screens.show(spec.game));
        QVERIFY(app->screens.show(spec.screen));
        app->screens.unload(spec.game);
        TestApp::settle();
    }
    void addScreens() {
        QTest::addColumn<ScreenId>("screen");
        for (const LevelCompleteSpec &spec : levelCompleteSpecs())
            QTest::newRow(qPrintable(screenName(spec.screen))) << spec.screen;
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        app->screens.registerScreen(ScreenId::frmStart,
                                    [](Screens &s) { return std::make_unique<StartScreen>(s); });
        registerResultScreens(app->screens);
        useGameStubs(true);
        QVERIFY(app->screens.show(ScreenId::frmStart));
    }

    void showsLevelTime_data() {
        QTest::addColumn<double>("levelZeit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << 0.0 << "0:00:00";
        QTest::newRow("59 s") << seconds(59) << "0:00:59";
        QTest::newRow("1 h 2 min 3 s") << seconds(3723) << "1:02:03";
        QTest::newRow("float noise below a second") << seconds(3723) - 1e-12 << "1:02:03";
        QTest::newRow("25 h 5 s keeps the time of day") << seconds(25 * 3600 + 5) << "1:00:05";
    }
    void showsLevelTime() {
        QFETCH(double, levelZeit);
        QFETCH(QString, shown);
        app->play.levelZeit = levelZeit;
        finishLevel(ScreenId::frmWin);
        QCOMPARE(control<QLabel>(ScreenId::frmWin, "gebrauchteZeit")->text(), shown);
    }

    // Each screen stores the time in its own field only, shows its own
    // level's background object, and opens with the button focused.
    void loadsFromItsOwnLevel_data() { addScreens(); }
    void loadsFromItsOwnLevel() {
        QFETCH(ScreenId, screen);
        const LevelCompleteSpec &spec = levelCompleteSpec(screen);
        const double sentinel = seconds(7);
        PlayState &play = app->play;
        for (double PlayState::*f : {&PlayState::zeitD1, &PlayState::zeitD2, &PlayState::zeitD3,
                                     &PlayState::zeitE1, &PlayState::zeitE2, &PlayState::zeitE3})
            play.*f = sentinel;
        play.levelZeit = seconds(754);
        // Another level's game open as well: its background must not be taken.
        for (ScreenId other : gameScreens)
            QVERIFY(app->screens.load(other));

        QVERIFY(app->screens.show(spec.game));
        const Picture background = game(spec.game)->background();
        QVERIFY(app->screens.show(screen));
        app->screens.unload(spec.game);
        TestApp::settle();

        for (double PlayState::*f : {&PlayState::zeitD1, &PlayState::zeitD2, &PlayState::zeitD3,
                                     &PlayState::zeitE1, &PlayState::zeitE2, &PlayState::zeitE3})
            QCOMPARE(play.*f, f == spec.field ? seconds(754) : sentinel);
        QCOMPARE(play.levelZeit, seconds(754));
        QVERIFY(background);
        QCOMPARE(control<ImageBox>(screen, "imgbg")->picture(), background);

        ScreenWindow *w = app->screens.instance(screen)->window();
        QCOMPARE(w->windowTitle(), QString::fromUtf8(spec.title));
        QCOMPARE(control<QLabel>(screen, "lblwin")->text(), QString::fromUtf8(spec.title));
        QCOMPARE(w->focusWidget(), control(screen, "cmdweiter"));
    }

    void bannerStaysEmptyWithoutBackground() {
        // A game screen without a picture, and a game screen that is closed.
        useGameStubs(false);
        finishLevel(ScreenId::frmWin);
        QVERIFY(!control<ImageBox>(ScreenId::frmWin, "imgbg")->picture());

        useGameStubs(true);
        app->play.levelZeit = seconds(30);
        QVERIFY(app->screens.show(ScreenId::frmWinE1));
        QVERIFY(!control<ImageBox>(ScreenId::frmWinE1, "imgbg")->picture());
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGameE1));
        QCOMPARE(app->play.zeitE1, seconds(30));
    }

    void buttonOpensNextLevelFreshly_data() {
        QTest::addColumn<ScreenId>("screen");
        for (const LevelCompleteSpec &spec : levelCompleteSpecs()) {
            if (!spec.nameEntry)
                QTest::newRow(qPrintable(screenName(spec.screen))) << spec.screen;
        }
    }
    void buttonOpensNextLevelFreshly() {
        QFETCH(ScreenId, screen);
        const LevelCompleteSpec &spec = levelCompleteSpec(screen);
        // The next level was played before: it must load anew, not reappear.
        QVERIFY(app->screens.load(spec.next));
        app->screens.unload(spec.next);
        // Closing the game screen is the game's job, but it may not have happened.
        QVERIFY(app->screens.show(spec.game));
        QVERIFY(app->screens.show(screen));

        control<QPushButton>(screen, "cmdweiter")->click();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(screen));
        QVERIFY(!app->screens.isLoaded(spec.game));
        QVERIFY(app->screens.isVisible(spec.next));
        QCOMPARE(game(spec.next)->loads, 2);
        QVERIFY(!app->ended);
    }

    // The name reaches the certificate exactly as typed, after the
    // certificate has added up all three levels.
    void levelThreePassesNameAsTyped_data() {
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<QString>("name");
        for (ScreenId s : {ScreenId::frmWinD3, ScreenId::frmWinE3}) {
            const QString n = screenName(s) + QLatin1Char(' ');
            QTest::newRow(qPrintable(n + "empty")) << s << QString();
            QTest::newRow(qPrintable(n + "spaces kept")) << s << QStringLiteral("  Jörg Müller ");
            QTest::newRow(qPrintable(n + "markup stays text")) << s << QStringLiteral("<b>Ali</b>");
        }
        QTest::newRow("longer than a line edit's default limit")
            << ScreenId::frmWinE3 << QString(40000, QLatin1Char('x'));
    }
    void levelThreePassesNameAsTyped() {
        QFETCH(ScreenId, screen);
        QFETCH(QString, name);
        const LevelCompleteSpec &spec = levelCompleteSpec(screen);
        const bool german = screen == ScreenId::frmWinD3;
        app->play.zeitD1 = app->play.zeitE1 = seconds(600);
        app->play.zeitD2 = app->play.zeitE2 = seconds(750);
        app->play.levelZeit = seconds(945);
        finishLevel(screen);

        auto *box = control<QLineEdit>(screen, spec.nameEntry->box);
        QVERIFY(box->text().isEmpty());
        box->setText(name);
        control<QPushButton>(screen, "cmdweiter")->click();
        TestApp::settle();

        const ScreenId certificate = german ? ScreenId::frmUrkunde : ScreenId::frmUrkundeE;
        QCOMPARE(spec.next, certificate);
        QVERIFY(!app->screens.isLoaded(screen));
        QVERIFY(app->screens.isVisible(certificate));
        QCOMPARE(control<QLabel>(certificate, spec.nameEntry->certificateLabel)->text(), name);
        QCOMPARE(control<QLabel>(certificate, "lblZeit")->text(), QStringLiteral("0:38:15"));
    }

    void enterOnLevelThreeGoesToCertificateWithEmptyName() {
        finishLevel(ScreenId::frmWinD3);
        QWidget *focus = app->screens.instance(ScreenId::frmWinD3)->window()->focusWidget();
        QCOMPARE(focus, control(ScreenId::frmWinD3, "cmdweiter"));
        QTest::keyClick(focus, Qt::Key_Return);
        TestApp::settle();
        QVERIFY(app->screens.isVisible(ScreenId::frmUrkunde));
        QCOMPARE(control<QLabel>(ScreenId::frmUrkunde, "lblname")->text(), QString());
    }

    void closeBoxLeavesTheStartScreen() {
        finishLevel(ScreenId::frmWinE2);
        app->screens.instance(ScreenId::frmWinE2)->window()->close();
        TestApp::settle();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmWinE2));
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGameE3));
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
        QVERIFY(app->play.zeitE2 == app->play.levelZeit);
    }
};

QTEST_MAIN(TestLevelComplete)
#include "test_levelcomplete.moc"
