#include "LibraryTime.h"

namespace LibraryTime {

namespace {

// "2024-03-05T10:20:30Z": where each number starts, and how many digits it has.
constexpr int TextLength = 20;
struct Part {
    int at;
    int digits;
};
constexpr Part Year{0, 4};
constexpr Part Month{5, 2};
constexpr Part Day{8, 2};
constexpr Part Hour{11, 2};
constexpr Part Minute{14, 2};
constexpr Part Second{17, 2};

int number(const QString& text, Part part)
{
    int value = 0;
    for (int i = part.at; i < part.at + part.digits; ++i) {
        const int digit = text.at(i).unicode() - '0';
        if (digit < 0 || digit > 9)
            return -1;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace

QDateTime nowUtc()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return now.addMSecs(-now.time().msec());
}

QString now()
{
    return toText(nowUtc());
}

// By hand, not by QDateTime's own formats: a list of ten thousand panels
// turns each of their times into text and back.
QString toText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const QDateTime utc = time.toUTC();
    const QDate date = utc.date();
    const QTime clock = utc.time();
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02dZ", date.year(), date.month(), date.day(), clock.hour(),
                             clock.minute(), clock.second());
}

QDateTime fromText(const QString& text)
{
    if (text.size() != TextLength || text.at(4) != QLatin1Char('-') || text.at(10) != QLatin1Char('T')
        || text.at(19) != QLatin1Char('Z'))
        return {};
    const QDate date(number(text, Year), number(text, Month), number(text, Day));
    const QTime clock(number(text, Hour), number(text, Minute), number(text, Second));
    if (!date.isValid() || !clock.isValid())
        return {};
    return QDateTime(date, clock, Qt::UTC);
}

} // namespace LibraryTime
