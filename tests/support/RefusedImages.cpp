#include "RefusedImages.h"

#include "FactoryImage.h"

namespace RefusedImages {

namespace {

namespace L = ImageLayout;

const QString Error = QStringLiteral("Ошибка");
const QString BadPhone = QStringLiteral("Нарушен формат номера телефона для получения СМС. (+380ххххххххх)");
const QString BadBalance = QStringLiteral("Нарушен формат запроса баланса на карточке!");
const QString BalanceCaption = QStringLiteral("Конфигурирование");
const QString ZoneCaption = QStringLiteral("Ошибка описания");

ConfigImage withPhone(ConfigImage image, int n, const QByteArray& phone)
{
    image.setChars(L::smsPhone(n), phone);
    return image;
}

ConfigImage withBalanceRequest(ConfigImage image, const QString& request)
{
    image.setText(L::BalanceRequest, request);
    return image;
}

ConfigImage withZone(ConfigImage image, int zone, unsigned zoneType, unsigned groupMask)
{
    image.setValue(L::zoneField(zone, L::Zone::ZoneType), zoneType);
    image.setValue(L::zoneField(zone, L::Zone::GroupMask), groupMask);
    return image;
}

ConfigImage withZoneNo(ConfigImage image, int zone, int zoneNo)
{
    image.setValue(L::zoneField(zone, L::Zone::ZoneNo), static_cast<std::uint32_t>(zoneNo));
    return image;
}

} // namespace

ConfigImage accepted()
{
    return withPhone(withBalanceRequest(factoryImage(), QStringLiteral("*100#")), 1, "+380501234567");
}

QList<Case> cases()
{
    const ConfigImage base = accepted();
    const ConfigImage inGroups = withZone(withZone(base, 2, L::Zone::On | L::ZoneTypeCode::Instant, 0x01), 5,
                                          L::Zone::On | L::ZoneTypeCode::Perimeter, 0x02);
    return {
        {QStringLiteral("phone of 12 characters"), withPhone(base, 1, "+38050123456"), BadPhone, Error},
        {QStringLiteral("second phone of 12 characters"), withPhone(base, 2, "+38050765432"), BadPhone, Error},
        // Its zero byte is skipped as the pages read the phone.
        {QStringLiteral("phone with a zero byte"), withPhone(base, 1, QByteArray("+3805\0" "1234567", 13)), BadPhone,
         Error},
        {QStringLiteral("phone of blanks around 11 digits"), withPhone(base, 1, " +3805012345 "), BadPhone, Error},
        {QStringLiteral("balance request without the closing #"), withBalanceRequest(base, QStringLiteral("*100")),
         BadBalance, BalanceCaption},
        {QStringLiteral("balance request without the leading *"), withBalanceRequest(base, QStringLiteral("100#")),
         BadBalance, BalanceCaption},
        {QStringLiteral("zone switched on without a group"),
         withZone(base, 3, L::Zone::On | L::ZoneTypeCode::Instant, 0), QStringLiteral("Шлейф Z3 не включен в группы!"),
         ZoneCaption},
        {QStringLiteral("siren zone of unknown type without a group"), withZone(base, 4, L::Zone::Siren | 0x08, 0),
         QStringLiteral("Шлейф Z4 не включен в группы!"), ZoneCaption},
        {QStringLiteral("keyboard zone switched on without a group"),
         withZone(base, 8, L::Zone::On | L::ZoneTypeCode::Hour24, 0), QStringLiteral("Шлейф K2 не включен в группы!"),
         ZoneCaption},
        // The groups of Z2 are linked to the zone it names, Z5, and Z2 has none of its own.
        {QStringLiteral("zone whose groups name another zone"), withZoneNo(inGroups, 2, 5),
         QStringLiteral("Шлейф Z2 не включен в группы!"), ZoneCaption},
        // Groups above 8 are not linked to zones on the pages.
        {QStringLiteral("zone only in group 9"), withZone(base, 6, L::Zone::On | L::ZoneTypeCode::Arming, 0x100),
         QStringLiteral("Шлейф Z6 не включен в группы!"), ZoneCaption},
    };
}

QList<Case> asking()
{
    const QString question = QStringLiteral("Не заполнен запрос баланса на карточке. Продолжить?");
    ConfigImage smsLater = accepted();
    // The window keeps its own empty request when the first record is not the SMS one.
    smsLater.setValue(L::channelField(1, L::Channel::Kind), 0);
    smsLater.setValue(L::channelField(3, L::Channel::Kind), L::Kind::SmsValue);
    return {
        {QStringLiteral("SMS record without a balance request"), withBalanceRequest(accepted(), QString()), question,
         BalanceCaption},
        {QStringLiteral("SMS in a later record"), smsLater, question, BalanceCaption},
    };
}

} // namespace RefusedImages
