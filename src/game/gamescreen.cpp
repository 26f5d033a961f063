#include "gamescreen.h"

#include "app/art.h"
#include "app/duration.h"
#include "app/imagebox.h"
#include "app/lineshape.h"
#include "app/look.h"
#include "app/playstate.h"
#include "app/screens.h"
#include "app/services.h"
#include "app/twips.h"
#include "levelclock.h"
#include "levelsetup.h"
#include "library/picturelibrary.h"
#include "randomdraws.h"
#include "wrappingbutton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace {
constexpr int clientWidth = 11820;
constexpr int clientHeight = 9000;
constexpr int tileSide = 735;
constexpr int fallStep = 20;
const QRect bigPicture(0, 480, 4215, 3975); // Left comes from the level's row
const QString clockAtStart = QStringLiteral("00:00:00");
const QString fullLives = QStringLiteral("5");

// Decode no more pixels than the largest place a picture is shown: a word
// picture at most as the large picture or the level-complete banner, the
// background behind the whole board, a letter on its tile.
const QSize wordPicturePixels(497, 265);
const QSize backgroundPixels(525, 521);
const QSize letterPixels(49, 49);

QSize devicePixels(QSize size) {
    return size * qGuiApp->devicePixelRatio();
}

ImageBox *image(QWidget *parent, const char *name, int index, const QRect &rect) {
    auto *box = new ImageBox(parent, QString::fromUtf8(name), index);
    twips::place(box, rect);
    return box;
}
} // namespace

GameScreen::GameScreen(Screens &screens, const LevelSpec &spec)
    : Screen(screens, spec.screenName)
    , m_spec(spec) {}

double GameScreen::levelStart() const {
    return daysFromSeconds(m_levelStartSeconds);
}

void GameScreen::build(ScreenWindow &window) {
    window.setWindowTitle(appTitle);
    window.setBorder(ScreenWindow::Border::FixedSingle);
    window.setClientTwips(clientWidth, clientHeight);
    window.setBackColor(m_spec.backColor);
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_game.jpg")));
    QWidget *client = window.client();

    // Created back to front: the background behind the slots, the letter
    // tiles last so they fall in front of everything.
    m_background = image(client, "imgbg", -1, boardlayout::background(boardlayout::Board::Large));
    m_background->hide();
    for (int k = 0; k < boardlayout::slotCount; ++k) {
        m_slots[k] = image(client, "img", k, boardlayout::designSlot(m_spec, k));
        m_slots[k]->setClickable(true);
        QObject::connect(m_slots[k], &ImageBox::clicked, m_slots[k],
                         [this](int index) { img_Click(index); });
    }
    m_big = image(client, "Imgbig", -1, bigPicture.translated(m_spec.imgbigLeft, 0));
    m_big->hide();

    const auto listing = [&](const char *name, const QRect &rect) {
        auto *list = new QListWidget(client);
        list->setObjectName(QString::fromLatin1(name));
        twips::place(list, rect);
        list->hide();
        return list;
    };
    m_levelList = listing("File1", QRect(8880, 5640, 1935, 870));
    m_backgroundList = listing("File2", QRect(m_spec.file2Left, 3840, 1095, 1650));

    for (int k = 0; k < tileCount; ++k) {
        m_answers[k] = image(client, "imglösung", k, QRect(840 + 720 * k, 6720, 735, 735));
        m_answers[k]->setClickable(true);
        m_answers[k]->hide();
        QObject::connect(m_answers[k], &ImageBox::clicked, m_answers[k],
                         [this](int index) { imgloesung_Click(index); });
    }

    const QPoint frame[4][2] = {{{720, 6600}, {10800, 6600}},
                                {{720, 7560}, {10800, 7560}},
                                {{720, 6600}, {720, 7560}},
                                {{10800, 6600}, {10800, 7560}}};
    for (int i = 0; i < 4; ++i) {
        m_lines[i] =
            new LineShape(client, QStringLiteral("Line%1").arg(i + 1), frame[i][0], frame[i][1], 3);
        m_lines[i]->hide();
    }

    const Picture head = art::picture(QStringLiteral("lettuce_life.jpg"));
    for (int i = 0; i < lifeCount; ++i) {
        m_heads[i] = new ImageBox(client, QStringLiteral("Image%1").arg(i + 1));
        twips::place(m_heads[i], 2520 + 600 * i, 8520, 495, 495);
        m_heads[i]->setPicture(head);
    }

    const auto label = [&](const char *name, const QString &caption, const QRect &rect) {
        auto *l = new QLabel(caption, client);
        l->setObjectName(QString::fromLatin1(name));
        look::styleLabel(l, 24);
        twips::place(l, rect);
        return l;
    };
    label("lblSpieler", m_spec.livesCaption, QRect(840, 8400, 1815, 615));
    m_lives = label("lblLeben", fullLives, QRect(m_spec.lblLebenLeft, 8400, 495, 855));
    m_lives->hide();
    m_clock = label("lblZeit", clockAtStart, QRect(m_spec.lblZeitLeft, 8400, 2415, 735));

    const auto button = [&](const char *name, const QString &caption, int top,
                            void (GameScreen::*handler)()) {
        auto *b = new WrappingButton(caption, client);
        b->setObjectName(QString::fromUtf8(name));
        look::styleButton(b);
        twips::place(b, 9120, top, 1695, 615);
        b->hide();
        QObject::connect(b, &QPushButton::clicked, b, [this, handler] { (this->*handler)(); });
        return b;
    };
    m_giveUp = button("cmdzurück", m_spec.otherPictureCaption, 7680, &GameScreen::cmdzurueck_Click);
    m_check = button("cmdPrüfen", m_spec.checkCaption, 8400, &GameScreen::cmdPruefen_Click);

    for (int k = 0; k < tileCount; ++k) {
        m_tiles[k] = image(client, "imgbuchstabe", k, QRect(0, 0, tileSide, tileSide));
        m_tiles[k]->setClickable(true);
        m_tiles[k]->hide();
        QObject::connect(m_tiles[k], &ImageBox::clicked, m_tiles[k],
                         [this](int index) { imgbuchstabe_Click(index); });
    }

    const auto timer = [&](const char *name, int interval, void (GameScreen::*handler)()) {
        auto *t = new QTimer(&window);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(interval);
        QObject::connect(t, &QTimer::timeout, t, [this, handler] { (this->*handler)(); });
        return t;
    };
    m_fall = timer("tmrfliegen", 10, &GameScreen::tmrfliegen_Timer);
    m_clockTimer = timer("tmrZeit", 1, &GameScreen::tmrZeit_Timer);
}

void GameScreen::discardControls() {
    m_slots.fill(nullptr);
    m_tiles.fill(nullptr);
    m_answers.fill(nullptr);
    m_heads.fill(nullptr);
    m_lines.fill(nullptr);
    m_background = m_big = nullptr;
    m_lives = m_clock = nullptr;
    m_giveUp = m_check = nullptr;
    m_levelList = m_backgroundList = nullptr;
    m_fall = m_clockTimer = nullptr;
}

void GameScreen::parkTiles() {
    for (int k = 0; k < tileCount; ++k)
        twips::place(m_tiles[k], tileSide * k, -tileSide, tileSide, tileSide);
}

void GameScreen::formLoad() {
    Services &s = services();
    s.random->randomize();

    m_clockTimer->start();
    playState().levelZeit = 0;
    m_wrongAnswers = 0;
    m_levelStartSeconds = s.clock->secondsSinceMidnight();
    m_shownSeconds = -1;

    parkTiles();

    m_letters = std::make_unique<LetterPictures>(library(), devicePixels(letterPixels));
    LevelSetup setup(library(), *m_letters, *s.random);
    setup.setBounds(devicePixels(wordPicturePixels), devicePixels(backgroundPixels));
    const LevelPictures level = setup.prepare(m_spec.pictureFolder);
    m_levelList->addItems(level.levelFiles);
    m_backgroundList->addItems(level.backgroundFiles);
    if (!level.problem.isEmpty()) {
        s.dialogs->message(level.problem, appTitle, Dialogs::Icon::Warning);
        abortLoad();
        return;
    }

    m_background->hide();
    for (int i = 0; i < boardlayout::slotCount; ++i) {
        m_slots[i]->setPicture(level.pictures[i]);
        m_slotWords[i] = level.words[i];
    }
    m_levelList->setCurrentRow(level.levelFiles.indexOf(level.files.back()));
    m_backgroundList->setCurrentRow(level.backgroundIndex);
    m_background->setPicture(level.background);
}

void GameScreen::formTerminate() {
    screens().unload(id());
}

void GameScreen::applyBoard(boardlayout::Board board) {
    for (int k = 0; k < boardlayout::slotCount; ++k)
        twips::place(m_slots[k], boardlayout::slot(board, k));
}

void GameScreen::showBackground(boardlayout::Board board) {
    twips::place(m_background, boardlayout::background(board));
    m_background->show();
}

void GameScreen::setTurnControlsVisible(bool visible) {
    for (LineShape *line : m_lines)
        line->setVisible(visible);
    m_check->setVisible(visible);
    m_giveUp->setVisible(visible);
}

void GameScreen::enableSlots(bool enabled) {
    for (ImageBox *slot : m_slots)
        slot->setEnabled(enabled);
}

void GameScreen::img_Click(int index) {
    showBackground(boardlayout::Board::Small);
    setTurnControlsVisible(true);
    m_chosenSlot = index;
    m_targetWord = m_slotWords[index];
    applyBoard(boardlayout::Board::Small);

    m_wordLetters.clear();
    for (const QChar c : m_targetWord)
        m_wordLetters << QString(c);
    // Longer words never reach the board; the bound keeps the tiles safe.
    m_letterCount = qMin(int(m_wordLetters.size()), int(tileCount));

    m_big->setPicture(m_slots[index]->picture());
    m_big->show();
    BuchstabenMischen();
    for (int k = 0; k < m_letterCount; ++k)
        m_tiles[k]->show();
    // Enabled once, the fall runs on across turns until it has landed.
    if (!m_fall->isActive())
        m_fall->start();
    enableSlots(false);
}

void GameScreen::BuchstabenMischen() {
    const QVector<int> perm = randomdraws::permutation(*services().random, m_letterCount);
    for (int k = 0; k < m_letterCount; ++k) {
        ImageBox *tile = m_tiles[perm[k]];
        tile->setPicture(m_letters->picture(m_wordLetters[k]));
        tile->setTag(m_wordLetters[k]);
    }
}

void GameScreen::tmrfliegen_Timer() {
    for (ImageBox *tile : m_tiles) {
        const int top = twips::top(tile);
        if (clientHeight - top >= top)
            twips::setTop(tile, top + fallStep);
    }
}

void GameScreen::imgbuchstabe_Click(int index) {
    for (ImageBox *slot : m_answers) {
        if (slot->isHidden()) {
            slot->setPicture(m_tiles[index]->picture());
            slot->setTag(m_tiles[index]->tag());
            slot->show();
            m_tiles[index]->hide();
            return;
        }
    }
}

void GameScreen::imgloesung_Click(int index) {
    ImageBox *slot = m_answers[index];
    slot->hide();
    slot->setTag(QString());
    if (!slot->picture())
        return;
    for (ImageBox *tile : m_tiles) {
        if (tile->picture() == slot->picture()) {
            tile->show();
            return;
        }
    }
}

void GameScreen::cmdPruefen_Click() {
    int solved = 0;
    for (const ImageBox *slot : m_slots)
        solved += slot->isHidden();

    setTurnControlsVisible(false);
    m_big->hide();

    m_answerText.clear();
    for (const ImageBox *slot : m_answers)
        m_answerText += slot->tag();
    for (ImageBox *slot : m_answers)
        slot->setTag(QString());

    if (m_answerText == m_targetWord) {
        if (solved == boardlayout::slotCount - 1) {
            // The level-complete screen reads the time and the background
            // while it loads, so this screen goes only after it is shown.
            m_clockTimer->stop();
            screens().show(m_spec.completeScreen);
            unloadSelf();
            return;
        }
        applyBoard(boardlayout::Board::Large);
        enableSlots(true);
        for (int k = 0; k < m_letterCount; ++k) {
            m_tiles[k]->hide();
            m_answers[k]->hide();
        }
        m_slots[m_chosenSlot]->hide();
        showBackground(boardlayout::Board::Large);
        return;
    }

    const int livesLeft = m_lives->text().toInt() - 1;
    m_lives->setText(QString::number(livesLeft));
    services().dialogs->message(m_spec.wrongAnswerText, appTitle);
    // The program may have been ended while the message was open.
    if (!isLoaded())
        return;
    if (livesLeft >= 0 && livesLeft < lifeCount)
        m_heads[livesLeft]->hide();
    for (int k = 0; k < m_letterCount; ++k) {
        m_tiles[k]->show();
        m_answers[k]->hide();
    }
    setTurnControlsVisible(true);
    m_big->show();
    ++m_wrongAnswers;
    if (m_wrongAnswers >= lifeCount) {
        unloadSelf();
        screens().show(m_spec.gameOverScreen);
    }
}

void GameScreen::cmdzurueck_Click() {
    m_big->hide();
    applyBoard(boardlayout::Board::Large);
    enableSlots(true);
    for (int k = 0; k < m_letterCount; ++k) {
        m_tiles[k]->hide();
        m_answers[k]->hide();
        m_answers[k]->setTag(QString());
    }
    showBackground(boardlayout::Board::Large);
    setTurnControlsVisible(false);
}

void GameScreen::tmrZeit_Timer() {
    const int seconds = levelSeconds(m_levelStartSeconds, services().clock->secondsSinceMidnight());
    playState().levelZeit = daysFromSeconds(seconds);
    // Ticks come every millisecond; the text changes once a second.
    if (seconds != m_shownSeconds) {
        m_shownSeconds = seconds;
        m_clock->setText(formatDuration(playState().levelZeit));
    }
}
