#include "programfixture.h"

#include "app/duration.h"
#include "app/imagebox.h"
#include "game/gamescreen.h"
#include "picturetree.h"
#include "results/printer.h"
#include "teacher/filelist.h"
#include "teacher/folderlist.h"
#include "teacher/managerscreen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// No printer on this machine: the certificate goes into a PDF file.
class AbsentPrinter : public Printer {
public:
    Outcome print(const QImage &, const QSizeF &) override {
        ++calls;
        return Outcome::NoPrinter;
    }
    int calls = 0;
};

struct Run : ProgramFixture {
    Run() { services.printer = &printer; }

    AbsentPrinter printer;

    template <class T = QWidget> T *control(ScreenId id, const QString &name) {
        Screen *s = screens.instance(id);
        T *c = s ? s->control<T>(name) : nullptr;
        if (!c)
            qWarning() << "missing" << name << "on" << screenName(id);
        return c;
    }

    void click(ScreenId id, const QString &button) { control<QPushButton>(id, button)->click(); }

    void skipIntro() {
        QVERIFY(screens.show(ScreenId::frmintro));
        click(ScreenId::frmintro, QStringLiteral("cmdIntro"));
        QVERIFY(screens.isVisible(ScreenId::frmStart));
        QVERIFY(!screens.instance(ScreenId::frmintro));
    }

    // Picks the first picture left on the board, as a child would.
    void pickPicture(GameScreen *game) {
        for (int i = 0; i < 25; ++i) {
            auto *slot = game->control<ImageBox>(QStringLiteral("img(%1)").arg(i));
            if (!slot->isHidden() && slot->isEnabled()) {
                QTest::mouseClick(slot, Qt::LeftButton);
                return;
            }
        }
        QFAIL("no picture left to pick");
    }

    // Clicks the tiles of the word in order, then the check button.
    void spellAndCheck(GameScreen *game, const QString &answer) {
        for (const QChar c : answer) {
            ImageBox *tile = nullptr;
            for (int k = 0; k < 13 && !tile; ++k) {
                auto *t = game->control<ImageBox>(QStringLiteral("imgbuchstabe(%1)").arg(k));
                if (!t->isHidden() && t->tag() == QString(c))
                    tile = t;
            }
            QVERIFY2(tile, qPrintable(QStringLiteral("no tile for ") + c));
            QTest::mouseClick(tile, Qt::LeftButton);
        }
        game->control<QPushButton>(QStringLiteral("cmdPrüfen"))->click();
    }

    // Solves all 25 pictures, `seconds` of play each; returns the level time.
    void playLevel(ScreenId id, int seconds) {
        QVERIFY(screens.isVisible(id));
        auto *game = dynamic_cast<GameScreen *>(screens.instance(id));
        for (int n = 0; n < 25; ++n) {
            pickPicture(game);
            clock.seconds += seconds;
            game->tmrZeit_Timer();
            spellAndCheck(game, game->targetWord());
        }
        QVERIFY(!screens.isLoaded(id));
        settle();
    }
};

const int start = 10 * 3600;

} // namespace

class TestFullRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeLanguage_data() {
        QTest::addColumn<bool>("german");
        QTest::newRow("Deutsch") << true;
        QTest::newRow("English") << false;
    }

    void wholeLanguage() {
        QFETCH(bool, german);
        Run run;
        run.clock.seconds = start;
        run.skipIntro();
        run.click(ScreenId::frmStart,
                  german ? QStringLiteral("cmdDeutsch") : QStringLiteral("cmdEnglisch"));

        const ScreenId games[] = {german ? ScreenId::frmGame : ScreenId::frmGameE1,
                                  german ? ScreenId::frmGameD2 : ScreenId::frmGameE2,
                                  german ? ScreenId::frmGameD3 : ScreenId::frmGameE3};
        const ScreenId wins[] = {german ? ScreenId::frmWin : ScreenId::frmWinE1,
                                 german ? ScreenId::frmWinD2 : ScreenId::frmWinE2,
                                 german ? ScreenId::frmWinD3 : ScreenId::frmWinE3};
        const int perPicture[] = {10, 20, 30};
        for (int level = 0; level < 3; ++level) {
            run.playLevel(games[level], perPicture[level]);
            QVERIFY(run.screens.isVisible(wins[level]));
            const QString shown = formatDuration(daysFromSeconds(25 * perPicture[level]));
            QCOMPARE(run.control<QLabel>(wins[level], QStringLiteral("gebrauchteZeit"))->text(),
                     shown);
            if (level < 2) {
                run.click(wins[level], QStringLiteral("cmdweiter"));
                QVERIFY(!run.screens.isLoaded(wins[level]));
            }
        }
        const double *stored[] = {german ? &run.play.zeitD1 : &run.play.zeitE1,
                                  german ? &run.play.zeitD2 : &run.play.zeitE2,
                                  german ? &run.play.zeitD3 : &run.play.zeitE3};
        for (int level = 0; level < 3; ++level)
            QCOMPARE(formatDuration(*stored[level]),
                     formatDuration(daysFromSeconds(25 * perPicture[level])));

        // Name, certificate, print into a PDF, back to the start.
        const ScreenId certificate = german ? ScreenId::frmUrkunde : ScreenId::frmUrkundeE;
        auto *name = run.screens.instance(wins[2])->window()->findChild<QLineEdit *>();
        QVERIFY(name);
        name->setText(QStringLiteral("Anna-Lena Müller"));
        run.click(wins[2], QStringLiteral("cmdweiter"));
        QVERIFY(run.screens.isVisible(certificate));
        QVERIFY(!run.screens.isLoaded(wins[2]));
        QCOMPARE(run.control<QLabel>(certificate, german ? QStringLiteral("lblname")
                                                         : QStringLiteral("lblname1"))
                     ->text(),
                 QStringLiteral("Anna-Lena Müller"));
        QCOMPARE(run.control<QLabel>(certificate, QStringLiteral("lblZeit"))->text(),
                 QStringLiteral("0:25:00"));

        const QString pdf = run.root() + QStringLiteral("/urkunde.pdf");
        run.dialogs.answers.clear();
        run.dialogs.answers.enqueue(true);
        run.dialogs.fileNames.enqueue(pdf);
        run.click(certificate, QStringLiteral("cmdDrucken"));
        QCOMPARE(run.printer.calls, 1);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");

        run.click(certificate, QStringLiteral("cmdanfang"));
        run.settle();
        QVERIFY(!run.screens.isLoaded(certificate));
        QVERIFY(run.screens.isVisible(ScreenId::frmStart));
        QVERIFY(!run.ended);
        QCOMPARE(run.screens.loadedCount(), 1);
    }

    void gameOver_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("over");
        QTest::addColumn<QString>("wrong");
        QTest::newRow("Deutsch") << int(ScreenId::frmGameD2) << int(ScreenId::frmspielende)
                                 << "Diese Antwort ist leider Falsch";
        QTest::newRow("English") << int(ScreenId::frmGameE3) << int(ScreenId::frmGameOver)
                                 << "This answer is not correct";
    }

    void gameOver() {
        QFETCH(int, game);
        QFETCH(int, over);
        QFETCH(QString, wrong);
        Run run;
        run.skipIntro();
        QVERIFY(run.screens.show(ScreenId(game)));
        auto *screen = dynamic_cast<GameScreen *>(run.screens.instance(ScreenId(game)));
        run.pickPicture(screen);
        for (int i = 0; i < 5; ++i)
            run.spellAndCheck(screen, QString());
        QCOMPARE(run.dialogs.texts(), QStringList(5, wrong));
        QVERIFY(!run.screens.isLoaded(ScreenId(game)));
        QVERIFY(run.screens.isVisible(ScreenId(over)));

        run.click(ScreenId(over), QStringLiteral("cmdanfang"));
        run.settle();
        QVERIFY(run.screens.isVisible(ScreenId::frmStart));
        // The same level starts afresh, with five lives.
        QVERIFY(run.screens.show(ScreenId(game)));
        QCOMPARE(run.control<QLabel>(ScreenId(game), QStringLiteral("lblLeben"))->text(),
                 QStringLiteral("5"));
        QCOMPARE(screen->wrongAnswers(), 0);
    }

    void teacherAddsAPictureThatTheGameThenShows() {
        Run run;
        run.skipIntro();
        // German level 1 is one picture short of a level.
        const QString level1 = run.root() + QStringLiteral("/Pics/BilderD/Level1");
        const QStringList files = QDir(level1).entryList(QDir::Files, QDir::Name);
        for (int i = 24; i < files.size(); ++i)
            QFile::remove(level1 + QLatin1Char('/') + files.at(i));
        run.click(ScreenId::frmStart, QStringLiteral("cmdDeutsch"));
        QVERIFY(!run.screens.isLoaded(ScreenId::frmGame));
        QCOMPARE(run.dialogs.calls.size(), 1);

        run.control<QAction>(ScreenId::frmStart, QStringLiteral("Mentor"))->trigger();
        run.control<QLineEdit>(ScreenId::frmlogin, QStringLiteral("txtname"))
            ->setText(QStringLiteral("Mentor"));
        run.control<QLineEdit>(ScreenId::frmlogin, QStringLiteral("txtpasswort"))
            ->setText(QStringLiteral("Tafelkreide7"));
        run.click(ScreenId::frmlogin, QStringLiteral("cmdOK"));
        run.settle();
        QVERIFY(!run.screens.isLoaded(ScreenId::frmlogin));
        QVERIFY(run.screens.isVisible(ScreenId::frmbenutzer));

        // A photo from somewhere outside the library, saved as "Schlüssel".
        const QString photos = run.root() + QStringLiteral("/Fotos");
        QVERIFY(picturetree::writeImage(photos + QStringLiteral("/IMG_0042.JPG"), QSize(640, 480)));
        auto *manager = dynamic_cast<ManagerScreen *>(run.screens.instance(ScreenId::frmbenutzer));
        manager->control<FolderList>(QStringLiteral("Dirverzeichnis"))->setPath(photos);
        auto *fileList = manager->control<FileList>(QStringLiteral("filanzeige"));
        QCOMPARE(fileList->count(), 1);
        fileList->setCurrentRow(0);
        manager->filanzeige_Click();
        manager->control<QLineEdit>(QStringLiteral("txteingabe"))
            ->setText(QStringLiteral("Schlüssel"));
        run.dialogs.answers.clear();
        run.dialogs.answers.enqueue(true);
        run.click(ScreenId::frmbenutzer, QStringLiteral("cmdspeichernd1"));
        QVERIFY(QFile::exists(level1 + QStringLiteral("/Schlüssel.jpg")));
        run.click(ScreenId::frmbenutzer, QStringLiteral("cmdzurück"));

        run.click(ScreenId::frmStart, QStringLiteral("cmdDeutsch"));
        QVERIFY(run.screens.isVisible(ScreenId::frmGame));
        auto *game = dynamic_cast<GameScreen *>(run.screens.instance(ScreenId::frmGame));
        const int slot = int(std::find(game->slotWords().begin(), game->slotWords().end(),
                                       QStringLiteral("Schlüssel")) -
                             game->slotWords().begin());
        QVERIFY(slot < 25);
        QTest::mouseClick(game->control<ImageBox>(QStringLiteral("img(%1)").arg(slot)),
                          Qt::LeftButton);
        QCOMPARE(game->targetWord(), QStringLiteral("Schlüssel"));
        run.spellAndCheck(game, QStringLiteral("Schlüssel"));
        QVERIFY(game->control<ImageBox>(QStringLiteral("img(%1)").arg(slot))->isHidden());
    }

    void programEndsOnlyWithTheLastScreen() {
        Run run;
        run.skipIntro();
        run.click(ScreenId::frmStart, QStringLiteral("cmdEnglisch"));
        run.screens.instance(ScreenId::frmStart)->window()->close();
        run.settle();
        QVERIFY(!run.ended);
        // The game plays on without the start screen behind it.
        auto *game = dynamic_cast<GameScreen *>(run.screens.instance(ScreenId::frmGameE1));
        run.pickPicture(game);
        run.spellAndCheck(game, game->targetWord());
        run.settle();
        QVERIFY(!run.ended);
        game->window()->close();
        run.settle();
        QVERIFY(run.ended);
    }

    void gameOverEndWithAnotherScreenOpen() {
        Run run;
        run.skipIntro();
        run.click(ScreenId::frmStart, QStringLiteral("cmdEnglisch"));
        run.click(ScreenId::frmStart, QStringLiteral("cmdDeutsch"));
        auto *german = dynamic_cast<GameScreen *>(run.screens.instance(ScreenId::frmGame));
        run.pickPicture(german);
        for (int i = 0; i < 5; ++i)
            run.spellAndCheck(german, QString());
        run.click(ScreenId::frmspielende, QStringLiteral("cmdende"));
        run.settle();
        QVERIFY(!run.screens.isLoaded(ScreenId::frmStart));
        QVERIFY(!run.ended);
        QVERIFY(run.screens.isVisible(ScreenId::frmGameE1));
        run.screens.instance(ScreenId::frmGameE1)->window()->close();
        run.settle();
        QVERIFY(run.ended);
    }
};

QTEST_MAIN(TestFullRun)
#include "test_fullrun.moc"
