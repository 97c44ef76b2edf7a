#include "LibraryTime.h"

namespace LibraryTime {

QDateTime nowUtc()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return now.addMSecs(-now.time().msec());
}

QString now()
{
    return toText(nowUtc());
}

QString toText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QDateTime fromText(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

} // namespace LibraryTime
