#include "registerinfo.h"

#include "aboutscreen.h"
#include "app/screens.h"
#include "instructionsscreen.h"

void registerInfoScreens(Screens &screens) {
    screens.registerScreen(ScreenId::frmAbout,
                           [](Screens &s) { return std::make_unique<AboutScreen>(s); });
    screens.registerScreen(ScreenId::frmanleitungspiel,
                           [](Screens &s) { return std::make_unique<InstructionsScreen>(s); });
}
