#include "registerinfo.h"

#include "aboutscreen.h"
#include "app/documentscreen.h"
#include "app/screens.h"
#include "gameinstructions.h"

void registerInfoScreens(Screens &screens) {
    screens.registerScreen(ScreenId::frmAbout,
                           [](Screens &s) { return std::make_unique<AboutScreen>(s); });
    screens.registerScreen(ScreenId::frmanleitungspiel, [](Screens &s) {
        return std::make_unique<DocumentScreen>(
            s, ScreenId::frmanleitungspiel,
            DocumentScreen::Layout{QStringLiteral("Anleitung für das Spiel"), QSize(7425, 5595),
                                   QStringLiteral("rtfanleitung2"), QSize(7455, 5655),
                                   gameinstructions::makeDocument});
    });
}
