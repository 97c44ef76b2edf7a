#include "ImageChecks.h"

#include "ConfigImage.h"
#include "PanelIdentifier.h"

#include <QCoreApplication>

#include <cstdint>

namespace L = ImageLayout;

namespace {

constexpr int AccountDigits = 4;
constexpr int PhoneLength = 13;
constexpr int LastChannelRecord = 13;   // records 14 and 15 are never channels
constexpr int ZoneLinkGroups = 8;       // the pages link zones to groups 1-8 only

QString errorCaption()
{
    return ImageChecks::tr("Ошибка");
}

QString balanceCaption()
{
    return ImageChecks::tr("Конфигурирование");
}

bool isHexNumber(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!(c.isDigit() && c.unicode() < 0x80) && !QStringLiteral("abcdefABCDEF").contains(c))
            return false;
    }
    return true;
}

QString zoneName(int zone)
{
    return zone <= L::PanelZoneCount ? QStringLiteral("Z%1").arg(zone)
                                     : QStringLiteral("K%1").arg(zone - L::PanelZoneCount);
}

ImageChecks::Verdict refused(const ImageChecks::Message& message)
{
    return {ImageChecks::Verdict::Outcome::Refused, message};
}

int kindOf(const ConfigImage& image, int record)
{
    return static_cast<int>(image.value(L::channelField(record, L::Channel::Kind)));
}

// "СМС" ends up ticked when any channel record is an SMS one.
bool smsTicked(const ConfigImage& image)
{
    for (int record = 1; record <= LastChannelRecord; ++record) {
        if (L::Kind::kindOf(kindOf(image, record)) == L::Kind::Sms)
            return true;
    }
    return false;
}

// A zone shows "Включен" unless its type code, siren and on bit aside, is 0.
bool switchedOn(const ConfigImage& image, int zone)
{
    return (image.value(L::zoneField(zone, L::Zone::ZoneType)) & ~(L::Zone::On | L::Zone::Siren)) != 0;
}

// The groups the pages link to zone column n: each zone's links follow its
// ZoneNo, not its place in the table.
unsigned groupsOfColumn(const ConfigImage& image, int column)
{
    unsigned mask = 0;
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone) {
        if (static_cast<int>(image.value(L::zoneField(zone, L::Zone::ZoneNo))) == column)
            mask |= image.value(L::zoneField(zone, L::Zone::GroupMask)) & ((1u << ZoneLinkGroups) - 1);
    }
    return mask;
}

} // namespace

std::optional<ImageChecks::Message> ImageChecks::account(const QString& text)
{
    if (text.size() >= AccountDigits && isHexNumber(text))
        return std::nullopt;
    return Message{tr("Проверьте номер ППК !"), errorCaption()};
}

std::optional<ImageChecks::Message> ImageChecks::macNumber(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (ok && value >= INT32_MIN && value <= UINT32_MAX)
        return std::nullopt;
    return Message{tr("Поле EditMac содержит «%1», а не целое число. Конфигурация не сформирована.").arg(text),
                   errorCaption()};
}

ImageChecks::Phone ImageChecks::phone(const QString& text)
{
    if (text.isEmpty())
        return Phone::ListEnds;
    return text.size() == PhoneLength ? Phone::Given : Phone::Malformed;
}

ImageChecks::BalanceRequest ImageChecks::balanceRequest(const QString& text)
{
    if (text.isEmpty())
        return BalanceRequest::Missing;
    if (text.startsWith(QLatin1Char('*')) && text.endsWith(QLatin1Char('#')))
        return BalanceRequest::Given;
    return BalanceRequest::Malformed;
}

std::optional<ImageChecks::Message> ImageChecks::zone(int zone, bool switchedOn, unsigned groupMask)
{
    if (!switchedOn || groupMask != 0)
        return std::nullopt;
    return Message{tr("Шлейф %1 не включен в группы!").arg(zoneName(zone)), tr("Ошибка описания")};
}

ImageChecks::Message ImageChecks::phonesEndAt(int n)
{
    const QString caption = tr("Номера телефонов для получения СМС");
    // "from №1 to №0" would name a range that does not exist.
    if (n == 0)
        return {tr("СМС не будут отправлены: не указан ни один номер телефона."), caption};
    return {tr("СМС будут отправлены на телефоны с №1 по №%1").arg(n), caption};
}

ImageChecks::Message ImageChecks::malformedPhone()
{
    return {tr("Нарушен формат номера телефона для получения СМС. (+380ххххххххх)"), errorCaption()};
}

ImageChecks::Message ImageChecks::missingBalanceRequest()
{
    return {tr("Не заполнен запрос баланса на карточке. Продолжить?"), balanceCaption()};
}

ImageChecks::Message ImageChecks::malformedBalanceRequest()
{
    return {tr("Нарушен формат запроса баланса на карточке!"), balanceCaption()};
}

ImageChecks::Verdict ImageChecks::ofImage(const ConfigImage& image, bool answerYes)
{
    // The pages show the account as four hexadecimal digits, and EditMac as a
    // decimal number from whichever record it comes: both checks pass.
    if (const auto failure = account(panelIdentifier(image)))
        return refused(*failure);

    if (smsTicked(image)) {
        // The phones and the balance request come from an image whose first
        // record is the SMS one; otherwise a fresh window keeps its own, empty.
        const bool smsTexts = kindOf(image, L::SmsRecord) == L::Kind::SmsValue;
        for (int n = 1; smsTexts && n <= L::SmsPhoneCount; ++n) {
            const Phone verdict = phone(image.digits(L::smsPhone(n)).trimmed());
            if (verdict == Phone::ListEnds)
                break;
            if (verdict == Phone::Malformed)
                return refused(malformedPhone());
        }
        switch (balanceRequest(smsTexts ? image.text(L::BalanceRequest) : QString())) {
        case BalanceRequest::Given: break;
        case BalanceRequest::Missing:
            if (!answerYes)
                return {Verdict::Outcome::Declined, missingBalanceRequest()};
            break;
        case BalanceRequest::Malformed: return refused(malformedBalanceRequest());
        }
    }

    for (int column = 1; column <= L::UsedZoneCount; ++column) {
        if (const auto failure = zone(column, switchedOn(image, column), groupsOfColumn(image, column)))
            return refused(*failure);
    }
    return {};
}
