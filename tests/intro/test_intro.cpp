#include "picturetree.h"
#include "testapp.h"

#include "app/art.h"
#include "app/imagebox.h"
#include "app/startscreen.h"
#include "app/twips.h"
#include "intro/introscreen.h"
#include "intro/registerintro.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
// Each letter file is as many pixels wide as tells which letter it is, so
// the flying letter's size shows which file it came from.
int letterWidth(QChar c) {
    return 40 + (c.unicode() - 'a');
}

QColor frameColour(int frame) {
    return QColor(20 * frame, 90, 160);
}

void writeFixture(const QString &root) {
    for (const QChar c : QStringLiteral("tinefukl"))
        picturetree::writeImage(root + QStringLiteral("/Pics/Buchstaben/") + c +
                                    QStringLiteral(".gif"),
                                QSize(letterWidth(c), 62), "PNG");
    for (int i = 1; i <= 8; ++i)
        picturetree::writeImage(
            root + QStringLiteral("/Pics/Salatköpfe/salatkopf 0%1 Kopie.jpg").arg(i), QSize(38, 33),
            "PNG", frameColour(i));
}

// Which lettuce frame (1-8) a picture is, 0 for none of them.
int frameOf(const Picture &p) {
    if (!p)
        return 0;
    for (int i = 1; i <= 8; ++i) {
        if (p->pixelColor(0, 0) == frameColour(i))
            return i;
    }
    return 0;
}

const char *const revealNames[] = {"Image1",  "Image6", "Image5",  "Image10", "Image11",
                                   "Image12", "Image2", "Image13", "Image3",  "Image9",
                                   "Image8",  "Image7", "Image4"};
} // namespace

class TestIntro : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    int ticks = 0; // Timer1 ticks driven in this showing

    IntroScreen *intro() {
        return dynamic_cast<IntroScreen *>(app->screens.instance(ScreenId::frmintro));
    }
    template <class T = QWidget> T *control(const char *name) {
        return intro()->control<T>(QString::fromUtf8(name));
    }
    ImageBox *image(const char *name) { return control<ImageBox>(name); }
    QTimer *timer(const char *name) { return control<QTimer>(name); }

    void showIntro() {
        QVERIFY(app->screens.show(ScreenId::frmintro));
        ticks = 0;
        // The tests drive the ticks; keep the real timers running but out of the way.
        timer("Timer1")->setInterval(3600 * 1000);
        timer("Timer2")->setInterval(3600 * 1000);
    }

    // Runs Timer1 up to tick `until`, with Timer2 ticking in between at its
    // own pace while it is enabled.
    void runTo(int until) {
        for (; ticks < until; ++ticks) {
            intro()->Timer1_Timer();
            const int elapsed = (ticks + 1) * 10;
            if (timer("Timer2")->isActive() && elapsed / 65 != (elapsed - 10) / 65)
                intro()->Timer2_Timer();
        }
    }

    QString flyingLetter() {
        const Picture p = image("imgbuchstaben")->picture();
        // The embedded art may share a width with a fixture letter: compare it first.
        if (p && *p == *art::letter(QStringLiteral("t")))
            return QStringLiteral("embedded t");
        for (const QChar c : QStringLiteral("tinefukl")) {
            if (p && p->width() == letterWidth(c))
                return c;
        }
        return QStringLiteral("?");
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        writeFixture(app->root());
        registerIntroScreens(app->screens);
        app->screens.registerScreen(ScreenId::frmStart,
                                    [](Screens &s) { return std::make_unique<StartScreen>(s); });
        showIntro();
    }

    void laidOutAndLoaded() {
        ScreenWindow *w = intro()->window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Intro"));
        QCOMPARE(w->client()->size(), QSize(704, 479));
        QCOMPARE(w->border(), ScreenWindow::Border::FixedDialog);

        auto *weiter = control<QPushButton>("cmdweiter");
        auto *skip = control<QPushButton>("cmdIntro");
        QCOMPARE(weiter->text(), QStringLiteral("Weiter zum Spiel"));
        QCOMPARE(twips::rect(weiter), QRect(4320, 6240, 2055, 615));
        QCOMPARE(skip->text(), QStringLiteral("Intro überspringen"));
        QCOMPARE(twips::rect(skip), QRect(8760, 6720, 1695, 375));
        QVERIFY(weiter->isHidden());
        QVERIFY(!skip->isHidden());

        for (const char *name : {"Timer1", "Timer2"}) {
            QCOMPARE(timer(name)->timerType(), Qt::PreciseTimer);
            QVERIFY(timer(name)->isActive());
        }
        QCOMPARE(twips::rect(image("Image14")), QRect(120, 1920, 3045, 2970));
        QCOMPARE(twips::left(image("imgbuchstaben")), 10080);
        QCOMPARE(twips::top(image("imgbuchstaben")), 2880);
        QCOMPARE(flyingLetter(), QStringLiteral("embedded t"));
        QCOMPARE(twips::rect(image("Image13")), QRect(5040, 2520, 1455, 1365));
        QCOMPARE(twips::rect(image("Image4")).topLeft(), QPoint(7320, 4320));
        for (const char *name : revealNames)
            QVERIFY2(image(name)->isHidden(), name);
        QCOMPARE(intro()->buchstabenNr(), qint16(0));
        QCOMPARE(intro()->takte(), 0);
        QCOMPARE(intro()->kopfNr(), qint16(0));
    }

    void timerIntervals() {
        // A window straight from the layout, before the fixture touched it.
        app->screens.unload(ScreenId::frmintro);
        QVERIFY(app->screens.load(ScreenId::frmintro));
        QCOMPARE(timer("Timer1")->interval(), 10);
        QCOMPARE(timer("Timer2")->interval(), 65);
    }

    void flight_data() {
        QTest::addColumn<int>("tick");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("passes");
        QTest::addColumn<QString>("letter");
        QTest::newRow("first step") << 1 << 9880 << 0 << "embedded t";
        QTest::newRow("last step of letter 1") << 50 << 80 << 0 << "embedded t";
        QTest::newRow("first wrap") << 51 << 10000 << 1 << "i";
        QTest::newRow("pass 2 under way") << 52 << 9800 << 1 << "i";
        QTest::newRow("lowest later Left") << 100 << 200 << 1 << "i";
        QTest::newRow("second wrap") << 101 << 10000 << 2 << "n";
        QTest::newRow("third wrap") << 151 << 10000 << 3 << "t";
        QTest::newRow("letter 5") << 201 << 10000 << 4 << "e";
        QTest::newRow("letter 7") << 301 << 10000 << 6 << "f";
        QTest::newRow("letter 10") << 451 << 10000 << 9 << "k";
        QTest::newRow("letter 12") << 551 << 10000 << 11 << "l";
        QTest::newRow("last letter still flying") << 600 << 200 << 11 << "l";
    }
    void flight() {
        QFETCH(int, tick);
        QFETCH(int, left);
        QFETCH(int, passes);
        QFETCH(QString, letter);
        runTo(tick);
        QCOMPARE(twips::left(image("imgbuchstaben")), left);
        QCOMPARE(intro()->buchstabenNr(), qint16(passes));
        QCOMPARE(flyingLetter(), letter);
        QVERIFY(!image("imgbuchstaben")->isHidden());
        // Natural size: the control takes the size of each new letter.
        if (letter.size() == 1)
            QCOMPARE(twips::width(image("imgbuchstaben")), letterWidth(letter.front()) * 15);
    }

    void flightEndsAtTick601() {
        runTo(600);
        QVERIFY(timer("Timer2")->isActive());
        runTo(601);
        QCOMPARE(intro()->buchstabenNr(), qint16(12));
        QVERIFY(image("imgbuchstaben")->isHidden());
        QVERIFY(!timer("Timer2")->isActive());
        const Picture frozen = image("Image14")->picture();
        QVERIFY(frameOf(frozen) != 0);
        runTo(2000);
        QCOMPARE(image("Image14")->picture(), frozen);
        QVERIFY(image("imgbuchstaben")->isHidden());
    }

    void lettuceFramesCycle() {
        QCOMPARE(image("Image14")->picture(), art::picture(QStringLiteral("lettuce_right.jpg")));
        QList<int> shown;
        for (int i = 0; i < 10; ++i) {
            intro()->Timer2_Timer();
            shown << frameOf(image("Image14")->picture());
        }
        QCOMPARE(shown, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2}));
        QCOMPARE(intro()->kopfNr(), qint16(2));
    }

    void missingPicturesKeepThePreviousOne() {
        QVERIFY(QFile::remove(app->root() + QStringLiteral("/Pics/Buchstaben/i.gif")));
        QVERIFY(
            QFile::remove(app->root() + QStringLiteral("/Pics/Salatköpfe/salatkopf 03 Kopie.jpg")));
        // A file that is there but holds no picture counts as missing too.
        picturetree::writeFile(
            app->root() + QStringLiteral("/Pics/Salatköpfe/salatkopf 04 Kopie.jpg"), "junk");

        QList<int> shown;
        for (int i = 0; i < 5; ++i) {
            intro()->Timer2_Timer();
            shown << frameOf(image("Image14")->picture());
        }
        QCOMPARE(shown, (QList<int>{1, 2, 2, 2, 5}));

        runTo(51);
        QCOMPARE(flyingLetter(), QStringLiteral("embedded t"));
        runTo(101);
        QCOMPARE(flyingLetter(), QStringLiteral("n"));
    }

    void caseOfLetterFilesDoesNotMatter() {
        const QString dir = app->root() + QStringLiteral("/Pics/Buchstaben/");
        QVERIFY(QFile::rename(dir + QStringLiteral("i.gif"), dir + QStringLiteral("I.GIF")));
        runTo(51);
        QCOMPARE(flyingLetter(), QStringLiteral("i"));
    }

    void revealStep_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tick");
        for (int s = 1; s <= 13; ++s)
            QTest::newRow(revealNames[s - 1])
                << QString::fromLatin1(revealNames[s - 1]) << 600 + 20 * s;
    }
    void revealStep() {
        QFETCH(QString, name);
        QFETCH(int, tick);
        const auto visibleCount = [&] {
            int n = 0;
            for (const char *other : revealNames)
                n += !image(other)->isHidden();
            return n;
        };
        runTo(tick - 1);
        QVERIFY(image(qPrintable(name))->isHidden());
        const int before = visibleCount();
        runTo(tick);
        QVERIFY(!image(qPrintable(name))->isHidden());
        QCOMPARE(visibleCount(), before + 1);
        QCOMPARE(before, (tick - 600) / 20 - 1);
    }

    void buttonsSwapAtTick860() {
        runTo(859);
        QVERIFY(control("cmdweiter")->isHidden());
        QVERIFY(!control("cmdIntro")->isHidden());
        runTo(860);
        QVERIFY(!control("cmdweiter")->isHidden());
        QVERIFY(control("cmdIntro")->isHidden());
    }

    void longRunChangesNothingAndCannotOverflow() {
        runTo(1000);
        // Well past the point where a 16-bit pass counter would wrap.
        runTo(2'000'000);
        QVERIFY(intro()->buchstabenNr() >= 12);
        QVERIFY(intro()->takte() > 860);
        QVERIFY(qint64(intro()->takte()) * 10 < std::numeric_limits<qint32>::max());
        QVERIFY(image("imgbuchstaben")->isHidden());
        for (const char *name : revealNames)
            QVERIFY2(!image(name)->isHidden(), name);
        QVERIFY(!control("cmdweiter")->isHidden());
        QVERIFY(control("cmdIntro")->isHidden());
    }

    void leaving_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("at");
        QTest::newRow("Intro überspringen in flight") << "cmdIntro" << 300;
        QTest::newRow("Weiter zum Spiel") << "cmdweiter" << 900;
        QTest::newRow("close box") << "close" << 700;
    }
    void leaving() {
        QFETCH(QString, way);
        QFETCH(int, at);
        runTo(at);
        QPointer<QTimer> timer1 = timer("Timer1");
        if (way == QLatin1String("close"))
            intro()->window()->close();
        else
            control<QPushButton>(qPrintable(way))->click();
        QVERIFY(!app->screens.isLoaded(ScreenId::frmintro));
        QVERIFY(!timer1 || !timer1->isActive());
        TestApp::settle();

        if (way == QLatin1String("close")) {
            // Nothing else was open: the program ends, the start screen never showed.
            QVERIFY(app->ended);
            QVERIFY(!app->screens.isLoaded(ScreenId::frmStart));
            return;
        }
        QVERIFY(!app->ended);
        QCOMPARE(app->screens.instance(ScreenId::frmintro), nullptr);
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));
    }

    void replaysFromTheStart_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("after Weiter zum Spiel") << "cmdweiter";
        QTest::newRow("after Intro überspringen") << "cmdIntro";
        QTest::newRow("after the close box") << "close";
    }
    void replaysFromTheStart() {
        QFETCH(QString, way);
        // Opened from the start screen, as its menu entry does.
        runTo(900);
        control<QPushButton>("cmdweiter")->click();
        TestApp::settle();
        app->screens.get<StartScreen>(ScreenId::frmStart)->Intro_Click();
        showIntro();
        runTo(870);

        if (way == QLatin1String("close"))
            intro()->window()->close();
        else
            control<QPushButton>(qPrintable(way))->click();
        TestApp::settle();
        QVERIFY(!app->ended);
        QVERIFY(app->screens.isVisible(ScreenId::frmStart));

        app->screens.get<StartScreen>(ScreenId::frmStart)->Intro_Click();
        showIntro();
        QCOMPARE(intro()->buchstabenNr(), qint16(0));
        QCOMPARE(intro()->takte(), 0);
        QCOMPARE(intro()->kopfNr(), qint16(0));
        QCOMPARE(twips::left(image("imgbuchstaben")), 10080);
        QVERIFY(!image("imgbuchstaben")->isHidden());
        QCOMPARE(flyingLetter(), QStringLiteral("embedded t"));
        QVERIFY(timer("Timer2")->isActive());
        for (const char *name : revealNames)
            QVERIFY2(image(name)->isHidden(), name);
        QVERIFY(control("cmdweiter")->isHidden());
        QVERIFY(!control("cmdIntro")->isHidden());
        runTo(51);
        QCOMPARE(flyingLetter(), QStringLiteral("i"));
    }
};

QTEST_MAIN(TestIntro)
#include "test_intro.moc"
