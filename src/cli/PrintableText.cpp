#include "PrintableText.h"

#include <algorithm>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

QString printableText(const QString& text)
{
    // Nearly every text is printable already: long lists are printed without a copy.
    if (std::none_of(text.begin(), text.end(), isControl))
        return text;
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c))
            printable += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            printable += c;
    }
    return printable;
}
