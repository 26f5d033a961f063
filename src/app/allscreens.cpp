#include "allscreens.h"

#include "game/gamescreens.h"
#include "info/registerinfo.h"
#include "intro/registerintro.h"
#include "results/resultscreens.h"
#include "teacher/teacherscreens.h"

#include "screens.h"
#include "startscreen.h"

void registerAllScreens(Screens &screens) {
    screens.registerScreen(ScreenId::frmStart,
                           [](Screens &s) { return std::make_unique<StartScreen>(s); });
    registerIntroScreens(screens);
    registerInfoScreens(screens);
    registerResultScreens(screens);
    registerGameScreens(screens);
    registerTeacherScreens(screens);
}
