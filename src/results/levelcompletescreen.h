#pragma once

#include "levelcompletelayout.h"

#include "app/screen.h"

// One level-complete screen: shows and stores the time of the level just
// finished, and leads on to the next level or, after level 3, to the
// certificate with the typed name.
class LevelCompleteScreen : public Screen {
public:
    LevelCompleteScreen(Screens &screens, const LevelCompleteSpec &spec);

    void cmdweiter_Click();

protected:
    void build(ScreenWindow &window) override;
    void formLoad() override;

private:
    void toNextLevel();
    void toCertificate();

    const LevelCompleteSpec &m_spec;
};
