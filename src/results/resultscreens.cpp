#include "resultscreens.h"

#include "certificatescreen.h"
#include "gameoverscreen.h"
#include "levelcompletescreen.h"

#include "app/screens.h"

void registerResultScreens(Screens &screens) {
    for (const LevelCompleteSpec &spec : levelCompleteSpecs()) {
        screens.registerScreen(spec.screen, [&spec](Screens &s) {
            return std::make_unique<LevelCompleteScreen>(s, spec);
        });
    }
    for (ScreenId id : {ScreenId::frmspielende, ScreenId::frmGameOver}) {
        const GameOverSpec &spec = gameOverSpec(id);
        screens.registerScreen(
            id, [&spec](Screens &s) { return std::make_unique<GameOverScreen>(s, spec); });
    }
    for (ScreenId id : {ScreenId::frmUrkunde, ScreenId::frmUrkundeE}) {
        const CertificateSpec &spec = certificateSpec(id);
        screens.registerScreen(
            id, [&spec](Screens &s) { return std::make_unique<CertificateScreen>(s, spec); });
    }
}
