#include "levelcompletelayout.h"

#include "resulttexts.h"

#include <stdexcept>

namespace {
const char *const nextLevelDe = "Weiter zum nächsten Level";
const char *const nextLevelEn = "next level";
const char *const elapsedEn = "elapsed time:";

const NameEntrySpec germanName{"txtname",         {2760, 6360}, 4,
                               "lblnameeingeben", {3000, 6000}, "Hier deinen Namen eingeben:",
                               "lblurkunde",      {3000, 6960}, "Und dann ab zur Urkunde",
                               "lblname"};

const NameEntrySpec englishName{"txtname1",         {2760, 6240}, 5,
                                "lblnameeingeben1", {2880, 5880}, "Here enter your name:",
                                "lblurkunde1",      {3000, 6840}, "and then to the certificate",
                                "lblname1"};

// clang-format off
// screen, game, next, field, title, time text, button text, size, family,
// banner, lblwin, lblText + width, gebrauchteZeit + width, cmdweiter + width
const std::vector<LevelCompleteSpec> specs = {
    {ScreenId::frmWin, ScreenId::frmGame, ScreenId::frmGameD2, &PlayState::zeitD1,
     "Level 1 beendet", "Benötigte Zeit für Level 1", nextLevelDe, 8.25, nullptr,
     {1200, 120}, {1080, 3720}, {1920, 5040}, 5655, {3360, 5880}, 2655, {3720, 6840}, 1935, nullptr},
    {ScreenId::frmWinD2, ScreenId::frmGameD2, ScreenId::frmGameD3, &PlayState::zeitD2,
     "Level 2 beendet", "Benötigte Zeit für Level 2", nextLevelDe, 8.25, nullptr,
     {960, 120}, {960, 3600}, {1920, 5160}, 5655, {3360, 5880}, 2655, {3720, 6840}, 1935, nullptr},
    {ScreenId::frmWinD3, ScreenId::frmGameD3, ScreenId::frmUrkunde, &PlayState::zeitD3,
     "Level 3 beendet", "Benötigte Zeit für Level 3", certificateDe, 15.75, nullptr,
     {1080, 0}, {1080, 3480}, {1920, 4680}, 5655, {3360, 5280}, 2655, {3720, 7320}, 1935, &germanName},
    {ScreenId::frmWinE1, ScreenId::frmGameE1, ScreenId::frmGameE2, &PlayState::zeitE1,
     "Level 1 finished", "elapsed time for Level 1", nextLevelEn, 8.25, "MS Sans Serif",
     {720, 240}, {720, 3840}, {2040, 5040}, 5535, {3480, 5880}, 2535, {4200, 6840}, 1215, nullptr},
    {ScreenId::frmWinE2, ScreenId::frmGameE2, ScreenId::frmGameE3, &PlayState::zeitE2,
     "Level 2 finished", elapsedEn, nextLevelEn, 8.25, nullptr,
     {1080, 240}, {1080, 3720}, {2160, 5280}, 5175, {3480, 6000}, 2535, {4200, 6960}, 1215, nullptr},
    {ScreenId::frmWinE3, ScreenId::frmGameE3, ScreenId::frmUrkundeE, &PlayState::zeitE3,
     "Level 3 finished", elapsedEn, "certificate", 14.25, nullptr,
     {960, 0}, {960, 3480}, {2040, 4560}, 5175, {3240, 5160}, 2655, {3600, 7200}, 1935, &englishName},
};
// clang-format on
} // namespace

const std::vector<LevelCompleteSpec> &levelCompleteSpecs() {
    return specs;
}

const LevelCompleteSpec &levelCompleteSpec(ScreenId screen) {
    for (const LevelCompleteSpec &s : specs) {
        if (s.screen == screen)
            return s;
    }
    throw std::invalid_argument("not a level-complete screen");
}

std::vector<ControlSpec> levelCompleteLayout(const LevelCompleteSpec &s) {
    using namespace controls;
    const Qt::Alignment centred = Qt::AlignCenter;
    std::vector<ControlSpec> out = {
        button("cmdweiter", QRect(s.buttonAt, QSize(s.buttonWidth, 615)), s.buttonText,
               s.buttonPointSize, s.buttonFamily),
        image("imgbg", -1, QRect(s.bannerAt, QSize(7455, 3735)), ""),
        label("lblwin", QRect(s.titleAt, QSize(7575, 1215)), s.title, 48, centred),
        label("lblText", QRect(s.timeTextAt, QSize(s.timeTextWidth, 615)), s.timeText, 21.75,
              centred),
        label("gebrauchteZeit", QRect(s.timeAt, QSize(s.timeWidth, 735)), "", 21.75, centred),
    };
    if (const NameEntrySpec *n = s.nameEntry) {
        const auto ink = ControlSpec::Ink::Default;
        out.push_back(textBox(n->box, QRect(n->boxAt, QSize(3735, 495)), 12));
        out.push_back(label(n->prompt, QRect(n->promptAt, QSize(3375, 255)), n->promptText, 9.75,
                            centred, ink));
        out.push_back(
            label(n->hint, QRect(n->hintAt, QSize(3375, 255)), n->hintText, 9.75, centred, ink));
    }
    return out;
}
