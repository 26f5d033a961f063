#include "windowsregistry.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

std::optional<RegistryReader::Value> WindowsRegistry::read(const QString &keyPath,
                                                           const QString &valueName) const {
    // Read access only: asking for write access fails for ordinary users.
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.toLocal8Bit().constData(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    QByteArray buffer(1024, '\0');
    DWORD type = 0;
    DWORD size = DWORD(buffer.size());
    const LONG result = RegQueryValueExA(key, valueName.toLocal8Bit().constData(), nullptr, &type,
                                         reinterpret_cast<LPBYTE>(buffer.data()), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    buffer.truncate(int(size));
    return Value{quint32(type), buffer};
}
#endif
