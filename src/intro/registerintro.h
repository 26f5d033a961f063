#pragma once

class Screens;

void registerIntroScreens(Screens &screens);
