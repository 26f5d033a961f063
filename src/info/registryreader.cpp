#include "registryreader.h"

#include <QtEndian>

RegistryReader::Value RegistryReader::Value::text(const QString &text) {
    QByteArray bytes = text.toLocal8Bit();
    bytes.append('\0');
    return {String, bytes};
}

RegistryReader::Value RegistryReader::Value::dword(quint32 number) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(number, bytes.data());
    return {Dword, bytes};
}
