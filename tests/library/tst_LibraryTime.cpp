// Times as the library stores them: UTC to the second, four-digit years,
// every number with its zeros, so that text order stays time order.
#include "LibraryTime.h"

#include <QTest>
#include <QTimeZone>

class LibraryTimeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toText_data();
    void toText();
    void malformedTextIsNoTime_data();
    void malformedTextIsNoTime();
};

void LibraryTimeTest::toText_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("every number padded") << QDateTime(QDate(2024, 3, 5), QTime(1, 2, 3), QTimeZone::utc())
                                         << QStringLiteral("2024-03-05T01:02:03Z");
    QTest::newRow("two-digit numbers") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), QTimeZone::utc())
                                       << QStringLiteral("2026-12-31T23:59:59Z");
    QTest::newRow("an early year") << QDateTime(QDate(7, 1, 1), QTime(0, 0), QTimeZone::utc())
                                   << QStringLiteral("0007-01-01T00:00:00Z");
    QTest::newRow("another zone, across midnight")
        << QDateTime(QDate(2025, 1, 1), QTime(1, 30, 15), QTimeZone(3 * 3600))
        << QStringLiteral("2024-12-31T22:30:15Z");
    QTest::newRow("milliseconds left out") << QDateTime(QDate(2025, 6, 7), QTime(8, 9, 10, 999), QTimeZone::utc())
                                           << QStringLiteral("2025-06-07T08:09:10Z");
}

void LibraryTimeTest::toText()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, text);
    QCOMPARE(LibraryTime::toText(time), text);
    const QDateTime back = LibraryTime::fromText(text);
    QCOMPARE(back, time.addMSecs(-time.time().msec()));
    QCOMPARE(LibraryTime::toText(back), text);
}

void LibraryTimeTest::malformedTextIsNoTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("no Z") << QStringLiteral("2024-03-05T01:02:03+");
    QTest::newRow("a letter for a digit") << QStringLiteral("2024-0x-05T01:02:03Z");
    QTest::newRow("no such day") << QStringLiteral("2024-02-30T01:02:03Z");
    QTest::newRow("no such hour") << QStringLiteral("2024-03-05T24:02:03Z");
    QTest::newRow("a space for the T") << QStringLiteral("2024-03-05 01:02:03Z");
}

void LibraryTimeTest::malformedTextIsNoTime()
{
    QFETCH(QString, text);
    QVERIFY(!LibraryTime::fromText(text).isValid());
    QCOMPARE(LibraryTime::toText(LibraryTime::fromText(text)), QString());
}

QTEST_GUILESS_MAIN(LibraryTimeTest)
#include "tst_LibraryTime.moc"
