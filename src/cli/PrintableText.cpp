#include "PrintableText.h"

QString printableText(const QString& text)
{
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            printable += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            printable += c;
    }
    return printable;
}
