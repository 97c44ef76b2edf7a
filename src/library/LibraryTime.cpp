#include "LibraryTime.h"

#include <iterator>

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

// As "%0*d" writes it: at least `digits` digits, zeros in front.
void appendNumber(QString& text, int value, int digits)
{
    if (value < 0) {
        text += QLatin1Char('-');
        value = -value;
        --digits;
    }
    char reversed[16];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int zeros = digits - length; zeros > 0; --zeros)
        text += QLatin1Char('0');
    while (length > 0)
        text += QLatin1Char(reversed[--length]);
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

// By hand, not by QDateTime's formats nor QString::asprintf: a list of ten
// thousand panels turns each of their times into text and back.
QString toText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const QDateTime utc = time.toUTC();
    const QDate date = utc.date();
    const QTime clock = utc.time();
    const int numbers[] = {date.year(), date.month(), date.day(), clock.hour(), clock.minute(), clock.second()};
    const Part parts[] = {Year, Month, Day, Hour, Minute, Second};
    const char after[] = {'-', '-', 'T', ':', ':', 'Z'};
    QString text;
    text.reserve(TextLength);
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        appendNumber(text, numbers[i], parts[i].digits);
        text += QLatin1Char(after[i]);
    }
    return text;
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
