#pragma once

#include "registryreader.h"

#include <QStringList>

// Where there is no registry: answers the lookup of the system-information
// program's path with an installed system-information program found on
// the search path; every other value is missing.
class PathRegistry : public RegistryReader {
public:
    // `searchPaths` empty: the PATH of the environment.
    explicit PathRegistry(QStringList searchPaths = {});

    std::optional<Value> read(const QString &keyPath, const QString &valueName) const override;

private:
    QStringList m_searchPaths;
};
