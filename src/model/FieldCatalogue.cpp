#include "FieldCatalogue.h"

#include "FactoryTexts.h"
#include "FieldValue.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QStringBuilder>  // % joins a key's parts in one allocation

#include <algorithm>
#include <bit>
#include <iterator>

namespace L = ImageLayout;

namespace {

// The captions, sections and value names in the user's language (Text::tr);
// the bit names that the JSON form carries stay in the source language and
// are translated only where a value is shown.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FieldCatalogue)
};

QString generalPage()
{
    return Text::tr("Общие установки");
}

QString zonesPage()
{
    return Text::tr("Шлейфы сигнализации");
}

QString textsPage()
{
    return Text::tr("Тексты извещений");
}

QString channelsPage()
{
    return Text::tr("Каналы связи");
}

struct Place {
    QString page;
    QString section;
};

using ValueNames = QList<std::pair<quint32, QString>>;

ValueNames kindNames()
{
    return {
        {0x00, Text::tr("нет", "no channel")},
        {0x11, Text::tr("Sim1 Первый номер")},
        {0x12, Text::tr("Sim1 Второй номер")},
        {0x21, QStringLiteral("Sim1 VPN IP1")},
        {0x22, QStringLiteral("Sim1 VPN IP2")},
        {0x23, QStringLiteral("Sim1 PBL IP")},
        {0x31, QStringLiteral("Ethernet IP1")},
        {0x32, QStringLiteral("Ethernet IP2")},
        {L::Kind::SmsValue, Text::tr("СМС")},
        {L::Kind::RemoteConfigValue, Text::tr("Удаленное конфигурирование")},
    };
}

// Bit names from the masks the layout gives them.
QStringList bitNames(std::initializer_list<std::pair<unsigned, QString>> masks)
{
    QStringList names;
    for (const auto& [mask, name] : masks) {
        const int bit = std::countr_zero(mask);
        while (names.size() <= bit)
            names.append(QString());
        names[bit] = name;
    }
    return names;
}

// "1", "2", ... "count": the phones of the call mask, the groups of a group mask.
QStringList numberNames(int count)
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names.append(QString::number(n));
    return names;
}

const ValueNames VpnProtocolNames = {{0, QStringLiteral("UDP")}, {1, QStringLiteral("TCP")}};

ValueNames dhcpNames()
{
    return {{0, Text::tr("Выкл.")}, {1, Text::tr("Вкл.")}};
}

ValueNames zoneClassNames()
{
    return {{0, Text::tr("шлейф ППК")}, {L::Zone::KeyboardClass, Text::tr("шлейф клавиатуры")}};
}

const QStringList CallMaskBits = numberNames(L::SmsPhoneCount);
const QStringList GroupMaskBits = numberNames(8 * L::Zone::GroupMask.size);
const QStringList EventBits = bitNames({{L::EventViolation, QT_TRANSLATE_NOOP("FieldCatalogue", "Нарушение")},
                                        {L::EventRestoral, QT_TRANSLATE_NOOP("FieldCatalogue", "Восстановление")}});
const QStringList KeyboardBits
    = bitNames({{L::KeyboardConnected, QT_TRANSLATE_NOOP("FieldCatalogue", "Подключена")},
                {L::KeyboardArmBeep, QT_TRANSLATE_NOOP("FieldCatalogue", "Звуковое подтверждение  постановки")}});
const QStringList ZoneFlagBits = bitNames({{L::Zone::On, QT_TRANSLATE_NOOP("FieldCatalogue", "Включен")},
                                           {L::Zone::Siren, QT_TRANSLATE_NOOP("FieldCatalogue", "Сирена")}});
// Indexed by ZoneTypeCode.
const QStringList ZoneTypeNames = {
    QString(),
    QT_TRANSLATE_NOOP("FieldCatalogue", "Круглосуточный"),
    QT_TRANSLATE_NOOP("FieldCatalogue", "Вход/выход"),
    QT_TRANSLATE_NOOP("FieldCatalogue", "Интерьер"),
    QT_TRANSLATE_NOOP("FieldCatalogue", "Периметр"),
    QT_TRANSLATE_NOOP("FieldCatalogue", "Мгновенный"),
    QT_TRANSLATE_NOOP("FieldCatalogue", "Постановочный"),
    QT_TRANSLATE_NOOP("FieldCatalogue", "Интерьер+Периметр"),
};

QString zoneName(int zone)
{
    return zone <= L::PanelZoneCount ? QStringLiteral("Z%1").arg(zone)
                                     : QStringLiteral("K%1").arg(zone - L::PanelZoneCount);
}

// The entries go in in image order, so the catalogue needs no sorting.
class Table {
public:
    CatalogueField& add(QString key, const Place& place, const QString& caption, L::Field at, FieldKind kind)
    {
        CatalogueField& field = m_fields.emplace_back();
        field.key = std::move(key);
        field.page = place.page;
        field.section = place.section;
        field.caption = caption;
        field.offset = at.offset + 1;
        field.size = at.size;
        field.kind = kind;
        return field;
    }

    // The bytes of [from, to) that no entry has taken become reserved ranges,
    // named by their offset from `base`. The entries in [from, to) are the
    // last ones added, in image order: they are taken off and put back, each
    // after the gap before it.
    void reserveGaps(const QString& prefix, const Place& place, int from, int to, int base)
    {
        const auto before = [from](const CatalogueField& field) { return field.offset - 1 < from; };
        const auto first = std::partition_point(m_fields.begin(), m_fields.end(), before);
        QList<CatalogueField> taken(std::make_move_iterator(first), std::make_move_iterator(m_fields.end()));
        m_fields.erase(first, m_fields.end());
        int next = from;
        for (CatalogueField& field : taken) {
            const L::Field range = field.layoutField();
            reserve(prefix, place, {next, range.offset - next}, base);
            m_fields.append(std::move(field));
            next = range.end();
        }
        reserve(prefix, place, {next, to - next}, base);
    }

    // The field is shown on the pages elsewhere than its record's kind says.
    void shownAs(const QString& key, const Place& place, const QString& caption)
    {
        for (CatalogueField& field : m_fields) {
            if (field.key == key) {
                field.page = place.page;
                field.section = place.section;
                field.caption = caption;
            }
        }
    }

    void channelRecords();
    void updateRecord();
    void wifiRecord();
    void generalBytes();
    void zones();
    void groups();
    void users();
    void smsPhones();
    void balanceRequest();
    void texts(const QString& name, const L::TextTable& table, const QString& section, const QString& column,
               const QList<FactoryTexts::Row>& rows);

    QList<CatalogueField> entries() { return std::move(m_fields); }

private:
    void reserve(const QString& prefix, const Place& place, L::Field range, int base)
    {
        if (range.size > 0)
            add(QStringLiteral("%1.reserved_%2").arg(prefix, QString::number(range.offset - base)), place,
                Text::tr("Резерв"), range, FieldKind::Reserved);
    }

    QList<CatalogueField> m_fields;
};

// Records 1..13 read alike, by their Kind; record 1 also carries what the SMS
// notification keeps there, and record 2 is the remote configuration's own.
void Table::channelRecords()
{
    namespace C = L::Channel;
    for (int record = 1; record < L::UpdateRecord; ++record) {
        const QString key = QStringLiteral("channels[%1].").arg(record);
        const Place place{channelsPage(), Text::tr("Канал %1").arg(record)};
        const auto at = [record](L::Field field) { return L::channelField(record, field); };

        // Record 1's own fields lie on both sides of call_count.
        const bool sms = record == L::SmsRecord;
        add(key % "kind", place, Text::tr("Канал"), at(C::Kind), FieldKind::Number).valueNames = kindNames();
        if (sms) {
            add(key % "account", {generalPage(), QString()}, Text::tr("Идентификатор ППК"), at(C::Account),
                FieldKind::HexAccount);
            add(key % "call_mask", {generalPage(), Text::tr("СМС")}, Text::tr("Звонок"), at(C::CallMask),
                FieldKind::Bits)
                .bitNames = CallMaskBits;
        }
        add(key % "call_count", place, Text::tr("Количество \"дозвонов\""), at(C::CallCount), FieldKind::Number);
        if (sms) {
            add(key % "test_period_s", {generalPage(), Text::tr("Времена")}, Text::tr("Тестирование, с"),
                at(C::TestPeriod), FieldKind::Number)
                .scale = C::TestPeriodUnit;
        }
        add(key % "gsm_test_period_s", place, Text::tr("Тестирование,  сек"), at(C::GsmTestPeriod),
            FieldKind::Number);
        add(key % "phone", place, Text::tr("Номер"), at(C::Phone), FieldKind::Chars);
        add(key % "test_phone", place, Text::tr("Тестовый канал"), at(C::TestPhone), FieldKind::Chars);
        add(key % "option", place, Text::tr("Протокол VPN"), at(C::Option), FieldKind::Number).valueNames
            = VpnProtocolNames;
        add(key % "option2", place, QStringLiteral("DHCP"), at(C::Option2), FieldKind::Number).valueNames = dhcpNames();
        add(key % "address", place, Text::tr("IP-адрес"), at(C::Address), FieldKind::Ipv4);
        add(key % "own_address", place, Text::tr("IP-адрес ППК"), at(C::OwnAddress), FieldKind::Ipv4);
        add(key % "gateway_address", place, Text::tr("IP-адрес шлюза"), at(C::GatewayAddress), FieldKind::Ipv4);
        add(key % "mac_number", place, Text::tr("MAC-номер"), at(C::MacNumber), FieldKind::Number);
        add(key % "port", place, Text::tr("Порт"), at(C::Port), FieldKind::Number);
        add(key % "local_port", place, Text::tr("IP- порт ППК"), at(C::LocalPort), FieldKind::Number);
        add(key % "apn", place, QStringLiteral("APN"), at(C::Apn), FieldKind::Chars);
        reserveGaps(key.chopped(1), place, L::channelRecord(record), L::channelRecord(record + 1),
                    L::channelRecord(record));
    }

    const QString remote = QStringLiteral("channels[%1].").arg(L::RemoteConfigRecord);
    const Place remotePage{generalPage(), Text::tr("Удаленное...")};
    shownAs(remote % "address", remotePage, Text::tr("IP ПК-конфигуратора"));
    shownAs(remote % "port", {generalPage(), QString()}, Text::tr("Порт PC-конфигуратора"));
    shownAs(remote % "local_port", {generalPage(), QStringLiteral("Ethernet")}, Text::tr("IP- порт ППК"));
    shownAs(remote % "apn", remotePage, Text::tr("APN ОМС"));
}

void Table::updateRecord()
{
    const Place place{generalPage(), Text::tr("Обновление ПО")};
    add(QStringLiteral("update.kind"), {channelsPage(), Text::tr("Канал %1").arg(L::UpdateRecord)},
        Text::tr("Канал"), L::channelField(L::UpdateRecord, L::Channel::Kind), FieldKind::Number)
        .valueNames = kindNames();
    add(QStringLiteral("update.phone"), place, Text::tr("Тел."), L::UpdatePhone, FieldKind::Chars);
    add(QStringLiteral("update.firmware_version"), place, Text::tr("Вер. ПО 22."), L::FirmwareVersion,
        FieldKind::Number);
    add(QStringLiteral("update.apn"), place, Text::tr("I-net APN ОМС"), L::UpdateApn, FieldKind::Chars);
    add(QStringLiteral("update.server"), place, Text::tr("Сервер обновления"), L::UpdateServer, FieldKind::Chars);
    reserveGaps(QStringLiteral("update"), place, L::channelRecord(L::UpdateRecord),
                L::channelRecord(L::UpdateRecord + 1), L::channelRecord(L::UpdateRecord));
}

void Table::wifiRecord()
{
    const Place place{generalPage(), Text::tr("Настройка в сети WiFi")};
    add(QStringLiteral("wifi.kind"), {channelsPage(), Text::tr("Канал %1").arg(L::WifiRecord)},
        Text::tr("Канал"), L::channelField(L::WifiRecord, L::Channel::Kind), FieldKind::Number)
        .valueNames = kindNames();
    add(QStringLiteral("wifi.secured"), place, Text::tr("Открытая сеть"), L::WifiSecured, FieldKind::Number)
        .valueNames = {{0, Text::tr("да")}, {1, Text::tr("нет")}};
    add(QStringLiteral("channels.send_gsm_level"), {channelsPage(), QString()}, Text::tr("Передавать уровень GSM"),
        L::SendGsmLevel, FieldKind::Number)
        .valueNames = {{0, Text::tr("нет")}, {1, Text::tr("да")}};
    add(QStringLiteral("wifi.ssid"), place, Text::tr("Имя сети"), L::WifiSsid, FieldKind::Chars);
    add(QStringLiteral("wifi.password"), place, Text::tr("Пароль"), L::WifiPassword, FieldKind::Chars);
    reserveGaps(QStringLiteral("wifi"), place, L::channelRecord(L::WifiRecord), L::channelRecord(L::WifiRecord + 1),
                L::channelRecord(L::WifiRecord));
}

void Table::generalBytes()
{
    const Place events{generalPage(), Text::tr("Системные извещения")};
    const Place hidden{generalPage(), QString()};
    const std::pair<const char*, std::pair<QString, L::Field>> eventBytes[] = {
        {"general.tamper_panel_events", {Text::tr("Тампер ППК"), L::TamperPanelEvents}},
        {"general.tamper_keyboard_events", {Text::tr("Тампер клавиатуры"), L::TamperKeyboardEvents}},
        {"general.battery_events", {Text::tr("Аккумулятор"), L::BatteryEvents}},
        {"general.mains_events", {Text::tr("Сеть 220В"), L::MainsEvents}},
        {"general.keyboard_link_events", {Text::tr("Связь с клавиатурой"), L::KeyboardLinkEvents}},
    };
    for (const auto& [key, caption] : eventBytes)
        add(QLatin1String(key), events, caption.first, caption.second, FieldKind::Bits).bitNames = EventBits;
    add(QStringLiteral("general.keyboard"), {generalPage(), Text::tr("Клавиатура")}, Text::tr("Клавиатура"),
        L::KeyboardMode, FieldKind::Bits)
        .bitNames = KeyboardBits;
    add(QStringLiteral("general.siren_time_s"), {generalPage(), Text::tr("Времена")},
        Text::tr("Вкл. сирены, с"), L::SirenTime, FieldKind::Number)
        .scale = L::SirenTimeUnit;
    add(QStringLiteral("general.block_phone"), hidden, Text::tr("Блокирование"), L::BlockPhone, FieldKind::Chars);
    add(QStringLiteral("general.unblock_phone"), hidden, Text::tr("Разблокирование"), L::UnblockPhone,
        FieldKind::Chars);
    add(QStringLiteral("general.layout_mark"), hidden, Text::tr("Метка раскладки"), L::LayoutMark,
        FieldKind::Number);
    reserveGaps(QStringLiteral("general"), hidden, L::TamperPanelEvents.offset, L::ReservedTable.offset, 0);
    add(QStringLiteral("reserved_table"), hidden, Text::tr("Резервная таблица"), L::ReservedTable,
        FieldKind::Reserved);
}

void Table::zones()
{
    namespace Z = L::Zone;
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone) {
        const QString key = QStringLiteral("zones[%1].").arg(zoneName(zone));
        const Place place{zonesPage(), zoneName(zone)};
        const auto at = [zone](L::Field field) { return L::zoneField(zone, field); };
        add(key % "marker", place, Text::tr("Маркер"), at(Z::Marker), FieldKind::Number);
        add(key % "number", place, Text::tr("Номер"), at(Z::ZoneNo), FieldKind::Number);
        CatalogueField& type = add(key % "type", place, Text::tr("Тип"), at(Z::ZoneType), FieldKind::Bits);
        type.bitNames = ZoneFlagBits;
        type.codeMask = Z::TypeMask;
        type.codeNames = ZoneTypeNames;
        add(key % "sensitivity_ms", place, Text::tr("Чувствит., мс"), at(Z::Sensitivity), FieldKind::Number)
            .scale = Z::SensitivityUnit;
        add(key % "entry_delay_s", place, Text::tr("Вход, с"), at(Z::EntryDelay), FieldKind::Number);
        add(key % "class", place, Text::tr("Класс"), at(Z::ZoneClass), FieldKind::Number).valueNames
            = zoneClassNames();
        add(key % "groups", place, Text::tr("Группы"), at(Z::GroupMask), FieldKind::Bits).bitNames
            = GroupMaskBits;
    }
    const int unused = L::zoneField(L::UsedZoneCount + 1, Z::Marker).offset;
    add(QStringLiteral("zones.reserved"), {zonesPage(), QString()},
        Text::tr("Шлейфы %1–%2").arg(L::UsedZoneCount + 1).arg(L::ZoneEntryCount),
        {unused, L::GroupTableOffset - unused}, FieldKind::Reserved);
}

void Table::groups()
{
    namespace G = L::Group;
    for (int entry = 1; entry <= L::GroupEntryCount; ++entry) {
        const QString key = QStringLiteral("groups[%1].").arg(entry);
        const Place place{zonesPage(), Text::tr("Группы, строка %1").arg(entry)};
        add(key % "number", place, QStringLiteral("№"), L::groupField(entry, G::GrNmb), FieldKind::Number);
        add(key % "exit_delay_s", place, Text::tr("Выход, с"), L::groupField(entry, G::DelayOut),
            FieldKind::Number);
        add(key % "led_s", place, Text::tr("Вс, с"), L::groupField(entry, G::LedOn), FieldKind::Number);
    }
}

void Table::users()
{
    namespace U = L::User;
    for (int user = 1; user <= L::UsedUserCount; ++user) {
        const QString key = QStringLiteral("users[%1].").arg(user);
        const Place place{zonesPage(), Text::tr("Пользователь %1").arg(user)};
        add(key % "number", place, Text::tr("Номер"), L::userField(user, U::UserNo), FieldKind::Number);
        add(key % "groups", place, Text::tr("Группы"), L::userField(user, U::GroupMask), FieldKind::Bits)
            .bitNames = GroupMaskBits;
    }
    const int unused = L::userField(L::UsedUserCount + 1, U::UserNo).offset;
    add(QStringLiteral("users.reserved"), {zonesPage(), QString()},
        Text::tr("Пользователи %1–%2").arg(L::UsedUserCount + 1).arg(L::UserEntryCount),
        {unused, L::smsPhone(1).offset - unused}, FieldKind::Reserved);
}

void Table::smsPhones()
{
    const Place place{generalPage(), Text::tr("СМС")};
    for (int n = 1; n <= L::SmsPhoneCount; ++n)
        add(QStringLiteral("sms.phones[%1]").arg(n), place, Text::tr("Номер %1").arg(n), L::smsPhone(n),
            FieldKind::Chars)
            .zeroIsBlank = true;
}

// The last bytes of the image, after the texts.
void Table::balanceRequest()
{
    add(QStringLiteral("sms.balance_request"), {generalPage(), Text::tr("СМС")}, Text::tr("Запрос баланса"),
        L::BalanceRequest, FieldKind::Chars);
}

void Table::texts(const QString& name, const L::TextTable& table, const QString& section, const QString& column,
                  const QList<FactoryTexts::Row>& rows)
{
    for (int row = 1; row <= table.slots; ++row) {
        const QString label = rows.at(row - 1).label.trimmed();
        const QString caption = label.isEmpty() ? Text::tr("Строка %1").arg(row) : label;
        add(QStringLiteral("texts.%1[%2]").arg(name, QString::number(row)), {textsPage(), section},
            column.isEmpty() ? caption : column + QLatin1Char(' ') + caption, table.slot(row), FieldKind::TextSlot);
    }
}

QList<CatalogueField> buildCatalogue()
{
    Table table;
    table.channelRecords();
    table.updateRecord();
    table.wifiRecord();
    table.generalBytes();
    table.zones();
    table.groups();
    table.users();
    table.smsPhones();
    const QString zoneTexts = Text::tr("Шлейфы сигнализации");
    const QString userTexts = Text::tr("Постановка/Снятие");
    const QString groupTexts = Text::tr("Группы/Состояние");
    table.texts(QStringLiteral("alarm"), L::AlarmTexts, zoneTexts, {}, FactoryTexts::alarmTexts());
    table.texts(QStringLiteral("system"), L::SystemTexts, zoneTexts, {}, FactoryTexts::systemTexts());
    table.texts(QStringLiteral("arm"), L::ArmTexts, userTexts, Text::tr("Постановка"), FactoryTexts::armTexts());
    table.texts(QStringLiteral("disarm"), L::DisarmTexts, userTexts, Text::tr("Снятие"),
                FactoryTexts::disarmTexts());
    table.texts(QStringLiteral("group_names"), L::GroupNames, groupTexts, Text::tr("Наименование"),
                FactoryTexts::groupNames());
    table.texts(QStringLiteral("status"), L::StatusTexts, groupTexts, {}, FactoryTexts::statusTexts());
    table.balanceRequest();
    return table.entries();
}

QString shownNumber(const CatalogueField& field, quint32 stored)
{
    for (const auto& [value, name] : field.valueNames) {
        if (value == stored)
            return name;
    }
    return QString::number(static_cast<qint64>(stored) * field.scale);
}

QString shownNames(const QJsonArray& names)
{
    QStringList texts;
    for (const QJsonValue& name : names)
        texts.append(name.isDouble() ? QString::number(name.toInt()) : FieldCatalogue::shownName(name.toString()));
    return texts.join(QStringLiteral(", "));
}

} // namespace

namespace FieldCatalogue {

const QList<CatalogueField>& fields()
{
    // Never destroyed: freeing every entry at exit would only delay the exit.
    static const auto* catalogue = new QList<CatalogueField>(buildCatalogue());
    return *catalogue;
}

const QList<const CatalogueField*>& everyField()
{
    static const auto* pointers = new QList<const CatalogueField*>([] {
        QList<const CatalogueField*> every;
        for (const CatalogueField& field : fields())
            every.append(&field);
        return every;
    }());
    return *pointers;
}

const QStringList& pages()
{
    static const QStringList captions = {generalPage(), zonesPage(), textsPage(), channelsPage()};
    return captions;
}

QList<const CatalogueField*> inPageOrder(const QList<const CatalogueField*>& fields)
{
    QHash<QString, qsizetype> sectionRank;
    QHash<const CatalogueField*, std::pair<qsizetype, qsizetype>> rank;
    for (const CatalogueField* field : fields) {
        const QString section = field->page + QLatin1Char('\n') + field->section;
        if (!sectionRank.contains(section))
            sectionRank.insert(section, sectionRank.size());
        rank.insert(field, {pages().indexOf(field->page), sectionRank.value(section)});
    }
    QList<const CatalogueField*> ordered = fields;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](const CatalogueField* a, const CatalogueField* b) { return rank.value(a) < rank.value(b); });
    return ordered;
}

const CatalogueField* find(const QString& key)
{
    static const QHash<QString, const CatalogueField*> byKey = [] {
        QHash<QString, const CatalogueField*> index;
        for (const CatalogueField& field : fields())
            index.insert(field.key, &field);
        return index;
    }();
    return byKey.value(key, nullptr);
}

QString shownName(const QString& name)
{
    return Text::tr(name.toUtf8().constData());
}

QString displayValue(const CatalogueField& field, const ConfigImage& image)
{
    const QString hex = QString::fromLatin1(field.bytesOf(image).toHex(' ').toUpper());
    QString shown;
    switch (field.kind) {
    case FieldKind::Number: shown = shownNumber(field, image.value(field.layoutField())); break;
    case FieldKind::Bits: shown = shownNames(FieldValue::read(field, image).toArray()); break;
    case FieldKind::Reserved: return hex;
    case FieldKind::HexAccount:
    case FieldKind::Chars:
    case FieldKind::Ipv4:
    case FieldKind::TextSlot: shown = FieldValue::read(field, image).toString(); break;
    }
    // Bytes the value cannot show are shown as they are, so two different
    // fields never read the same.
    return FieldValue::carriesExactly(field, image) ? shown : shown + QStringLiteral(" [") + hex + QLatin1Char(']');
}

} // namespace FieldCatalogue
