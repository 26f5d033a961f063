#include "testapp.h"

#include "app/allscreens.h"
#include "app/startscreen.h"
#include "app/twips.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {
// Stands in for a screen the test only needs to see opened.
class Stub : public Screen {
public:
    Stub(Screens &s, ScreenId id)
        : Screen(s, id) {}
    int loads = 0;

protected:
    void build(ScreenWindow &w) override { w.setClientTwips(1500, 1500); }
    void formLoad() override { ++loads; }
};
} // namespace

class TestStartScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    StartScreen *start() { return app->screens.get<StartScreen>(ScreenId::frmStart); }
    QWidget *window() { return start()->window(); }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        registerAllScreens(app->screens);
        for (ScreenId id : {ScreenId::frmGame, ScreenId::frmGameE1, ScreenId::frmintro,
                            ScreenId::frmlogin, ScreenId::frmAbout, ScreenId::frmanleitungspiel})
            app->screens.registerScreen(id,
                                        [id](Screens &s) { return std::make_unique<Stub>(s, id); });
        QVERIFY(app->screens.show(ScreenId::frmStart));
    }

    void windowAsLaidOut() {
        auto *w = start()->window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Tintenfunkel"));
        QCOMPARE(w->centralWidget()->size(), QSize(539, 444));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
        auto *deutsch = start()->control<QPushButton>(QStringLiteral("cmdDeutsch"));
        auto *englisch = start()->control<QPushButton>(QStringLiteral("cmdEnglisch"));
        QCOMPARE(deutsch->text(), QStringLiteral("Deutsch"));
        QCOMPARE(englisch->text(), QStringLiteral("Englisch"));
        QCOMPARE(twips::rect(deutsch), QRect(360, 3240, 1815, 495));
        QCOMPARE(deutsch->geometry(), QRect(24, 216, 121, 33));
        QCOMPARE(twips::rect(englisch), QRect(5880, 3240, 1815, 495));
        QCOMPARE(deutsch->nextInFocusChain(), englisch);
        for (const char *name :
             {"imgbild", "Image14(0)", "Image14(1)", "Image1", "Image13", "Image10"})
            QVERIFY2(start()->control(QString::fromLatin1(name)), name);
    }

    void menusInOrder() {
        QMenuBar *bar = start()->window()->menuBar();
        QStringList titles;
        for (QAction *a : bar->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&Spiel", "&Sprache", "&Login", "&?"}));
        const auto entries = [&](const char *menu) {
            QStringList out;
            for (QAction *a : start()->control<QMenu>(QString::fromLatin1(menu))->actions())
                out << (a->isSeparator() ? QStringLiteral("-") : a->text()) + QLatin1Char('=') +
                           a->objectName();
            return out;
        };
        QCOMPARE(entries("Spiel"), (QStringList{"&Intro=Intro", "-=Strich3", "&Beenden=Beenden"}));
        QCOMPARE(entries("Sprache"),
                 (QStringList{"&Deutsch=Deutsch", "-=Strich2", "&Englisch=Englisch"}));
        QCOMPARE(entries("Login"), (QStringList{"&Mentor=Mentor"}));
        QCOMPARE(entries("Hilfe"),
                 (QStringList{"&Info=Info", "-=Strich1", "&Anleitung=Anleitung"}));
    }

    void entriesOpenTheirScreens_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("screen");
        QTest::newRow("button Deutsch") << "cmdDeutsch" << int(ScreenId::frmGame);
        QTest::newRow("button Englisch") << "cmdEnglisch" << int(ScreenId::frmGameE1);
        QTest::newRow("menu Deutsch") << "Deutsch" << int(ScreenId::frmGame);
        QTest::newRow("menu Englisch") << "Englisch" << int(ScreenId::frmGameE1);
        QTest::newRow("Intro") << "Intro" << int(ScreenId::frmintro);
        QTest::newRow("Mentor") << "Mentor" << int(ScreenId::frmlogin);
        QTest::newRow("Info") << "Info" << int(ScreenId::frmAbout);
        QTest::newRow("Anleitung") << "Anleitung" << int(ScreenId::frmanleitungspiel);
    }
    void entriesOpenTheirScreens() {
        QFETCH(QString, control);
        QFETCH(int, screen);
        const auto id = ScreenId(screen);
        const auto trigger = [&] {
            if (auto *b = start()->control<QPushButton>(control))
                b->click();
            else
                start()->control<QAction>(control)->trigger();
        };
        trigger();
        QVERIFY(app->screens.isVisible(id));
        trigger(); // shown again: brought to the front, not loaded again
        QCOMPARE(dynamic_cast<Stub *>(app->screens.instance(id))->loads, 1);
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
    }

    void beendenEndsAtOnce() {
        start()->control<QPushButton>(QStringLiteral("cmdDeutsch"))->click();
        start()->control<QAction>(QStringLiteral("Beenden"))->trigger();
        QVERIFY(app->ended);
        QCOMPARE(app->screens.loadedCount(), 0);
    }

    void closingStartWithGameOpenKeepsRunning() {
        start()->control<QPushButton>(QStringLiteral("cmdEnglisch"))->click();
        start()->window()->close();
        TestApp::settle();
        QVERIFY(!app->ended);
        app->screens.instance(ScreenId::frmGameE1)->window()->close();
        TestApp::settle();
        QVERIFY(app->ended);
    }

    void worksWithoutAnyPictureLibrary() {
        // The temporary working folder has no Pics at all.
        QVERIFY(!QFileInfo::exists(app->root() + QStringLiteral("/Pics")));
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
        start()->control<QPushButton>(QStringLiteral("cmdDeutsch"))->click();
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
    }
};

QTEST_MAIN(TestStartScreen)
#include "test_startscreen.moc"
