#include "SampleConfigs.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "FactoryImage.h"
#include "FileWindow.h"
#include "JsonConfigFile.h"
#include "TestFiles.h"

#include <QJsonArray>

namespace SampleConfigs {

ConfigImage factoryWithZ3OnAndSirenAt60()
{
    namespace L = ImageLayout;
    ConfigImage image = factoryImage();
    image.setValue(L::zoneField(3, L::Zone::ZoneType), L::Zone::On | L::ZoneTypeCode::Instant);
    image.setValue(L::SirenTime, 60 / 5);
    return image;
}

ConfigImage factoryOfPanel(quint16 account)
{
    ConfigImage image = factoryImage();
    image.setValue(ImageLayout::channelField(ImageLayout::SmsRecord, ImageLayout::Channel::Account), account);
    return image;
}

ConfigImage readyToWrite()
{
    namespace L = ImageLayout;
    ConfigImage image = factoryImage();
    image.setChars(L::smsPhone(1), "+380501234567");
    image.setValue(L::channelField(L::SmsRecord, L::Channel::CallMask), 0x01);
    image.setText(L::BalanceRequest, QStringLiteral("*111#"));
    return image;
}

ConfigImage siteWithSixZones()
{
    namespace L = ImageLayout;
    const auto zone = [](const char* name, QJsonArray type, int sensitivity, int entryDelay, int group) {
        const QString key = QStringLiteral("zones[%1].").arg(QLatin1String(name));
        return QList<std::pair<QString, QJsonValue>>{{key + QStringLiteral("type"), type},
                                                     {key + QStringLiteral("sensitivity_ms"), sensitivity},
                                                     {key + QStringLiteral("entry_delay_s"), entryDelay},
                                                     {key + QStringLiteral("groups"), QJsonArray{group}}};
    };
    QList<std::pair<QString, QJsonValue>> values = {
        {"channels[1].account", "5C31"},
        {"channels[1].call_mask", QJsonArray{1}},
        {"sms.phones[1]", "+380501234567"},
        {"sms.phones[2]", "+380671112233"},
        {"sms.balance_request", "*111#"},
        {"general.siren_time_s", 120},
        {"wifi.ssid", "Sklad-7"},
        {"wifi.password", "Pa55-word"},
        {"groups[1].exit_delay_s", 30},
        {"groups[1].led_s", 10},
        {"groups[2].number", 2},
        {"groups[2].exit_delay_s", 20},
        {"groups[3].number", 3},
        {"groups[3].led_s", 5},
        {"texts.group_names[1]", "Офис"},
        {"texts.group_names[2]", "Склад"},
        {"texts.group_names[3]", "Касса"},
        {"texts.alarm[3]", "Тревога: окна склада"},
        {"texts.arm[1]", "Взят директором"},
        {"texts.disarm[1]", "Снят директором"},
    };
    values += zone("Z1", {"Включен", "Сирена", "Вход/выход"}, 60, 30, 1);
    values += zone("Z2", {"Включен", "Сирена", "Интерьер"}, 60, 0, 1);
    values += zone("Z3", {"Включен", "Сирена", "Периметр"}, 300, 0, 2);
    values += zone("Z4", {"Включен", "Сирена", "Круглосуточный"}, 60, 0, 3);
    values += zone("Z5", {"Включен", "Мгновенный"}, 100, 0, 2);
    values += zone("Z6", {"Включен", "Сирена", "Интерьер+Периметр"}, 60, 0, 3);
    // Users 1-2 in every group, 3-6 in the office, 7-8 in the office and the
    // store, 9-10 at the till; users 11-32 are not in use.
    for (int user = 1; user <= L::UsedUserCount; ++user) {
        const QJsonArray groups = user <= 2 ? QJsonArray{1, 2, 3}
                                  : user <= 6 ? QJsonArray{1}
                                  : user <= 8 ? QJsonArray{1, 2}
                                  : user <= 10 ? QJsonArray{3}
                                               : QJsonArray{};
        values.append({QStringLiteral("users[%1].groups").arg(user), groups});
        values.append({QStringLiteral("users[%1].number").arg(user), groups.isEmpty() ? 0 : user});
    }
    return withValues(factoryImage(), values);
}

QByteArray scatteredBytes(quint32 seed)
{
    QByteArray bytes(ConfigImage::Size, '\0');
    for (char& byte : bytes) {
        seed = seed * 22695477u + 1u;
        byte = static_cast<char>(seed >> 16);
    }
    ConfigImage image;
    image.assign(bytes);
    image.setValue(ImageLayout::channelField(ImageLayout::SmsRecord, ImageLayout::Channel::Account), 0x1A2B);
    return image.bytes();
}

bool write(const QString& path, const ConfigImage& image)
{
    if (path.endsWith(QLatin1String(".json")))
        return writeFile(path, ConfigJson::write(image));
    return !ConfigFile::write(path, image);
}

std::optional<ConfigImage> read(const QString& path)
{
    if (path.endsWith(QLatin1String(".json")))
        return JsonConfigFile::read(path).image;
    const ConfigFile::Contents contents = ConfigFile::read(path);
    if (contents.error || !ConfigFile::signatureMatches(contents.header))
        return std::nullopt;
    ConfigImage image;
    image.assign(contents.image);
    return image;
}

} // namespace SampleConfigs
