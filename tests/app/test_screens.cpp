#include "testapp.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
// A screen that counts its handlers and keeps one own variable.
class ProbeScreen : public Screen {
public:
    ProbeScreen(Screens &s, ScreenId id, int *terminated)
        : Screen(s, id)
        , m_terminated(terminated) {}
    int loads = 0;
    int ownValue = 0;
    bool refuse = false;
    ScreenId next = ScreenId::frmStart;

    // Unloads itself and goes on using its controls and the manager.
    void leave() {
        unloadSelf();
        control<QPushButton>(QStringLiteral("cmdGo"));
        window();
        screens().show(next);
        ++ownValue;
    }

protected:
    void build(ScreenWindow &w) override {
        w.setClientTwips(1500, 1500);
        auto *b = new QPushButton(QStringLiteral("Go"), w.client());
        b->setObjectName(QStringLiteral("cmdGo"));
        auto *t = new QTimer(&w);
        t->setObjectName(QStringLiteral("tmr"));
        t->setInterval(1);
    }
    void formLoad() override {
        ++loads;
        if (refuse)
            abortLoad();
    }
    void formTerminate() override { ++*m_terminated; }

private:
    int *m_terminated;
};
} // namespace

class TestScreens : public QObject {
    Q_OBJECT

    int terminated = 0;
    std::unique_ptr<TestApp> app;

    ProbeScreen *probe(ScreenId id) {
        return dynamic_cast<ProbeScreen *>(app->screens.instance(id));
    }

private Q_SLOTS:
    void init() {
        terminated = 0;
        app = std::make_unique<TestApp>();
        for (int i = 0; i < screenCount; ++i) {
            app->screens.registerScreen(screenAt(i), [this, i](Screens &s) {
                return std::make_unique<ProbeScreen>(s, screenAt(i), &terminated);
            });
        }
    }

    void namesRoundTrip() {
        for (int i = 0; i < screenCount; ++i)
            QCOMPARE(screenByName(screenName(screenAt(i))), screenAt(i));
        QCOMPARE(screenName(ScreenId::frmbenutzeranleitung),
                 QStringLiteral("frmbenutzeranleitung"));
        QVERIFY(!screenByName(QStringLiteral("frmNone")));
    }

    void showTwiceBringsToFrontWithoutSecondLoad() {
        QVERIFY(app->screens.show(ScreenId::frmGame));
        QVERIFY(app->screens.show(ScreenId::frmGame));
        QCOMPARE(probe(ScreenId::frmGame)->loads, 1);
        QVERIFY(app->screens.isVisible(ScreenId::frmGame));
        QCOMPARE(app->screens.instance(ScreenId::frmGame)->window()->objectName(),
                 QStringLiteral("frmGame"));
    }

    void loadDoesNotShowAndGetLoads() {
        auto *s = app->screens.get<ProbeScreen>(ScreenId::frmUrkunde);
        QVERIFY(s);
        QVERIFY(app->screens.isLoaded(ScreenId::frmUrkunde));
        QVERIFY(!app->screens.isVisible(ScreenId::frmUrkunde));
        QVERIFY(s->control<QPushButton>(QStringLiteral("cmdGo")));
    }

    void unloadKeepsOwnVariablesReleaseResetsThem() {
        app->screens.show(ScreenId::frmStart);
        app->screens.show(ScreenId::frmintro);
        probe(ScreenId::frmintro)->ownValue = 7;
        app->screens.unload(ScreenId::frmintro);
        QVERIFY(!app->screens.isLoaded(ScreenId::frmintro));
        QCOMPARE(probe(ScreenId::frmintro)->ownValue, 7);
        QVERIFY(!probe(ScreenId::frmintro)->control<QPushButton>(QStringLiteral("cmdGo")));
        app->screens.show(ScreenId::frmintro);
        QCOMPARE(probe(ScreenId::frmintro)->loads, 2);
        QCOMPARE(probe(ScreenId::frmintro)->ownValue, 7);
        app->screens.release(ScreenId::frmintro);
        QVERIFY(!app->screens.instance(ScreenId::frmintro));
        QCOMPARE(terminated, 1);
        app->screens.show(ScreenId::frmintro);
        QCOMPARE(probe(ScreenId::frmintro)->ownValue, 0);
        QCOMPARE(probe(ScreenId::frmintro)->loads, 1);
    }

    void lastUnloadEndsProgramOnlyAfterTheHandler() {
        app->screens.show(ScreenId::frmStart);
        app->screens.show(ScreenId::frmGame);
        app->screens.unload(ScreenId::frmStart);
        TestApp::settle();
        QVERIFY(!app->ended);
        // The close box unloads as well.
        app->screens.instance(ScreenId::frmGame)->window()->close();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGame));
        TestApp::settle();
        QVERIFY(app->ended);
        QVERIFY(app->screens.hasEnded());
        QCOMPARE(terminated, 2);
        QVERIFY(!app->screens.show(ScreenId::frmStart));
    }

    void unloadAndShowNextInOneHandlerKeepsRunning() {
        app->screens.show(ScreenId::frmintro);
        probe(ScreenId::frmintro)->next = ScreenId::frmStart;
        probe(ScreenId::frmintro)->leave();
        QCOMPARE(probe(ScreenId::frmintro)->ownValue, 1);
        TestApp::settle();
        QVERIFY(!app->ended);
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
    }

    void selfUnloadStopsTimersAndDeletesLater() {
        app->screens.show(ScreenId::frmStart);
        app->screens.show(ScreenId::frmGame);
        QPointer<ScreenWindow> w = app->screens.instance(ScreenId::frmGame)->window();
        auto *t = w->findChild<QTimer *>(QStringLiteral("tmr"));
        t->start();
        probe(ScreenId::frmGame)->leave();
        QVERIFY(w);
        QVERIFY(!t->isActive());
        QVERIFY(!w->isVisible());
        TestApp::settle();
        QVERIFY(!w);
    }

    void endProgramRunsNoHandler() {
        app->screens.show(ScreenId::frmStart);
        app->screens.show(ScreenId::frmGame);
        app->screens.endProgram();
        QVERIFY(app->ended);
        QCOMPARE(terminated, 0);
        QCOMPARE(app->screens.loadedCount(), 0);
        app->screens.show(ScreenId::frmGameE1);
        QVERIFY(!app->screens.instance(ScreenId::frmGameE1));
        TestApp::settle();
        QCOMPARE(terminated, 0);
    }

    void refusedLoadLeavesNothingOpen() {
        app->screens.show(ScreenId::frmStart);
        app->screens.get<ProbeScreen>(ScreenId::frmGameD2);
        app->screens.unload(ScreenId::frmGameD2);
        probe(ScreenId::frmGameD2)->refuse = true;
        QVERIFY(!app->screens.show(ScreenId::frmGameD2));
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGameD2));
        QCOMPARE(app->screens.loadedCount(), 1);
    }

    void hideKeepsLoaded() {
        app->screens.show(ScreenId::frmlogin);
        app->screens.hide(ScreenId::frmlogin);
        QVERIFY(app->screens.isLoaded(ScreenId::frmlogin));
        QVERIFY(!app->screens.isVisible(ScreenId::frmlogin));
    }

    void unregisteredScreenIsIgnored() {
        TestApp bare;
        QVERIFY(!bare.screens.show(ScreenId::frmAbout));
        QCOMPARE(bare.screens.loadedCount(), 0);
    }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
