#include "IP2Word.h"

#include <optional>

namespace {

constexpr int AddressParts = 4;
constexpr qsizetype LeadingPartLength = 3;
constexpr std::uint32_t LargestPart = 255;

std::optional<std::uint32_t> partValue(QStringView part)
{
    if (part.isEmpty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (QChar c : part) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > LargestPart)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::uint32_t IP2Word(const QString& address)
{
    std::uint32_t result = 0;
    QStringView rest(address);
    for (int part = 0; part < AddressParts - 1; ++part) {
        const qsizetype dot = rest.indexOf(u'.');
        if (dot < 0 || dot > LeadingPartLength)
            return 0;
        const auto value = partValue(rest.left(dot));
        if (!value)
            return 0;
        result += *value << (8 * part);
        rest = rest.mid(dot + 1);
    }
    const auto last = partValue(rest);
    if (!last)
        return 0;
    return result + (*last << 24);
}
