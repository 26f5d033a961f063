#include "teacheraccount.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace teacheraccount {

namespace {
const QString userName = QStringLiteral("Mentor");

// SHA-256 over salt + UTF-8 password. Only the digest is kept, so reading
// the program file does not reveal the password.
const char saltHex[] = "eba0a50a09c87bb63b43909f78f1f4e7";
const char digestHex[] = "69dec1c3daadfb4ed8b9053a0c075f7b7244a1bfc73013d5f54a5f6dd8f0cab2";

// Looks at every byte whatever differs, so the time taken tells nothing.
bool sameBytes(const QByteArray &a, const QByteArray &b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}
} // namespace

bool accepts(const QString &name, const QString &password) {
    const QByteArray salt = QByteArray::fromHex(saltHex);
    const QByteArray digest =
        QCryptographicHash::hash(salt + password.toUtf8(), QCryptographicHash::Sha256);
    const bool passwordMatches = sameBytes(digest, QByteArray::fromHex(digestHex));
    const bool nameMatches = sameBytes(name.toUtf8(), userName.toUtf8());
    return passwordMatches & nameMatches;
}

} // namespace teacheraccount
