#pragma once

#include "registryreader.h"

#include <memory>

// The registry of the system the program runs on.
std::unique_ptr<RegistryReader> makeSystemRegistry();
