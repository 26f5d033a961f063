#include "duration.h"

#include <QtMath>

QString formatDuration(double days) {
    const qint64 day = 86400;
    const qint64 total = qRound64(days * secondsPerDay);
    const qint64 s = ((total % day) + day) % day;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

double daysFromSeconds(qint64 seconds) {
    return double(seconds) / secondsPerDay;
}
