#include "FieldTie.h"

#include "ConfigImage.h"
#include "FieldCatalogue.h"
#include "ImageChecks.h"

#include <QCoreApplication>

namespace L = ImageLayout;

namespace {

const CatalogueField& entry(const QString& key)
{
    const CatalogueField* field = FieldCatalogue::find(key);
    Q_ASSERT(field);
    return *field;
}

// The builder numbers a user by its row when it has a group, and leaves it 0 otherwise.
FieldTie userNumber(int user)
{
    const CatalogueField& groups = entry(QStringLiteral("users[%1].groups").arg(user));
    const CatalogueField& number = entry(QStringLiteral("users[%1].number").arg(user));
    return {&groups, &number, number.largestStored(), FieldTie::Kind::Derived,
            QStringLiteral("a user in a group is numbered by its row, one in none by 0"),
            QT_TRANSLATE_NOOP("FieldTie", "пользователь, включённый в группу, получает номер своей строки, "
                                          "не включённый ни в одну — 0"),
            [&groups, user](const ConfigImage& image) {
                return image.value(groups.layoutField()) != 0 ? static_cast<quint32>(user) : 0u;
            }};
}

// A phone's call box is enabled, and so ticked, only for a whole number.
FieldTie phoneCall(int phone)
{
    const CatalogueField& number = entry(QStringLiteral("sms.phones[%1]").arg(phone));
    const CatalogueField& callMask = entry(QStringLiteral("channels[%1].call_mask").arg(L::SmsRecord));
    return {&number, &callMask, 1u << (phone - 1), FieldTie::Kind::Derived,
            QStringLiteral("a phone's call (\"Звонок\") is ticked only for a phone of 13 characters"),
            QT_TRANSLATE_NOOP("FieldTie", "«Звонок» отмечается только у номера из 13 символов"),
            [&number, &callMask](const ConfigImage& image) {
                const bool whole = ImageChecks::phone(image.digits(number.layoutField())) == ImageChecks::Phone::Given;
                return whole ? image.value(callMask.layoutField()) : 0u;
            }};
}

// "Задержка вход/выход" shows the first group's exit delay once an image is
// loaded, and its change reaction copies it into Z1's entry delay.
FieldTie firstZoneEntryDelay()
{
    const CatalogueField& exitDelay = entry(QStringLiteral("groups[1].exit_delay_s"));
    const CatalogueField& entryDelay = entry(QStringLiteral("zones[Z1].entry_delay_s"));
    return {&exitDelay, &entryDelay, entryDelay.largestStored(), FieldTie::Kind::Copied,
            QStringLiteral("\"Задержка вход/выход\" copies the first group's exit delay into Z1's \"Вход, с\""),
            QT_TRANSLATE_NOOP("FieldTie", "«Задержка вход/выход» переносит задержку выхода первой группы "
                                          "во «Вход, с» шлейфа Z1"),
            [&exitDelay](const ConfigImage& image) { return image.value(exitDelay.layoutField()); }};
}

} // namespace

quint32 FieldTie::governed(const ConfigImage& image) const
{
    return image.value(follower->layoutField()) & followerBits;
}

bool FieldTie::holds(const ConfigImage& image) const
{
    return governed(image) == (derived(image) & followerBits);
}

void FieldTie::carry(ConfigImage& image) const
{
    const quint32 kept = image.value(follower->layoutField()) & ~followerBits;
    image.setValue(follower->layoutField(), kept | (derived(image) & followerBits));
}

QString FieldTie::refusalText() const
{
    return QCoreApplication::translate("FieldTie", "«%1» следует за «%2»: %3.")
        .arg(follower->fullCaption(), leader->fullCaption(), QCoreApplication::translate("FieldTie", shownRule));
}

QString FieldTie::carriedText() const
{
    return QCoreApplication::translate("FieldTie", "«%1» изменено вместе с «%2».")
        .arg(follower->fullCaption(), leader->fullCaption());
}

const QList<FieldTie>& FieldTie::all()
{
    static const auto* ties = new QList<FieldTie>([] {
        QList<FieldTie> list;
        for (int user = 1; user <= L::UsedUserCount; ++user)
            list.append(userNumber(user));
        for (int phone = 1; phone <= L::SmsPhoneCount; ++phone)
            list.append(phoneCall(phone));
        list.append(firstZoneEntryDelay());
        return list;
    }());
    return *ties;
}
