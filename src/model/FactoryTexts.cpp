#include "FactoryTexts.h"

#include "ImageLayout.h"

#include <QCoreApplication>

namespace L = ImageLayout;

namespace {

// A row's label (Label::tr) is the page's, in the user's language; the text
// beside it is the panel's own, data that stays as the panel holds it.
struct Label {
    Q_DECLARE_TR_FUNCTIONS(FactoryTexts)
};

} // namespace

namespace FactoryTexts {

QList<Row> systemTexts()
{
    return {
        {Label::tr("Тревога ШС ТМР"), QStringLiteral("Тревога ШС ТМР")},
        {Label::tr("Разряд аккум."), QStringLiteral("Разряд (отказ) аккумулятора")},
        {Label::tr("Откл. 220 В"), QStringLiteral("Отключение сети 220 В")},
        {Label::tr("Тампер клав."), QStringLiteral("Вскрытие (отрыв) клавиатуры")},
        {Label::tr("Связь с клав."), QStringLiteral("Нарушение связи с клавиатурой")},
        {Label::tr("Подбор пароля"), QStringLiteral("Попытка подбора пароля")},
        {QString(), QStringLiteral("Восст. ШС ТМР")},
        {Label::tr("Восст. аккум."), QStringLiteral("Восст. аккумулятора")},
        {Label::tr("Восст. 220 В"), QStringLiteral("Сеть 220В в норме")},
        {Label::tr("Восст. тампер клав."), QStringLiteral("Корпус клавиатуры закрыт")},
        {Label::tr("Восст. связь с клав."), QStringLiteral("Связь с клав. восст.")},
    };
}

QList<Row> alarmTexts()
{
    QList<Row> rows;
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
        rows.append({Label::tr("Тревога шлейф %1").arg(zone), QStringLiteral("Тревога ШС %1").arg(zone)});
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
        rows.append({Label::tr("Восст. шлейф %1").arg(zone), QStringLiteral("Восст. ШС %1").arg(zone)});
    return rows;
}

QList<Row> armTexts()
{
    QList<Row> rows;
    for (int user = 1; user <= L::UsedUserCount; ++user)
        rows.append({Label::tr("      №%1").arg(user), QStringLiteral("Пост. ключ/пользователь %1").arg(user)});
    return rows;
}

QList<Row> disarmTexts()
{
    QList<Row> rows;
    for (int user = 1; user <= L::UsedUserCount; ++user)
        rows.append({Label::tr("      №%1").arg(user), QStringLiteral("Снят ключ/пользователь %1").arg(user)});
    return rows;
}

QList<Row> groupNames()
{
    QList<Row> rows;
    for (int group = 1; group <= L::GroupNames.slots; ++group)
        rows.append({Label::tr("   № %1").arg(group), QStringLiteral("ППК ")});
    return rows;
}

QList<Row> statusTexts()
{
    return {
        {Label::tr("Без охраны, без тревог"), QStringLiteral("Снят, без тревог")},
        {Label::tr("Под охраной, тревога "), QStringLiteral("Охр., тревога")},
        {Label::tr("Под охраной, без тревог"), QStringLiteral("Охр., без тревог")},
        {Label::tr("Без охраны, тревога "), QStringLiteral("Снят, тревога")},
    };
}

} // namespace FactoryTexts
