#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads values of the system registry below HKEY_LOCAL_MACHINE, the only
// root the program looks in.
class RegistryReader {
public:
    enum Type : quint32 { String = 1, Dword = 4 };

    // A value as the registry hands it out: its type and its raw bytes
    // (ANSI text with the closing zero, or four little-endian bytes).
    struct Value {
        quint32 type = 0;
        QByteArray data;

        static Value text(const QString &text);
        static Value dword(quint32 number);
    };

    virtual ~RegistryReader() = default;
    // Empty when the key cannot be opened or the value cannot be read.
    virtual std::optional<Value> read(const QString &keyPath, const QString &valueName) const = 0;
};
