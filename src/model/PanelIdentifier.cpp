#include "PanelIdentifier.h"

#include "ConfigImage.h"

namespace {
constexpr int IdentifierDigits = 4;
}

QString panelIdentifier(const ConfigImage& image)
{
    namespace L = ImageLayout;
    const unsigned account = image.value(L::channelField(L::SmsRecord, L::Channel::Account));
    return QStringLiteral("%1").arg(account, IdentifierDigits, 16, QLatin1Char('0')).toUpper();
}
