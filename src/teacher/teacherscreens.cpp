#include "teacherscreens.h"

#include "app/documentscreen.h"
#include "app/screens.h"
#include "loginscreen.h"
#include "managerinstructions.h"
#include "managerscreen.h"

void registerTeacherScreens(Screens &screens) {
    screens.registerScreen(ScreenId::frmlogin,
                           [](Screens &s) { return std::make_unique<LoginScreen>(s); });
    screens.registerScreen(ScreenId::frmbenutzer,
                           [](Screens &s) { return std::make_unique<ManagerScreen>(s); });
    screens.registerScreen(ScreenId::frmbenutzeranleitung, [](Screens &s) {
        return std::make_unique<DocumentScreen>(
            s, ScreenId::frmbenutzeranleitung,
            DocumentScreen::Layout{QStringLiteral("Anleitung zum Erweitern der Bilder"),
                                   QSize(8190, 6600), QStringLiteral("rtfanleitung"),
                                   QSize(8175, 6615), managerinstructions::makeDocument});
    });
}
