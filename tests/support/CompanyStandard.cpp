#include "CompanyStandard.h"

#include "SampleConfigs.h"

namespace CompanyStandard {

namespace L = ImageLayout;

QByteArray json()
{
    return R"({
    "format": "zq22-config",
    "version": 1,
    "sms": { "phones": { "1": "+380501234567" }, "balance_request": "*111#" },
    "texts": { "system": { "3": "Нет сети 220 В" } }
})";
}

ConfigImage follower(quint16 account)
{
    ConfigImage image = SampleConfigs::readyToWrite();
    image.setValue(L::channelField(L::SmsRecord, L::Channel::Account), account);
    image.setSlotText(L::SystemTexts.slot(3), QStringLiteral("Нет сети 220 В"));
    image.setValue(L::SirenTime, 12);   // not named by the standard
    return image;
}

QStringList factoryLines()
{
    return {QStringLiteral("Общие установки\tНомер 1\tsms.phones[1]\t+380501234567\t"),
            QStringLiteral("Тексты извещений\tОткл. 220 В\ttexts.system[3]\tНет сети 220 В\tОтключение сети 220 В"),
            QStringLiteral("Общие установки\tЗапрос баланса\tsms.balance_request\t*111#\t")};
}

} // namespace CompanyStandard
