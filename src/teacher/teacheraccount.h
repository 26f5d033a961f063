#pragma once

#include <QString>

// The one teacher account built into the program.
namespace teacheraccount {

// True only when both texts equal the account's, exactly: no blanks trimmed,
// no letter case folded. Both are always checked, in time that does not
// depend on where a wrong password differs.
bool accepts(const QString &name, const QString &password);

} // namespace teacheraccount
