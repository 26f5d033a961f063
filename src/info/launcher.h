#pragma once

#include <QString>

// Starts another program as a process of its own.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts `program` without waiting for it; false when it cannot be started.
    virtual bool start(const QString &program) = 0;
};
