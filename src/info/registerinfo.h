#pragma once

class Screens;

void registerInfoScreens(Screens &screens);
