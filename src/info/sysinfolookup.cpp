#include "sysinfolookup.h"

#include "registryreader.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

namespace sysinfo {

const QString pathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString pathValue = QStringLiteral("PATH");
const QString folderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString folderValue = QStringLiteral("MSINFO");
const QString programFile = QStringLiteral("MSINFO32.EXE");

KeyRead getKeyValue(const RegistryReader &registry, const QString &keyPath,
                    const QString &valueName, QString &text) {
    const std::optional<RegistryReader::Value> value = registry.read(keyPath, valueName);
    if (!value) {
        text.clear();
        return KeyRead::NotRead;
    }
    QByteArray bytes = value->data;
    if (bytes.isEmpty())
        return KeyRead::Failed;
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    if (value->type == RegistryReader::String) {
        text = QString::fromLocal8Bit(bytes);
    } else if (value->type == RegistryReader::Dword) {
        QByteArray number = value->data.left(4);
        number.append(QByteArray(4 - number.size(), '\0'));
        text = QStringLiteral("&h") +
               QString::number(qFromLittleEndian<quint32>(number.constData()), 16).toUpper();
    }
    return KeyRead::Read;
}

std::optional<QString> findProgram(const RegistryReader &registry) {
    QString path;
    switch (getKeyValue(registry, pathKey, pathValue, path)) {
    case KeyRead::Read:
        // Taken unchanged: whether it exists shows when it is started.
        return path;
    case KeyRead::Failed:
        return std::nullopt;
    case KeyRead::NotRead:
        break;
    }
    if (getKeyValue(registry, folderKey, folderValue, path) != KeyRead::Read)
        return std::nullopt;
    const QString candidate = QDir::fromNativeSeparators(path) + QLatin1Char('/') + programFile;
    if (!QFileInfo(candidate).isFile())
        return std::nullopt;
    return QDir::toNativeSeparators(candidate);
}

} // namespace sysinfo
