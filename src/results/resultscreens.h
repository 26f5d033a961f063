#pragma once

class Screens;

// Level-complete, game-over and certificate screens.
void registerResultScreens(Screens &screens);
