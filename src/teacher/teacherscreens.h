#pragma once

class Screens;

// The login, the picture-library manager and its instructions window.
void registerTeacherScreens(Screens &screens);
