#include "LibraryTimeText.h"

QString LibraryTimeText::local(const QDateTime& utc)
{
    if (!utc.isValid())
        return {};
    return utc.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}
