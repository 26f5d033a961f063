#include "allscreens.h"
#include "info/processlauncher.h"
#include "info/systemregistry.h"
#include "library/picturelibrary.h"
#include "look.h"
#include "playstate.h"
#include "results/systemprinter.h"
#include "screens.h"
#include "systemservices.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(appTitle);
    QApplication::setQuitOnLastWindowClosed(false);
    look::install();

    SystemServices system;
    Services services = system.services();
    ProcessLauncher launcher;
    services.launcher = &launcher;
    SystemPrinter printer;
    services.printer = &printer;
    const std::unique_ptr<RegistryReader> registry = makeSystemRegistry();
    services.registry = registry.get();

    PlayState playState;
    PictureLibrary library(QDir::currentPath());
    Screens screens(services, playState, library);
    registerAllScreens(screens);
    QObject::connect(&screens, &Screens::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    screens.show(ScreenId::frmintro);
    return app.exec();
}
