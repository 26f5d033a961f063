#include "programfixture.h"

#include "app/allscreens.h"
#include "picturetree.h"

ProgramFixture::ProgramFixture(int picturesPerLevel) {
    picturetree::makeLibrary(root(), picturesPerLevel);
    services.launcher = &launcher;
    services.registry = &registry;
    registerAllScreens(screens);
}
