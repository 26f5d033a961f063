#pragma once

#include "testapp.h"

#include "info/launcher.h"
#include "info/registryreader.h"

#include <QStringList>

// Starts nothing; remembers what it was asked to start.
class RecordingLauncher : public Launcher {
public:
    bool start(const QString &program) override {
        started << program;
        return true;
    }
    QStringList started;
};

// A registry without any values.
class EmptyRegistry : public RegistryReader {
public:
    std::optional<Value> read(const QString &, const QString &) const override {
        return std::nullopt;
    }
};

// The whole program with every screen registered and every service doubled,
// on a little picture library of its own.
struct ProgramFixture : TestApp {
    explicit ProgramFixture(int picturesPerLevel = 30);

    RecordingLauncher launcher;
    EmptyRegistry registry;
};
