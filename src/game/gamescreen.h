#pragma once

#include "app/screen.h"
#include "boardlayout.h"
#include "letterpictures.h"
#include "levelspec.h"

#include <QStringList>
#include <array>
#include <memory>

class ImageBox;
class LineShape;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

// One level: 25 pictures on a board; the child picks one, spells its word
// from falling letter tiles and checks it. All six level screens are this
// class, told apart by their row of the level table.
class GameScreen : public Screen {
public:
    static constexpr int tileCount = 13;
    static constexpr int lifeCount = 5;

    GameScreen(Screens &screens, const LevelSpec &spec);

    const LevelSpec &spec() const { return m_spec; }

    void img_Click(int index);
    void tmrfliegen_Timer();
    void imgbuchstabe_Click(int index);
    void imgloesung_Click(int index);
    void cmdPruefen_Click();
    void cmdzurueck_Click();
    void tmrZeit_Timer();

    const std::array<QString, boardlayout::slotCount> &slotWords() const { return m_slotWords; }
    int chosenSlot() const { return m_chosenSlot; }
    QString targetWord() const { return m_targetWord; }
    int letterCount() const { return m_letterCount; }
    QString answerText() const { return m_answerText; }
    int wrongAnswers() const { return m_wrongAnswers; }
    // Time of day the level started, in days.
    double levelStart() const;

protected:
    void build(ScreenWindow &window) override;
    void formLoad() override;
    void formTerminate() override;
    void discardControls() override;

private:
    void BuchstabenMischen();
    void applyBoard(boardlayout::Board board);
    void setTurnControlsVisible(bool visible);
    void enableSlots(bool enabled);
    void showBackground(boardlayout::Board board);
    void parkTiles();

    const LevelSpec &m_spec;

    std::array<QString, boardlayout::slotCount> m_slotWords;
    int m_chosenSlot = 0;
    QString m_targetWord;
    int m_letterCount = 0;
    QStringList m_wordLetters;
    QString m_answerText;
    int m_wrongAnswers = 0;
    int m_levelStartSeconds = 0;
    int m_shownSeconds = -1;
    std::unique_ptr<LetterPictures> m_letters;

    std::array<ImageBox *, boardlayout::slotCount> m_slots{};
    std::array<ImageBox *, tileCount> m_tiles{};
    std::array<ImageBox *, tileCount> m_answers{};
    std::array<ImageBox *, lifeCount> m_heads{};
    std::array<LineShape *, 4> m_lines{};
    ImageBox *m_background = nullptr;
    ImageBox *m_big = nullptr;
    QLabel *m_lives = nullptr;
    QLabel *m_clock = nullptr;
    QPushButton *m_giveUp = nullptr;
    QPushButton *m_check = nullptr;
    QListWidget *m_levelList = nullptr;
    QListWidget *m_backgroundList = nullptr;
    QTimer *m_fall = nullptr;
    QTimer *m_clockTimer = nullptr;
};
