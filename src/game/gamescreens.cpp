#include "gamescreens.h"

#include "app/screens.h"
#include "gamescreen.h"
#include "levelspec.h"

void registerGameScreens(Screens &screens) {
    for (const LevelSpec &spec : levelSpecs()) {
        screens.registerScreen(
            spec.screenName, [&spec](Screens &s) { return std::make_unique<GameScreen>(s, spec); });
    }
}
