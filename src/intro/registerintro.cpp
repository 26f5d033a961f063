#include "registerintro.h"

#include "app/screens.h"
#include "introscreen.h"

void registerIntroScreens(Screens &screens) {
    screens.registerScreen(ScreenId::frmintro,
                           [](Screens &s) { return std::make_unique<IntroScreen>(s); });
}
