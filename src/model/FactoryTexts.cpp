#include "FactoryTexts.h"

#include "ImageLayout.h"

namespace L = ImageLayout;

namespace FactoryTexts {

QList<Row> systemTexts()
{
    return {
        {QStringLiteral("Тревога ШС ТМР"), QStringLiteral("Тревога ШС ТМР")},
        {QStringLiteral("Разряд аккум."), QStringLiteral("Разряд (отказ) аккумулятора")},
        {QStringLiteral("Откл. 220 В"), QStringLiteral("Отключение сети 220 В")},
        {QStringLiteral("Тампер клав."), QStringLiteral("Вскрытие (отрыв) клавиатуры")},
        {QStringLiteral("Связь с клав."), QStringLiteral("Нарушение связи с клавиатурой")},
        {QStringLiteral("Подбор пароля"), QStringLiteral("Попытка подбора пароля")},
        {QString(), QStringLiteral("Восст. ШС ТМР")},
        {QStringLiteral("Восст. аккум."), QStringLiteral("Восст. аккумулятора")},
        {QStringLiteral("Восст. 220 В"), QStringLiteral("Сеть 220В в норме")},
        {QStringLiteral("Восст. тампер клав."), QStringLiteral("Корпус клавиатуры закрыт")},
        {QStringLiteral("Восст. связь с клав."), QStringLiteral("Связь с клав. восст.")},
    };
}

QList<Row> alarmTexts()
{
    QList<Row> rows;
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
        rows.append({QStringLiteral("Тревога шлейф %1").arg(zone), QStringLiteral("Тревога ШС %1").arg(zone)});
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
        rows.append({QStringLiteral("Восст. шлейф %1").arg(zone), QStringLiteral("Восст. ШС %1").arg(zone)});
    return rows;
}

QList<Row> armTexts()
{
    QList<Row> rows;
    for (int user = 1; user <= L::UsedUserCount; ++user)
        rows.append({QStringLiteral("      №%1").arg(user), QStringLiteral("Пост. ключ/пользователь %1").arg(user)});
    return rows;
}

QList<Row> disarmTexts()
{
    QList<Row> rows;
    for (int user = 1; user <= L::UsedUserCount; ++user)
        rows.append({QStringLiteral("      №%1").arg(user), QStringLiteral("Снят ключ/пользователь %1").arg(user)});
    return rows;
}

QList<Row> groupNames()
{
    QList<Row> rows;
    for (int group = 1; group <= L::GroupNames.slots; ++group)
        rows.append({QStringLiteral("   № %1").arg(group), QStringLiteral("ППК ")});
    return rows;
}

QList<Row> statusTexts()
{
    return {
        {QStringLiteral("Без охраны, без тревог"), QStringLiteral("Снят, без тревог")},
        {QStringLiteral("Под охраной, тревога "), QStringLiteral("Охр., тревога")},
        {QStringLiteral("Под охраной, без тревог"), QStringLiteral("Охр., без тревог")},
        {QStringLiteral("Без охраны, тревога "), QStringLiteral("Снят, тревога")},
    };
}

} // namespace FactoryTexts
