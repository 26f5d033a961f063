#include "programfixture.h"

#include "app/imagebox.h"
#include "app/screenwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>
#include <QtTest>
#include <random>

namespace {

// Delivers posted events (repaints, queued calls, deferred deletes) but never
// waits for real timers: only the monkey's own ticks move time, so a seed
// gives the same run every time.
void settleWithoutTime() {
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class Monkey {
public:
    explicit Monkey(quint32 seed)
        : m_rng(seed) {
        restart();
    }

    void step() {
        if (m_app->ended) {
            ++restarts;
            restart();
            return;
        }
        for (int i = 0; i < screenCount; ++i) {
            if (m_app->screens.isLoaded(screenAt(i)))
                visited.insert(screenAt(i));
        }
        m_app->dialogs.answers.enqueue(chance(50));
        const int what = pick(100);
        if (what < 40)
            clickSomething();
        else if (what < 48)
            triggerMenuEntry();
        else if (what < 68)
            tick();
        else if (what < 80)
            pressKey();
        else if (what < 88)
            typeText();
        else if (what < 91)
            closeWindow();
        else if (what < 93)
            logIn();
        settleWithoutTime();
    }

    // Returns what is wrong with the manager's state, or an empty text.
    QString invariantBroken() const {
        Screens &screens = m_app->screens;
        for (int i = 0; i < screenCount; ++i) {
            const ScreenId id = screenAt(i);
            const QString name = screenName(id);
            int windows = 0;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *sw = qobject_cast<ScreenWindow *>(w);
                windows += sw && sw->isVisible() && sw->objectName() == name;
            }
            if (windows > 1)
                return name + QStringLiteral(": more than one window");
            if (screens.isLoaded(id) && screens.instance(id)->window()->objectName() != name)
                return name + QStringLiteral(": loaded without its window");
            if (!screens.isLoaded(id) && windows > 0)
                return name + QStringLiteral(": window left after unloading");
        }
        if (!m_app->ended && screens.loadedCount() == 0)
            return QStringLiteral("no screen loaded, yet the program runs");
        if (m_app->ended && screens.loadedCount() > 0)
            return QStringLiteral("program ended with screens loaded");
        return {};
    }

    int restarts = 0;
    QSet<ScreenId> visited;

private:
    void restart() {
        m_app.reset();
        settleWithoutTime();
        m_app = std::make_unique<ProgramFixture>();
        m_app->screens.show(ScreenId::frmintro);
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }

    template <class T> T *any(const QList<T *> &list) {
        return list.isEmpty() ? nullptr : list.at(pick(list.size()));
    }

    QList<ScreenWindow *> openWindows() const {
        QList<ScreenWindow *> out;
        for (int i = 0; i < screenCount; ++i) {
            Screen *s = m_app->screens.instance(screenAt(i));
            if (s && s->isLoaded() && s->window()->isVisible())
                out << s->window();
        }
        return out;
    }

    template <class T> QList<T *> visibleIn(bool (*usable)(T *)) {
        QList<T *> out;
        for (ScreenWindow *w : openWindows()) {
            for (T *c : w->findChildren<T *>()) {
                if (c->isVisible() && c->isEnabled() && usable(c))
                    out << c;
            }
        }
        return out;
    }

    void clickSomething() {
        auto buttons = visibleIn<QAbstractButton>([](QAbstractButton *) { return true; });
        auto images = visibleIn<ImageBox>(
            [](ImageBox *b) { return !b->testAttribute(Qt::WA_TransparentForMouseEvents); });
        if (chance(60) && !images.isEmpty())
            QTest::mouseClick(any(images), Qt::LeftButton);
        else if (QAbstractButton *b = any(buttons))
            b->click();
    }

    void triggerMenuEntry() {
        QList<QAction *> entries;
        for (ScreenWindow *w : openWindows()) {
            for (QMenu *m : w->findChildren<QMenu *>()) {
                for (QAction *a : m->actions()) {
                    if (!a->isSeparator() && a->isEnabled() && !a->menu())
                        entries << a;
                }
            }
        }
        if (QAction *a = any(entries))
            a->trigger();
    }

    void tick() {
        QList<QTimer *> timers;
        for (ScreenWindow *w : openWindows()) {
            for (QTimer *t : w->findChildren<QTimer *>()) {
                if (t->isActive())
                    timers << t;
            }
        }
        QPointer<QTimer> timer = any(timers);
        for (int n = 1 + pick(chance(10) ? 400 : 30); timer && timer->isActive() && n > 0; --n) {
            QTimerEvent event(timer->timerId());
            QCoreApplication::sendEvent(timer, &event);
        }
    }

    void pressKey() {
        static const Qt::Key keys[] = {Qt::Key_Return,   Qt::Key_Enter, Qt::Key_Escape,
                                       Qt::Key_Space,    Qt::Key_Tab,   Qt::Key_A,
                                       Qt::Key_Backspace};
        QList<QWidget *> targets;
        for (QWidget *w : visibleIn<QLineEdit>([](QLineEdit *) { return true; }))
            targets << w;
        for (QWidget *w : visibleIn<QAbstractButton>([](QAbstractButton *) { return true; }))
            targets << w;
        if (QWidget *target = any(targets))
            QTest::keyClick(target, keys[pick(int(std::size(keys)))]);
    }

    void typeText() {
        static const QStringList texts = {QStringLiteral("Hund"),
                                          QString(),
                                          QStringLiteral("Bär"),
                                          QStringLiteral("../x"),
                                          QStringLiteral("abcdefghijklmnop"),
                                          QStringLiteral("a\\b")};
        if (QLineEdit *edit =
                any(visibleIn<QLineEdit>([](QLineEdit *e) { return !e->isReadOnly(); })))
            edit->setText(texts.at(pick(texts.size())));
    }

    void closeWindow() {
        if (ScreenWindow *w = any(openWindows()))
            w->close();
    }

    // The monkey would never guess the teacher's password by itself.
    void logIn() {
        Screen *login = m_app->screens.instance(ScreenId::frmlogin);
        if (!login || !login->isLoaded())
            return;
        auto *name = login->control<QLineEdit>(QStringLiteral("txtname"));
        auto *password = login->control<QLineEdit>(QStringLiteral("txtpasswort"));
        if (name && password) {
            name->setText(QStringLiteral("Mentor"));
            password->setText(QStringLiteral("Tafelkreide7"));
        }
    }

    std::mt19937 m_rng;
    std::unique_ptr<ProgramFixture> m_app;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomUseKeepsTheManagerSound() {
        const int steps = qEnvironmentVariableIntValue("TF_MONKEY_STEPS") > 0
                              ? qEnvironmentVariableIntValue("TF_MONKEY_STEPS")
                              : 20000;
        Monkey monkey(20261210);
        for (int i = 0; i < steps; ++i) {
            monkey.step();
            const QString broken = monkey.invariantBroken();
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QStringLiteral("step %1: %2").arg(i).arg(broken)));
        }
        // The run must have reached the ends of the program, not idled on one screen.
        QVERIFY(monkey.restarts > 0);
        QStringList seen;
        for (ScreenId id : monkey.visited)
            seen << screenName(id);
        seen.sort();
        qInfo() << "screens visited:" << seen.join(QLatin1Char(' '));
        for (ScreenId id : {ScreenId::frmGame, ScreenId::frmGameE1, ScreenId::frmbenutzer, ScreenId::frmAbout})
            QVERIFY2(monkey.visited.contains(id), qPrintable(screenName(id)));
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
