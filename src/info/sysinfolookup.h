#pragma once

#include <QString>
#include <optional>

class RegistryReader;

// Where the system-information program is registered, and how it is found.
namespace sysinfo {

extern const QString pathKey; // full path of the program
extern const QString pathValue;
extern const QString folderKey; // folder that holds the program
extern const QString folderValue;
extern const QString programFile; // its file name inside that folder

enum class KeyRead {
    Read,    // the value was read (its text may still be empty)
    NotRead, // key or value missing or not readable
    Failed,  // the value holds no bytes at all: the lookup gives up
};

// One registry value as text. A text value is taken as it is, a number
// becomes "&h" and its hexadecimal digits, any other type leaves `text`
// as it was.
KeyRead getKeyValue(const RegistryReader &registry, const QString &keyPath,
                    const QString &valueName, QString &text);

// The program file to start: the registered path as it is, else the
// program in the registered folder if that file exists. Empty when there
// is nothing to start.
std::optional<QString> findProgram(const RegistryReader &registry);

} // namespace sysinfo
