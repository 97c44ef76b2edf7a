#pragma once

#include <QDateTime>
#include <QString>

// A time of the library (UTC) as the window shows it: in local time, to the minute.
namespace LibraryTimeText {

QString local(const QDateTime& utc);

} // namespace LibraryTimeText
