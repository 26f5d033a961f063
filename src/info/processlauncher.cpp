#include "processlauncher.h"

#include <QProcess>

bool ProcessLauncher::start(const QString &program) {
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
