#include "systemregistry.h"

#ifdef Q_OS_WIN
#include "windowsregistry.h"
#else
#include "pathregistry.h"
#endif

std::unique_ptr<RegistryReader> makeSystemRegistry() {
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<PathRegistry>();
#endif
}
