#pragma once

#include "launcher.h"

class ProcessLauncher : public Launcher {
public:
    bool start(const QString &program) override;
};
