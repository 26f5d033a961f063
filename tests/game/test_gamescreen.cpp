#include "picturetree.h"
#include "testapp.h"

#include "app/art.h"
#include "app/imagebox.h"
#include "app/twips.h"
#include "game/gamescreen.h"
#include "game/gamescreens.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
const QString level1 = QStringLiteral("Pics/BilderD/Level1");
const QString wrongText = QStringLiteral("Diese Antwort ist leider Falsch");

// Stands in for the level-complete and game-over screens: records what it
// finds when it loads.
class HandOverStub : public Screen {
public:
    HandOverStub(Screens &screens, ScreenId id)
        : Screen(screens, id) {}

    bool gameLoadedAtLoad = false;
    double levelZeitAtLoad = -1;
    Picture backgroundAtLoad;

protected:
    void build(ScreenWindow &window) override { window.setClientTwips(3000, 2000); }
    void formLoad() override {
        Screen *game = screens().instance(ScreenId::frmGame);
        gameLoadedAtLoad = game && game->isLoaded();
        levelZeitAtLoad = playState().levelZeit;
        if (gameLoadedAtLoad)
            backgroundAtLoad = game->control<ImageBox>(QStringLiteral("imgbg"))->picture();
    }
};

// Words of a level folder with a word of every length the tests deal.
QStringList levelWords() {
    QStringList words = {QStringLiteral("Ball"),    QStringLiteral("Hund"),
                         QStringLiteral("Elefant"), QStringLiteral("Abcdefghijklm"),
                         QStringLiteral("Igel"),    QStringLiteral("Otto")};
    for (const QString &w : picturetree::words(19))
        words << w;
    return words;
}
} // namespace

class TestGameScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    GameScreen *game(ScreenId id = ScreenId::frmGame) {
        return dynamic_cast<GameScreen *>(app->screens.instance(id));
    }
    template <class T = QWidget> T *control(const QString &name) {
        return game()->control<T>(name);
    }
    ImageBox *box(const char *name, int index = -1) {
        const QString n = QString::fromUtf8(name);
        return control<ImageBox>(index >= 0 ? twips::arrayName(n, index) : n);
    }
    ImageBox *head(int i) { return control<ImageBox>(QStringLiteral("Image%1").arg(i)); }
    ImageBox *tile(int k) { return box("imgbuchstabe", k); }
    ImageBox *answer(int k) { return box("imglösung", k); }
    QLabel *label(const char *name) { return control<QLabel>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) { return control<QPushButton>(QString::fromUtf8(name)); }
    HandOverStub *stub(ScreenId id) {
        return dynamic_cast<HandOverStub *>(app->screens.instance(id));
    }

    bool open(ScreenId id = ScreenId::frmGame) {
        if (!app->screens.show(id))
            return false;
        // The tests drive the ticks themselves.
        for (QTimer *t : game(id)->window()->findChildren<QTimer *>())
            t->setInterval(3600 * 1000);
        return true;
    }
    int slotOf(const QString &word) {
        const auto &words = game()->slotWords();
        return int(std::find(words.begin(), words.end(), word) - words.begin());
    }
    void pick(const QString &word) {
        const int slot = slotOf(word);
        QVERIFY2(slot < 25, qPrintable(word));
        game()->img_Click(slot);
    }
    int visibleTiles() {
        int n = 0;
        for (int k = 0; k < 13; ++k)
            n += !tile(k)->isHidden();
        return n;
    }
    // Clicks, for each letter in turn, the first visible tile carrying it.
    void spell(const QString &word) {
        for (const QChar c : word) {
            int k = 0;
            while (k < 13 && (tile(k)->isHidden() || tile(k)->tag() != QString(c)))
                ++k;
            QVERIFY2(k < 13, qPrintable(word));
            game()->imgbuchstabe_Click(k);
        }
    }
    void solve(const QString &word) {
        pick(word);
        spell(word);
        game()->cmdPruefen_Click();
    }
    void writeLevel(const QStringList &words) {
        picturetree::makeFolder(app->root(), level1, words);
    }

private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        registerGameScreens(app->screens);
        for (const ScreenId id : {ScreenId::frmWin, ScreenId::frmWinE1, ScreenId::frmspielende,
                                  ScreenId::frmGameOver}) {
            app->screens.registerScreen(
                id, [id](Screens &s) { return std::make_unique<HandOverStub>(s, id); });
        }
        picturetree::makeLetters(app->root());
        picturetree::makeFolder(app->root(), QStringLiteral("Pics/Hintergrundbilder"),
                                {QStringLiteral("Wiese")});
    }
    void cleanup() {
        app.reset();
        TestApp::settle();
    }

    void loadPreparesTheLevel_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("img23Left");
        QTest::addColumn<int>("bigLeft");
        QTest::newRow("frmGame") << int(ScreenId::frmGame) << "Pics/BilderD/Level1"
                                 << QStringLiteral("Prüfen") << 5520 << 6600;
        QTest::newRow("frmGameD3") << int(ScreenId::frmGameD3) << "Pics/BilderD/Level3"
                                   << QStringLiteral("Prüfen") << 7080 << 6720;
        QTest::newRow("frmGameE2") << int(ScreenId::frmGameE2) << "Pics/BilderE/Level2"
                                   << QStringLiteral("Examine ") << 5520 << 6720;
    }
    void loadPreparesTheLevel() {
        QFETCH(int, screen);
        QFETCH(QString, folder);
        QFETCH(QString, check);
        QFETCH(int, img23Left);
        QFETCH(int, bigLeft);
        const ScreenId id = ScreenId(screen);
        picturetree::makeFolder(app->root(), folder, picturetree::words(30));
        app->clock.seconds = 9 * 3600;
        app->play.levelZeit = 0.5;
        QVERIFY(open(id));
        GameScreen *g = game(id);
        QCOMPARE(g->window()->windowTitle(), QStringLiteral("Tintenfunkel"));
        QCOMPARE(g->window()->client()->size(), QSize(788, 600));
        QCOMPARE(app->random.randomizeCount, 1);
        QCOMPARE(app->play.levelZeit, 0.0);
        QCOMPARE(g->levelStart(), 9 / 24.0);
        QCOMPARE(g->wrongAnswers(), 0);

        const auto find = [&](const QString &name) { return g->control<QWidget>(name); };
        for (int k = 0; k < 13; ++k) {
            auto *t = find(twips::arrayName(QStringLiteral("imgbuchstabe"), k));
            QCOMPARE(twips::rect(t), QRect(735 * k, -735, 735, 735));
            QVERIFY(t->isHidden());
        }
        QCOMPARE(twips::left(find(QStringLiteral("img(23)"))), img23Left);
        QCOMPARE(twips::left(find(QStringLiteral("Imgbig"))), bigLeft);
        QCOMPARE(g->control<QPushButton>(QStringLiteral("cmdPrüfen"))->text(), check);

        QSet<QString> words;
        for (int k = 0; k < 25; ++k) {
            auto *slot = g->control<ImageBox>(twips::arrayName(QStringLiteral("img"), k));
            QVERIFY(slot->picture());
            QVERIFY(!slot->isHidden());
            words.insert(g->slotWords()[k]);
        }
        QCOMPARE(words.size(), 25);
        const QStringList all = picturetree::words(30);
        QVERIFY(QSet<QString>(all.begin(), all.end()).contains(words));

        // Back to front: background, picture slots, large picture, letter tiles.
        const QObjectList order = g->window()->client()->children();
        const auto at = [&](const char *name) {
            return order.indexOf(find(QString::fromUtf8(name)));
        };
        QVERIFY(at("imgbg") < at("img(0)"));
        QVERIFY(at("img(24)") < at("Imgbig"));
        QVERIFY(at("Imgbig") < at("imgbuchstabe(0)"));
        QVERIFY(at("cmdPrüfen") < at("imgbuchstabe(0)"));

        auto *bg = g->control<ImageBox>(QStringLiteral("imgbg"));
        QVERIFY(bg->isHidden());
        QVERIFY(bg->picture());
        QCOMPARE(g->control<QLabel>(QStringLiteral("lblZeit"))->text(), "00:00:00");
        QCOMPARE(g->control<QLabel>(QStringLiteral("lblLeben"))->text(), "5");
        QVERIFY(g->control<QTimer>(QStringLiteral("tmrZeit"))->isActive());
        QVERIFY(!g->control<QTimer>(QStringLiteral("tmrfliegen"))->isActive());
    }

    void drawsRepeatOnACollision() {
        writeLevel(picturetree::words(30));
        const QStringList files = app->library.listFiles(level1);
        QCOMPARE(files.size(), 30);
        // Slot 0 takes file 3; slot 1 draws 3 twice before it gets 7; the
        // rest come from the fallback draws.
        const auto at = [](int i) { return (i + 0.5) / 30; };
        app->random.script({at(3), at(3), at(3), at(7)});
        QVERIFY(open());
        QCOMPARE(game()->slotWords()[0], files[3].chopped(4));
        QCOMPARE(game()->slotWords()[1], files[7].chopped(4));
    }

    void folderOfExactly25ShowsThemAll() {
        writeLevel(levelWords());
        QVERIFY(open());
        QStringList shown(game()->slotWords().begin(), game()->slotWords().end());
        shown.sort();
        QStringList all = levelWords();
        all.sort();
        QCOMPARE(shown, all);
    }

    void wordIsTheNameWithoutFourCharacters() {
        QStringList words = picturetree::words(23);
        writeLevel(words);
        picturetree::writeImage(app->root() + "/" + level1 + "/Apfel.jpg");
        picturetree::writeImage(app->root() + "/" + level1 + "/Birne.jpeg");
        // The dot of "Birne." needs a letter picture like every other character.
        picturetree::writeImage(app->root() + "/Pics/Buchstaben/..gif", QSize(64, 64), "PNG");
        QVERIFY(open());
        QVERIFY(slotOf(QStringLiteral("Apfel")) < 25);
        QVERIFY(slotOf(QStringLiteral("Birne.")) < 25);
    }

    void dealing_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("repeated letter, capital") << QStringLiteral("Ball");
        QTest::newRow("13 letters") << QStringLiteral("Abcdefghijklm");
        QTest::newRow("7 letters") << QStringLiteral("Elefant");
    }
    void dealing() {
        QFETCH(QString, word);
        writeLevel(levelWords());
        QVERIFY(open());
        const int n = word.size();
        // Character k goes to tile perm(k); script a reversal, with one repeat.
        QList<double> draws = {(n - 1 + 0.5) / n};
        for (int k = 0; k < n; ++k)
            draws << (n - 1 - k + 0.5) / n;
        app->random.script(draws);
        pick(word);
        QCOMPARE(game()->targetWord(), word);
        QCOMPARE(game()->letterCount(), n);
        QCOMPARE(visibleTiles(), n);
        QSet<const QImage *> pictures;
        for (int k = 0; k < n; ++k) {
            QCOMPARE(tile(k)->tag(), QString(word[n - 1 - k]));
            QVERIFY(tile(k)->picture());
            pictures.insert(tile(k)->picture().get());
        }
        QCOMPARE(pictures.size(), n); // a picture object of its own per tile
        QVERIFY(!box("Imgbig")->isHidden());
        QCOMPARE(box("Imgbig")->picture(), box("img", slotOf(word))->picture());
        QVERIFY(!box("imgbg")->isHidden());
        QCOMPARE(twips::rect(box("imgbg")), QRect(840, 840, 2295, 2380));
        for (int k = 0; k < 25; ++k) {
            QCOMPARE(twips::rect(box("img", k)), boardlayout::slot(boardlayout::Board::Small, k));
            QVERIFY(!box("img", k)->isEnabled());
        }
        QVERIFY(!button("cmdPrüfen")->isHidden());
        QVERIFY(!button("cmdzurück")->isHidden());
        QVERIFY(!control(QStringLiteral("Line3"))->isHidden());
        QVERIFY(control<QTimer>(QStringLiteral("tmrfliegen"))->isActive());
    }

    void shorterWordLeavesOnlyItsTiles() {
        writeLevel(levelWords());
        QVERIFY(open());
        pick(QStringLiteral("Elefant"));
        game()->cmdzurueck_Click();
        pick(QStringLiteral("Hund"));
        for (int k = 0; k < 13; ++k)
            QCOMPARE(tile(k)->isHidden(), k >= 4);
    }

    void emptyWordIsSolvedByAnEmptyRow() {
        QStringList words = picturetree::words(24);
        writeLevel(words);
        // Four characters and nothing left: the word is empty.
        picturetree::writeImage(app->root() + "/" + level1 + "/leer", QSize(40, 40), "JPG");
        QVERIFY(open());
        pick(QString());
        QCOMPARE(visibleTiles(), 0);
        QVERIFY(!box("Imgbig")->isHidden());
        game()->cmdPruefen_Click();
        QVERIFY(box("img", slotOf(QString()))->isHidden());
        QVERIFY(app->dialogs.calls.isEmpty());
    }

    void lettersFallTogetherAndRest() {
        writeLevel(levelWords());
        QVERIFY(open());
        pick(QStringLiteral("Hund"));
        for (int i = 0; i < 100; ++i)
            game()->tmrfliegen_Timer();
        // A give-up and a new pick in mid-fall continue from the height reached.
        game()->cmdzurueck_Click();
        game()->tmrfliegen_Timer();
        pick(QStringLiteral("Elefant"));
        QCOMPARE(twips::top(tile(6)), -735 + 101 * 20);
        for (int i = 101; i < 261; ++i)
            game()->tmrfliegen_Timer();
        for (int k = 0; k < 13; ++k)
            QCOMPARE(twips::top(tile(k)), 4485); // hidden tiles fall too
        game()->tmrfliegen_Timer();
        QCOMPARE(twips::top(tile(12)), 4505);
        game()->tmrfliegen_Timer();
        for (int k = 0; k < 13; ++k) {
            QCOMPARE(twips::rect(tile(k)), QRect(735 * k, 4505, 735, 735));
        }
        QCOMPARE(tile(3)->geometry(), QRect(147, 300, 49, 49));
    }

    void placingAndTakingBackLetters() {
        writeLevel(levelWords());
        QVERIFY(open());
        pick(QStringLiteral("Hund"));
        spell(QStringLiteral("Hund"));
        QCOMPARE(visibleTiles(), 0);
        const Picture u = answer(1)->picture();
        // Taking "u" back shows the very tile it came from, where it is.
        game()->imgloesung_Click(1);
        QVERIFY(answer(1)->isHidden());
        QCOMPARE(answer(1)->tag(), QString());
        QCOMPARE(visibleTiles(), 1);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(tile(k)->isHidden(), tile(k)->picture() != u);
        // The gap is filled before any place to its right.
        spell(QStringLiteral("u"));
        QCOMPARE(answer(1)->tag(), "u");
        QCOMPARE(answer(1)->picture(), u);
        // H, gap, n, d reads as "Hnd".
        game()->imgloesung_Click(1);
        game()->cmdPruefen_Click();
        QCOMPARE(game()->answerText(), "Hnd");
        QCOMPARE(app->dialogs.texts(), QStringList{wrongText});
    }

    void repeatedLettersCountInEitherOrder() {
        writeLevel(levelWords());
        QVERIFY(open());
        pick(QStringLiteral("Ball"));
        QList<int> ls;
        for (int k = 0; k < 4; ++k) {
            if (tile(k)->tag() == "l")
                ls << k;
        }
        QCOMPARE(ls.size(), 2);
        spell(QStringLiteral("Ba"));
        game()->imgbuchstabe_Click(ls[1]);
        game()->imgbuchstabe_Click(ls[0]);
        game()->cmdPruefen_Click();
        QVERIFY(app->dialogs.calls.isEmpty());
        QVERIFY(box("img", slotOf(QStringLiteral("Ball")))->isHidden());
    }

    void incompleteOrMiscasedAnswersAreWrong_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("typed");
        QTest::newRow("incomplete") << QStringLiteral("Hund") << QStringLiteral("Hun");
        QTest::newRow("nothing") << QStringLiteral("Hund") << QString();
        QTest::newRow("case differs") << QStringLiteral("Otto") << QStringLiteral("ottO");
    }
    void incompleteOrMiscasedAnswersAreWrong() {
        QFETCH(QString, word);
        QFETCH(QString, typed);
        writeLevel(levelWords());
        QVERIFY(open());
        pick(word);
        spell(typed);
        game()->cmdPruefen_Click();
        QCOMPARE(game()->answerText(), typed);
        QCOMPARE(app->dialogs.texts(), QStringList{wrongText});
    }

    void correctAnswerRestoresTheLargeBoard() {
        writeLevel(levelWords());
        QVERIFY(open());
        solve(QStringLiteral("Elefant"));
        const int solved = slotOf(QStringLiteral("Elefant"));
        QVERIFY(app->dialogs.calls.isEmpty());
        for (int k = 0; k < 25; ++k) {
            QCOMPARE(twips::rect(box("img", k)), boardlayout::slot(boardlayout::Board::Large, k));
            QCOMPARE(box("img", k)->isHidden(), k == solved);
            QVERIFY(box("img", k)->isEnabled());
        }
        QVERIFY(!box("imgbg")->isHidden());
        QCOMPARE(twips::rect(box("imgbg")), QRect(840, 480, 7875, 7815));
        QVERIFY(box("Imgbig")->isHidden());
        QVERIFY(button("cmdPrüfen")->isHidden());
        QVERIFY(button("cmdzurück")->isHidden());
        QVERIFY(control(QStringLiteral("Line1"))->isHidden());
        QCOMPARE(visibleTiles(), 0);
        for (int k = 0; k < 13; ++k)
            QVERIFY(answer(k)->isHidden());
        QVERIFY(!head(5)->isHidden());
    }

    void giveUpKeepsNoOldLetters() {
        writeLevel(levelWords());
        QVERIFY(open());
        pick(QStringLiteral("Elefant"));
        spell(QStringLiteral("Ele"));
        game()->cmdzurueck_Click();
        QVERIFY(box("Imgbig")->isHidden());
        QVERIFY(button("cmdPrüfen")->isHidden());
        QVERIFY(!box("img", slotOf(QStringLiteral("Elefant")))->isHidden());
        QCOMPARE(visibleTiles(), 0);
        QCOMPARE(label("lblLeben")->text(), "5");
        solve(QStringLiteral("Igel"));
        QVERIFY(app->dialogs.calls.isEmpty());
        QCOMPARE(game()->answerText(), "Igel");
    }

    void fiveWrongAnswersEndTheGame() {
        writeLevel(levelWords());
        QVERIFY(open());
        pick(QStringLiteral("Hund"));
        int ticks = 0;
        bool headShownWhileOpen = true;
        int wrong = 0;
        app->dialogs.whileOpen = [&] {
            // The message comes before the head goes; the timers run meanwhile.
            headShownWhileOpen = headShownWhileOpen && !head(5 - wrong)->isHidden();
            game()->tmrfliegen_Timer();
            game()->tmrZeit_Timer();
            ++ticks;
        };
        for (wrong = 0; wrong < 5; ++wrong) {
            spell(QStringLiteral("Hnu"));
            game()->cmdPruefen_Click();
            QCOMPARE(app->dialogs.calls.size(), wrong + 1);
            QCOMPARE(app->dialogs.calls.last().text, wrongText);
            QCOMPARE(app->dialogs.calls.last().title, QStringLiteral("Tintenfunkel"));
            QCOMPARE(app->dialogs.calls.last().icon, Dialogs::Icon::None);
            if (wrong == 4)
                break;
            QCOMPARE(game()->wrongAnswers(), wrong + 1);
            QCOMPARE(label("lblLeben")->text(), QString::number(4 - wrong));
            for (int i = 1; i <= 5; ++i)
                QCOMPARE(head(i)->isHidden(), i >= 5 - wrong);
            // The turn goes on with the same letters on their tiles.
            QCOMPARE(visibleTiles(), 4);
            QVERIFY(answer(0)->isHidden());
            QVERIFY(!box("Imgbig")->isHidden());
            QVERIFY(!button("cmdPrüfen")->isHidden());
            QVERIFY(!control(QStringLiteral("Line4"))->isHidden());
        }
        QVERIFY(headShownWhileOpen);
        QCOMPARE(ticks, 5);
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGame));
        QVERIFY(app->screens.isVisible(ScreenId::frmspielende));
        QVERIFY(!stub(ScreenId::frmspielende)->gameLoadedAtLoad);

        // A new start is a fresh level: full lives, tiles parked, new seed.
        TestApp::settle();
        QVERIFY(open());
        QCOMPARE(app->random.randomizeCount, 2);
        QCOMPARE(game()->wrongAnswers(), 0);
        QCOMPARE(label("lblLeben")->text(), "5");
        QVERIFY(!head(5)->isHidden());
        QCOMPARE(twips::top(tile(0)), -735);
    }

    void englishGameOverScreen() {
        picturetree::makeFolder(app->root(), QStringLiteral("Pics/BilderE/Level1"), levelWords());
        QVERIFY(open(ScreenId::frmGameE1));
        GameScreen *g = game(ScreenId::frmGameE1);
        g->img_Click(0);
        for (int i = 0; i < 5; ++i)
            g->cmdPruefen_Click(); // an empty row is wrong for every word here
        QCOMPARE(app->dialogs.calls.last().text, QStringLiteral("This answer is not correct"));
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGameE1));
        QVERIFY(app->screens.isVisible(ScreenId::frmGameOver));
    }

    void lastPictureHandsOverToTheLevelCompleteScreen() {
        writeLevel(levelWords());
        app->clock.seconds = 10 * 3600;
        QVERIFY(open());
        const auto words = game()->slotWords();
        for (int k = 0; k < 24; ++k)
            solve(words[k]);
        QVERIFY(app->screens.isLoaded(ScreenId::frmGame));
        app->clock.seconds += 187;
        game()->tmrZeit_Timer();
        QCOMPARE(label("lblZeit")->text(), "0:03:07");
        const Picture background = box("imgbg")->picture();
        QVERIFY(background);
        // Time passing after the last tick does not count.
        app->clock.seconds += 5;
        QPointer<QTimer> clock = control<QTimer>(QStringLiteral("tmrZeit"));
        solve(words[24]);
        QVERIFY(app->dialogs.calls.isEmpty());
        HandOverStub *win = stub(ScreenId::frmWin);
        QVERIFY(win);
        QVERIFY(win->gameLoadedAtLoad);
        QCOMPARE(win->levelZeitAtLoad, 187 / 86400.0);
        QCOMPARE(win->backgroundAtLoad, background);
        QVERIFY(app->screens.isVisible(ScreenId::frmWin));
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGame));
        QVERIFY(!clock || !clock->isActive());
        QCOMPARE(app->play.levelZeit, 187 / 86400.0);
    }

    void clockShowsTheLevelTime_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("now");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first tick") << 36000 << 36000 << "0:00:00";
        QTest::newRow("3:07") << 36000 << 36187 << "0:03:07";
        QTest::newRow("hours") << 36000 << 36000 + 2 * 3600 + 61 << "2:01:01";
        QTest::newRow("across midnight") << 86390 << 20 << "0:00:30";
    }
    void clockShowsTheLevelTime() {
        QFETCH(int, start);
        QFETCH(int, now);
        QFETCH(QString, shown);
        writeLevel(levelWords());
        app->clock.seconds = start;
        QVERIFY(open());
        QCOMPARE(label("lblZeit")->text(), "00:00:00");
        app->clock.seconds = now;
        game()->tmrZeit_Timer();
        QCOMPARE(label("lblZeit")->text(), shown);
        QCOMPARE(qRound(app->play.levelZeit * 86400), (now - start + 86400) % 86400);
    }

    void levelThatCannotBePlayed_data() {
        QTest::addColumn<int>("good");
        QTest::addColumn<QStringList>("bad");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder missing") << 0 << QStringList() << "fehlt";
        QTest::newRow("24 pictures") << 24 << QStringList() << "nur 24 spielbare";
        QTest::newRow("unplayable names")
            << 20
            << QStringList{"Abc", "Abcdefghijklmn.jpg", "Zwei Wörter.jpg", "Fuß€.jpg", "Ab.jpg"}
            << "nur 21 spielbare";
        QTest::newRow("unreadable files")
            << 23 << QStringList{"*Kaputt.jpg", "*Leer.jpg", "*Text.jpg"} << "nur 23 spielbare";
    }
    void levelThatCannotBePlayed() {
        QFETCH(int, good);
        QFETCH(QStringList, bad);
        QFETCH(QString, message);
        if (good > 0)
            writeLevel(picturetree::words(good));
        const QString folder = app->root() + "/" + level1 + "/";
        for (const QString &name : bad) {
            if (name.startsWith('*'))
                picturetree::writeFile(folder + name.mid(1), "no picture");
            else
                picturetree::writeImage(folder + name);
        }
        QVERIFY(!open());
        QVERIFY(!app->screens.isLoaded(ScreenId::frmGame));
        QCOMPARE(app->dialogs.calls.size(), 1);
        const QString text = app->dialogs.calls[0].text;
        QVERIFY2(text.contains(message), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Pics\\BilderD\\Level1")));
        QVERIFY(text.contains(QStringLiteral("25")));
    }

    void unplayableFilesAreNeverDrawn() {
        writeLevel(picturetree::words(25));
        const QString folder = app->root() + "/" + level1 + "/";
        picturetree::writeFile(folder + "Kaputt.jpg", "no picture");
        picturetree::writeImage(folder + "Abcdefghijklmn.jpg");
        picturetree::writeImage(folder + "Ab");
        // A blank has no letter picture in this library.
        picturetree::writeImage(folder + "Zwei Wörter.jpg");
        QStringList playable = app->library.listFiles(level1);
        QCOMPARE(playable.size(), 29);
        for (const char *name : {"Abcdefghijklmn.jpg", "Ab", "Zwei Wörter.jpg"})
            playable.removeOne(QString::fromUtf8(name));
        // The broken file is drawn first; its slot is filled from the files left.
        app->random.script({(playable.indexOf("Kaputt.jpg") + 0.5) / playable.size()});
        QVERIFY(open());
        QVERIFY(app->dialogs.calls.isEmpty());
        QStringList shown(game()->slotWords().begin(), game()->slotWords().end());
        shown.sort();
        QStringList expected = picturetree::words(25);
        expected.sort();
        QCOMPARE(shown, expected);
        for (int k = 0; k < 25; ++k)
            QVERIFY(box("img", k)->picture());
    }

    void missingBackgroundPlaysWithout_data() {
        QTest::addColumn<QString>("content");
        QTest::newRow("no folder") << QString();
        QTest::newRow("empty folder") << "empty";
        QTest::newRow("unreadable") << "garbage";
    }
    void missingBackgroundPlaysWithout() {
        QFETCH(QString, content);
        QDir(app->root() + "/Pics/Hintergrundbilder").removeRecursively();
        if (!content.isEmpty())
            QDir(app->root()).mkpath("Pics/Hintergrundbilder");
        if (content == "garbage")
            picturetree::writeFile(app->root() + "/Pics/Hintergrundbilder/Wiese.jpg", "garbage");
        writeLevel(levelWords());
        QVERIFY(open());
        QVERIFY(!box("imgbg")->picture());
        pick(QStringLiteral("Hund"));
        QCOMPARE(visibleTiles(), 4);
    }

    void unreadableLetterIsDrawn() {
        picturetree::writeFile(app->root() + "/Pics/Buchstaben/u.gif", "no picture");
        writeLevel(levelWords());
        QVERIFY(open());
        pick(QStringLiteral("Hund"));
        // The unreadable "u" is drawn as text; the others come from their files.
        const QSize drawn = art::drawnLetter(QStringLiteral("u"))->size();
        for (int k = 0; k < 4; ++k) {
            QVERIFY(tile(k)->picture());
            QCOMPARE(tile(k)->picture()->size() == drawn, tile(k)->tag() == "u");
        }
        spell(QStringLiteral("Hund"));
        game()->cmdPruefen_Click();
        QVERIFY(app->dialogs.calls.isEmpty());
    }
};

QTEST_MAIN(TestGameScreen)
#include "test_gamescreen.moc"
