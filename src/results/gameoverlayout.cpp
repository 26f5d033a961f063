#include "gameoverlayout.h"

#include "resulttexts.h"

#include <stdexcept>

namespace {
using namespace controls;

const char *const mascot = "mascot.jpg";

QRect letterAt(int left, int top) {
    return QRect(left, top, 615, 615);
}

const GameOverSpec english{
    ScreenId::frmGameOver,
    "Game Over",
    ScreenWindow::Border::FixedSingle,
    QSize(8850, 4680),
    "cmdanfang",
    "cmdende",
    {
        button("cmdende", QRect(5160, 3480, 2175, 615), "Game terminate"),
        button("cmdanfang", QRect(1560, 3480, 2175, 615), "Back to the beginning"),
        label("Label1", QRect(3240, 2400, 5295, 375),
              "Unfortunately not production, perhaps with next time!", 9.75, Qt::AlignCenter,
              ControlSpec::Ink::Default),
        image("Image9", -1, letterAt(5520, 1440), "letters/e.gif"),
        image("Image8", -1, letterAt(6240, 1440), "letters/r.gif"),
        image("Image7", -1, letterAt(3960, 720), "letters/a.gif"),
        image("Image6", -1, letterAt(4680, 720), "letters/m.gif"),
        image("Image5", -1, letterAt(5400, 720), "letters/e.gif"),
        image("Image4", -1, letterAt(4080, 1440), "letters/o.gif"),
        image("Image3", -1, letterAt(4800, 1440), "letters/v.gif"),
        image("Image2", -1, letterAt(3240, 720), "letters/g.gif"),
        image("Image1", -1, QRect(480, 720, 2415, 1935), mascot),
    },
};

// Sizable, but nothing moves the controls when the window is resized.
const GameOverSpec german{
    ScreenId::frmspielende,
    "Spiel beendet",
    ScreenWindow::Border::Sizable,
    QSize(8820, 4650),
    "cmdende",
    "cmdanfang",
    {
        button("cmdanfang", QRect(1080, 3360, 2175, 615), backToStartDe),
        button("cmdende", QRect(4680, 3360, 2175, 615), "Spiel beenden"),
        image("Image17", -1, letterAt(5400, 480), "letters/l.gif"),
        image("Image16", -1, letterAt(2640, 1320), "letters/b.gif"),
        image("Image13", -1, letterAt(4080, 1320), "letters/e.gif"),
        image("Image11", -1, letterAt(7080, 1320), "letters/t.gif"),
        image("Image1", -1, QRect(0, 600, 2415, 1935), mascot),
        image("Image2", -1, letterAt(2640, 480), "letters/s.gif"),
        image("Image3", -1, letterAt(4920, 1320), "letters/n.gif"),
        image("Image4", -1, letterAt(5640, 1320), "letters/d.gif"),
        image("Image5", -1, letterAt(4680, 480), "letters/e.gif"),
        image("Image6", -1, letterAt(4080, 480), "letters/i.gif"),
        image("Image7", -1, letterAt(3360, 480), "letters/p.gif"),
        image("Image8", -1, letterAt(6360, 1320), "letters/e.gif"),
        image("Image9", -1, letterAt(3360, 1320), "letters/e.gif"),
        label("Label1", QRect(2760, 2280, 5295, 375),
              "Leider nicht geschafft, vielleicht beim nächsten Mal!", 9.75, Qt::AlignCenter,
              ControlSpec::Ink::Default),
    },
};
} // namespace

const GameOverSpec &gameOverSpec(ScreenId screen) {
    if (screen == ScreenId::frmGameOver)
        return english;
    if (screen == ScreenId::frmspielende)
        return german;
    throw std::invalid_argument("not a game-over screen");
}
