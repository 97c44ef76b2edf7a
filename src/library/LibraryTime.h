#pragma once

#include <QDateTime>
#include <QString>

// Times as the library stores them: ISO 8601 in UTC to the second, ending in
// Z ("2024-03-05T10:20:30Z"), so that text order is time order in both engines.
namespace LibraryTime {

QString now();
QDateTime nowUtc();
QString toText(const QDateTime& time);
// Invalid for a missing or malformed text.
QDateTime fromText(const QString& text);

} // namespace LibraryTime
