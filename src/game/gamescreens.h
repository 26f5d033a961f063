#pragma once

class Screens;

// The six level screens, German and English levels 1 to 3.
void registerGameScreens(Screens &screens);
