#pragma once

#include "registryreader.h"

// The Windows registry through advapi32.
class WindowsRegistry : public RegistryReader {
public:
    std::optional<Value> read(const QString &keyPath, const QString &valueName) const override;
};
