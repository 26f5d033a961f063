#pragma once

#include <QString>

constexpr double secondsPerDay = 86400.0;

// "h:mm:ss" of the time-of-day part of a duration in days, rounded to the
// nearest second; hours without a leading zero.
QString formatDuration(double days);

double daysFromSeconds(qint64 seconds);
