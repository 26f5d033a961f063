#pragma once

#include "screen.h"

// The hub: language choice, intro, teacher login, About box, instructions.
class StartScreen : public Screen {
public:
    explicit StartScreen(Screens &screens);

    void cmdDeutsch_Click();
    void cmdEnglisch_Click();
    void Deutsch_Click();
    void Englisch_Click();
    void Intro_Click();
    void Beenden_Click();
    void Mentor_Click();
    void Info_Click();
    void Anleitung_Click();

protected:
    void build(ScreenWindow &window) override;
};
