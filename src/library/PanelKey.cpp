#include "PanelKey.h"

#include "LibraryTexts.h"

#include <QRegularExpression>

namespace PanelKey {

LibraryResult<QString> parse(const QString& text)
{
    static const QRegularExpression FourHexDigits(QStringLiteral("^[0-9A-Fa-f]{4}$"));
    if (!FourHexDigits.match(text).hasMatch())
        return LibraryResult<QString>::failure(LibraryTexts::badIdentifier(text));
    return {text.toUpper(), QString()};
}

} // namespace PanelKey
