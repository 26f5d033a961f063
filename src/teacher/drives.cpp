#include "drives.h"

#include <QDir>
#include <QStorageInfo>

namespace drives {

namespace {
bool isMediaMount(const QString &rootPath) {
    for (const char *base : {"/media/", "/mnt/", "/run/media/"}) {
        if (rootPath.startsWith(QLatin1String(base)))
            return true;
    }
    return false;
}

bool holds(const QString &drivePath, const QString &path) {
    if (drivePath == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == drivePath || path.startsWith(drivePath + QLatin1Char('/'));
}
} // namespace

QList<Drive> offered(const QList<Volume> &volumes, const QString &homePath) {
    QList<Drive> list{{QStringLiteral("/"), QStringLiteral("/")}};
    const QString home = QDir::cleanPath(homePath);
    if (!homePath.isEmpty() && home != QLatin1String("/"))
        list.append({home, home});
    for (const Volume &v : volumes) {
        const QString root = QDir::cleanPath(v.rootPath);
        if (!isMediaMount(root))
            continue;
        const bool labelled = !v.name.isEmpty() && !root.endsWith(QLatin1Char('/') + v.name);
        list.append({labelled ? QStringLiteral("%1 [%2]").arg(root, v.name) : root, root});
    }
    return list;
}

QList<Drive> mounted() {
    QList<Volume> volumes;
    for (const QStorageInfo &info : QStorageInfo::mountedVolumes())
        volumes.append({info.rootPath(), info.name()});
    return offered(volumes, QDir::homePath());
}

int indexHolding(const QList<Drive> &list, const QString &path) {
    int best = 0;
    qsizetype bestLength = -1;
    for (int i = 0; i < list.size(); ++i) {
        if (holds(list[i].path, path) && list[i].path.size() > bestLength) {
            best = i;
            bestLength = list[i].path.size();
        }
    }
    return best;
}

} // namespace drives
