#include "teacherscreens.h"

#include "app/screens.h"
#include "loginscreen.h"
#include "managerinstructionsscreen.h"
#include "managerscreen.h"

void registerTeacherScreens(Screens &screens) {
    screens.registerScreen(ScreenId::frmlogin,
                           [](Screens &s) { return std::make_unique<LoginScreen>(s); });
    screens.registerScreen(ScreenId::frmbenutzer,
                           [](Screens &s) { return std::make_unique<ManagerScreen>(s); });
    screens.registerScreen(ScreenId::frmbenutzeranleitung, [](Screens &s) {
        return std::make_unique<ManagerInstructionsScreen>(s);
    });
}
