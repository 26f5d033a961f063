#include "fakeservices.h"

#include "game/boardlayout.h"
#include "game/levelclock.h"
#include "game/levelspec.h"
#include "game/randomdraws.h"

#include <QtTest>

using boardlayout::Board;

class TestGameLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void levelTable_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("complete");
        QTest::addColumn<int>("gameOver");
        QTest::addColumn<QColor>("back");
        const auto row = [](const char *name, ScreenId s, const char *folder, const char *check,
                            ScreenId complete, ScreenId over, QColor back) {
            QTest::newRow(name) << int(s) << QString::fromLatin1(folder) << QString::fromUtf8(check)
                                << int(complete) << int(over) << back;
        };
        using S = ScreenId;
        const QColor red(128, 0, 0), grey(224, 224, 224);
        row("frmGame", S::frmGame, "Pics\\BilderD\\Level1", "Prüfen", S::frmWin, S::frmspielende,
            red);
        row("frmGameD2", S::frmGameD2, "Pics\\BilderD\\Level2", "Prüfen", S::frmWinD2,
            S::frmspielende, red);
        row("frmGameD3", S::frmGameD3, "Pics\\BilderD\\Level3", "Prüfen", S::frmWinD3,
            S::frmspielende, red);
        row("frmGameE1", S::frmGameE1, "Pics\\BilderE\\Level1", "Examine", S::frmWinE1,
            S::frmGameOver, grey);
        row("frmGameE2", S::frmGameE2, "Pics\\BilderE\\Level2", "Examine ", S::frmWinE2,
            S::frmGameOver, red);
        row("frmGameE3", S::frmGameE3, "Pics\\BilderE\\Level3", "Examine ", S::frmWinE3,
            S::frmGameOver, grey);
    }
    void levelTable() {
        QFETCH(int, screen);
        const LevelSpec *spec = levelSpecFor(ScreenId(screen));
        QVERIFY(spec);
        QFETCH(QString, folder);
        QFETCH(QString, check);
        QFETCH(int, complete);
        QFETCH(int, gameOver);
        QFETCH(QColor, back);
        QCOMPARE(spec->pictureFolder, folder);
        QCOMPARE(spec->checkCaption, check);
        QCOMPARE(int(spec->completeScreen), complete);
        QCOMPARE(int(spec->gameOverScreen), gameOver);
        QCOMPARE(spec->backColor, back);
        const bool german = spec->language == Language::German;
        QCOMPARE(spec->livesCaption, german ? QStringLiteral("Leben:") : QStringLiteral("Lifes:"));
        QCOMPARE(spec->wrongAnswerText, german ? QStringLiteral("Diese Antwort ist leider Falsch")
                                               : QStringLiteral("This answer is not correct"));
        QVERIFY(!levelSpecFor(ScreenId::frmStart));
    }

    // Slot left edges of the designed board, row by row.
    void designGrid_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QList<int>>("lefts");
        const QList<int> plain = {840, 2400, 3960, 5520, 7080};
        const auto grid = [&](int l9, int l14, int l23, int l24) {
            QList<int> out;
            for (int k = 0; k < 25; ++k)
                out << plain[k % 5];
            out[9] = l9;
            out[14] = l14;
            out[23] = l23;
            out[24] = l24;
            return out;
        };
        QTest::newRow("frmGame") << int(ScreenId::frmGame) << grid(6960, 7080, 5520, 7080);
        QTest::newRow("frmGameD2") << int(ScreenId::frmGameD2) << grid(7080, 6960, 5520, 7080);
        // Slots 23 and 24 swap columns on the third German level.
        QTest::newRow("frmGameD3") << int(ScreenId::frmGameD3) << grid(7080, 7080, 7080, 5640);
        QTest::newRow("frmGameE1") << int(ScreenId::frmGameE1) << grid(7080, 6960, 5520, 7080);
        QTest::newRow("frmGameE3") << int(ScreenId::frmGameE3) << grid(7080, 7080, 5520, 7080);
    }
    void designGrid() {
        QFETCH(int, screen);
        QFETCH(QList<int>, lefts);
        const LevelSpec &spec = *levelSpecFor(ScreenId(screen));
        const int tops[] = {480, 2040, 3600, 5160, 6720};
        for (int k = 0; k < 25; ++k)
            QCOMPARE(boardlayout::designSlot(spec, k), QRect(lefts[k], tops[k / 5], 1575, 1575));
    }

    void boards_data() {
        QTest::addColumn<int>("board");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QRect>("rect");
        const int large = int(Board::Large), small = int(Board::Small);
        QTest::newRow("large 0") << large << 0 << QRect(840, 480, 1575, 1575);
        QTest::newRow("large 4") << large << 4 << QRect(7140, 480, 1575, 1575);
        QTest::newRow("large 9") << large << 9 << QRect(7140, 2040, 1575, 1575);
        QTest::newRow("large 13") << large << 13 << QRect(5565, 3600, 1575, 1575);
        QTest::newRow("large 24") << large << 24 << QRect(7140, 6720, 1575, 1575);
        QTest::newRow("small 0") << small << 0 << QRect(840, 840, 459, 459);
        QTest::newRow("small 6") << small << 6 << QRect(1299, 1320, 459, 459);
        QTest::newRow("small 18") << small << 18 << QRect(2217, 2280, 459, 459);
        QTest::newRow("small 24") << small << 24 << QRect(2676, 2760, 459, 459);
    }
    void boards() {
        QFETCH(int, board);
        QFETCH(int, slot);
        QFETCH(QRect, rect);
        QCOMPARE(boardlayout::slot(Board(board), slot), rect);
    }

    void backgroundLiesBehindTheBoard() {
        for (const Board b : {Board::Large, Board::Small}) {
            const QRect bg = boardlayout::background(b);
            const QRect first = boardlayout::slot(b, 0);
            QCOMPARE(bg.left(), first.left());
            QCOMPARE(bg.top(), first.top());
            QCOMPARE(bg.right(), boardlayout::slot(b, 4).right());
        }
        QCOMPARE(boardlayout::background(Board::Large), QRect(840, 480, 7875, 7815));
        QCOMPARE(boardlayout::background(Board::Small), QRect(840, 840, 2295, 2380));
    }

    void distinctDrawsRepeatOnCollision() {
        ScriptedRandom random;
        // 0.1 * 10 = 1 again after the first pick; 0.99 would be 9; 0.5 gives 5.
        random.script({0.1, 0.1, 0.15, 0.99, 0.12, 0.5});
        QCOMPARE(randomdraws::distinct(random, 3, 10), QVector<int>({1, 9, 5}));
        QCOMPARE(random.drawCount, 6);
        // Asking for more than there is would never end.
        QVERIFY(randomdraws::distinct(random, 4, 3).isEmpty());
        QCOMPARE(random.drawCount, 6);
    }

    void permutationCoversEveryIndexOnce() {
        ScriptedRandom random;
        QVector<int> perm = randomdraws::permutation(random, 13);
        std::sort(perm.begin(), perm.end());
        QVector<int> all(13);
        std::iota(all.begin(), all.end(), 0);
        QCOMPARE(perm, all);
        QVERIFY(randomdraws::permutation(random, 0).isEmpty());
    }

    void levelSecondsCountOnAcrossMidnight_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("now");
        QTest::addColumn<int>("seconds");
        QTest::newRow("same second") << 36000 << 36000 << 0;
        QTest::newRow("3:07") << 36000 << 36187 << 187;
        QTest::newRow("across midnight") << 86390 << 5 << 15;
        QTest::newRow("started at midnight") << 0 << 86399 << 86399;
    }
    void levelSecondsCountOnAcrossMidnight() {
        QFETCH(int, start);
        QFETCH(int, now);
        QFETCH(int, seconds);
        QCOMPARE(levelSeconds(start, now), seconds);
    }
};

QTEST_MAIN(TestGameLayout)
#include "test_gamelayout.moc"
