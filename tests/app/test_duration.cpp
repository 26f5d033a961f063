#include "app/duration.h"

#include <QtTest>

class TestDuration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void format_data() {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0:00:00";
        QTest::newRow("59 s") << daysFromSeconds(59) << "0:00:59";
        QTest::newRow("1:02:03") << daysFromSeconds(3723) << "1:02:03";
        QTest::newRow("23:59:59") << daysFromSeconds(86399) << "23:59:59";
        QTest::newRow("24 h + 5 s keeps the time of day") << daysFromSeconds(86405) << "0:00:05";
        QTest::newRow("25 h 5 s") << daysFromSeconds(90005) << "1:00:05";
        QTest::newRow("just below a second") << daysFromSeconds(1) - 1e-12 << "0:00:01";
        QTest::newRow("half a second rounds up") << 0.5 / secondsPerDay << "0:00:01";
        QTest::newRow("sum of day fractions")
            << (daysFromSeconds(600) + daysFromSeconds(750)) + daysFromSeconds(945) << "0:38:15";
    }
    void format() {
        QFETCH(double, days);
        QFETCH(QString, text);
        QCOMPARE(formatDuration(days), text);
    }
};

QTEST_GUILESS_MAIN(TestDuration)
#include "test_duration.moc"
