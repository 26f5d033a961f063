#pragma once

#include "fakeservices.h"

#include "app/playstate.h"
#include "app/screens.h"
#include "library/picturelibrary.h"

#include <QTemporaryDir>

// A whole program with test doubles, rooted in a temporary working folder.
struct TestApp {
    TestApp();

    // Lets queued work run (deferred deletes, the end-of-program check).
    static void settle();
    QString root() const { return dir.path(); }

    QTemporaryDir dir;
    FakeClock clock;
    ScriptedRandom random;
    RecordingDialogs dialogs;
    Services services;
    PlayState play;
    PictureLibrary library;
    Screens screens;
    bool ended = false;
};
