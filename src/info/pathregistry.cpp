#include "pathregistry.h"

#include "sysinfolookup.h"

#include <QStandardPaths>

namespace {
// Desktop system-information and monitor programs, best match first.
const char *const programs[] = {"hardinfo", "kinfocenter", "gnome-system-monitor",
                                "mate-system-monitor"};
} // namespace

PathRegistry::PathRegistry(QStringList searchPaths)
    : m_searchPaths(std::move(searchPaths)) {}

std::optional<RegistryReader::Value> PathRegistry::read(const QString &keyPath,
                                                        const QString &valueName) const {
    // Registry names ignore letter case.
    if (keyPath.compare(sysinfo::pathKey, Qt::CaseInsensitive) != 0 ||
        valueName.compare(sysinfo::pathValue, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    for (const char *program : programs) {
        const QString found =
            QStandardPaths::findExecutable(QString::fromLatin1(program), m_searchPaths);
        if (!found.isEmpty())
            return Value::text(found);
    }
    return std::nullopt;
}
