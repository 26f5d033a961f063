#pragma once

#include "gameoverlayout.h"

#include "app/screen.h"

// Shown when the last life is gone: back to the start screen, or end.
class GameOverScreen : public Screen {
public:
    GameOverScreen(Screens &screens, const GameOverSpec &spec);

    void cmdanfang_Click();
    void cmdende_Click();

protected:
    void build(ScreenWindow &window) override;

private:
    const GameOverSpec &m_spec;
};
