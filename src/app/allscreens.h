#pragma once

class Screens;

// Registers every screen of the program with the manager.
void registerAllScreens(Screens &screens);
