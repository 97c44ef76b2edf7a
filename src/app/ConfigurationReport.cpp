#include "ConfigurationReport.h"

#include "FieldCatalogue.h"

#include <algorithm>
#include <bit>

namespace L = ImageLayout;

namespace {

QString zoneName(int zone)
{
    return zone <= L::PanelZoneCount ? QStringLiteral("Z%1").arg(zone)
                                     : QStringLiteral("K%1").arg(zone - L::PanelZoneCount);
}

QString zoneKey(int zone, const char* name)
{
    return QStringLiteral("zones[%1].%2").arg(zoneName(zone), QLatin1String(name));
}

QString channelKey(int record, const char* name)
{
    return QStringLiteral("channels[%1].%2").arg(record).arg(QLatin1String(name));
}

QString textKey(const char* table, int row)
{
    return QStringLiteral("texts.%1[%2]").arg(QLatin1String(table)).arg(row);
}

const CatalogueField& field(const QString& key)
{
    const CatalogueField* found = FieldCatalogue::find(key);
    Q_ASSERT(found);
    return *found;
}

// The name the field gives the bit of this mask, as the pages show it.
QString bitName(const CatalogueField& field, unsigned mask)
{
    return FieldCatalogue::shownName(field.bitNames.value(std::countr_zero(mask)));
}

// "1, 3": the numbers of the groups in a group mask.
QString groupNumbers(quint32 mask)
{
    QStringList numbers;
    for (int bit = 0; bit < 32; ++bit) {
        if ((mask & (1u << bit)) != 0)
            numbers.append(QString::number(bit + 1));
    }
    return numbers.isEmpty() ? ReportValues::none() : numbers.join(QStringLiteral(", "));
}

QString numberRange(int first, int last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1–%2").arg(first).arg(last);
}

// The fields the channel table shows with their channel, and the panel
// number, which heads the report.
bool shownWithItsChannel(const CatalogueField& field)
{
    const bool channelField = field.key.startsWith(QLatin1String("channels["));
    return field.key.startsWith(QLatin1String("sms."))
           || (channelField && field.key != QLatin1String("channels[1].test_period_s"));
}

// Which system text goes with which event: a text is in use when its event is reported.
struct SystemText {
    int row;
    const char* eventKey;   // nullptr: reported whatever the settings
    unsigned bit;
};
constexpr SystemText SystemTexts[] = {
    {1, "general.tamper_panel_events", L::EventViolation},
    {2, "general.battery_events", L::EventViolation},
    {3, "general.mains_events", L::EventViolation},
    {4, "general.tamper_keyboard_events", L::EventViolation},
    {5, "general.keyboard_link_events", L::EventViolation},
    {6, nullptr, 0},
    {7, "general.tamper_panel_events", L::EventRestoral},
    {8, "general.battery_events", L::EventRestoral},
    {9, "general.mains_events", L::EventRestoral},
    {10, "general.tamper_keyboard_events", L::EventRestoral},
    {11, "general.keyboard_link_events", L::EventRestoral},
};

} // namespace

ReportContent ConfigurationReport::of(const ReportContent::Source& source, const ReportContent::Options& options)
{
    ReportContent report = ReportContent::headedFor(source, options);
    report.tables = ConfigurationReport(source.pages, options).tables();
    return report;
}

ConfigurationReport::ConfigurationReport(const PagesImage& pages, const ReportContent::Options& options)
    : m_image(pages.image)
    , m_options(options)
    , m_values(pages, options.showPasswords)
{
}

QList<ConfigurationReport::Table> ConfigurationReport::tables() const
{
    QList<Table> tables{general(), zones(), groups(), users(), channels()};
    tables += texts();
    tables.removeIf([](const Table& table) { return table.rows.isEmpty(); });
    return tables;
}

ConfigurationReport::Table ConfigurationReport::general() const
{
    Table table{tr("Общие установки"), {}, {}};

    QStringList transmission;
    for (int record = 1; record < L::UpdateRecord; ++record) {
        const int kind = L::Kind::kindOf(static_cast<int>(m_image.value(L::channelField(record, L::Channel::Kind))));
        const QString name = kind == L::Kind::Sms        ? tr("СМС")
                             : kind == L::Kind::Gsm      ? tr("GSM - канал")
                             : kind == L::Kind::Gprs     ? tr("GPRS - канал")
                             : kind == L::Kind::Ethernet ? tr("Ethernet")
                                                         : QString();
        if (!name.isEmpty() && !transmission.contains(name))
            transmission.append(name);
    }
    const QString channels = transmission.isEmpty() ? tr("Автономный") : transmission.join(QStringLiteral(", "));
    table.rows.append({{}, {tr("Канал передачи"), channels}});
    addField(table, QStringLiteral("channels.send_gsm_level"));

    const CatalogueField& keyboard = field(QStringLiteral("general.keyboard"));
    const QString connected = keyboardConnected() ? bitName(keyboard, L::KeyboardConnected) : tr("Отключена");
    table.rows.append({keyboard.key, {keyboard.caption, connected}});
    const bool beep = (m_image.value(keyboard.layoutField()) & L::KeyboardArmBeep) != 0;
    table.rows.append({{}, {bitName(keyboard, L::KeyboardArmBeep), beep ? tr("да") : tr("нет")}});

    QList<const CatalogueField*> fields;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        const bool keyboardEvents = field.key == QLatin1String("general.tamper_keyboard_events")
                                    || field.key == QLatin1String("general.keyboard_link_events");
        if (field.page == table.heading && field.kind != FieldKind::Reserved && field.key != keyboard.key
            && !shownWithItsChannel(field) && (!keyboardEvents || keyboardConnected())
            && (m_options.detailed || !ReportValues::isInternal(field)))
            fields.append(&field);
    }
    // The fields outside any group of the page come first, with no subheading.
    fields = FieldCatalogue::inPageOrder(fields);
    std::stable_partition(fields.begin(), fields.end(),
                          [](const CatalogueField* field) { return field->section.isEmpty(); });
    QString section;
    for (const CatalogueField* field : std::as_const(fields)) {
        if (field->section != section) {
            section = field->section;
            table.rows.append(Row{{}, {section}});
        }
        addField(table, *field);
    }
    return table;
}

ConfigurationReport::Table ConfigurationReport::zones() const
{
    const CatalogueField& type = field(zoneKey(1, "type"));
    Table table{type.page, {tr("Шлейф")}, {}};
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
        table.columns.append(zoneName(zone));

    const auto addRow = [&](const QString& caption, const auto& cellOf) {
        Row row{{}, {caption}};
        for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
            row.cells.append(cellOf(zone));
        table.rows.append(row);
    };
    const auto typeOf = [this](int zone) { return m_image.value(L::zoneField(zone, L::Zone::ZoneType)); };
    // A zone that is off has only its "off".
    const auto ofZoneOn = [&](const auto& cellOf) {
        return [&, cellOf](int zone) { return zoneOn(zone) ? cellOf(zone) : ReportValues::none(); };
    };
    const auto valueOf = [&](const char* name) {
        return ofZoneOn([this, name](int zone) { return m_values.of(zoneKey(zone, name)); });
    };

    addRow(bitName(type, L::Zone::On), [&](int zone) { return zoneOn(zone) ? tr("да") : tr("нет"); });
    addRow(type.caption, ofZoneOn([&](int zone) {
               const QString name = type.codeNames.value(static_cast<int>(typeOf(zone) & type.codeMask));
               return name.isEmpty() ? ReportValues::none() : FieldCatalogue::shownName(name);
           }));
    addRow(bitName(type, L::Zone::Siren),
           ofZoneOn([&](int zone) { return (typeOf(zone) & L::Zone::Siren) != 0 ? tr("да") : tr("нет"); }));
    for (const char* name : {"sensitivity_ms", "entry_delay_s", "groups"})
        addRow(field(zoneKey(1, name)).caption, valueOf(name));
    if (m_options.detailed) {
        for (const char* name : {"number", "marker", "class"})
            addRow(field(zoneKey(1, name)).caption,
                   [this, name](int zone) { return m_values.of(zoneKey(zone, name)); });
    }
    return table;
}

ConfigurationReport::Table ConfigurationReport::groups() const
{
    Table table{tr("Группы"), {tr("№"), tr("Наименование"), tr("Выход, с"), tr("Светодиод, с"), tr("Шлейфы")}, {}};
    for (const int entry : groupEntries()) {
        const int number = static_cast<int>(m_image.value(L::groupField(entry, L::Group::GrNmb)));
        QStringList zones;
        for (int zone = 1; zone <= L::UsedZoneCount; ++zone) {
            const quint32 groups = m_image.value(L::zoneField(zone, L::Zone::GroupMask));
            if (zoneOn(zone) && number <= 8 * L::Zone::GroupMask.size && (groups & (1u << (number - 1))) != 0)
                zones.append(zoneName(zone));
        }
        const bool named = number <= L::GroupNames.slots;
        table.rows.append({{},
                           {QString::number(number),
                            named ? m_values.of(textKey("group_names", number)) : ReportValues::none(),
                            QString::number(m_image.value(L::groupField(entry, L::Group::DelayOut))),
                            QString::number(m_image.value(L::groupField(entry, L::Group::LedOn))),
                            zones.isEmpty() ? ReportValues::none() : zones.join(QStringLiteral(", "))}});
    }
    return table;
}

ConfigurationReport::Table ConfigurationReport::users() const
{
    Table table{tr("Пользователи"), {tr("Номера"), tr("Группы")}, {}};
    const auto maskOf = [this](int user) { return m_image.value(L::userField(user, L::User::GroupMask)); };
    for (int first = 1; first <= L::UsedUserCount;) {
        int last = first;
        while (last < L::UsedUserCount && maskOf(last + 1) == maskOf(first))
            ++last;
        if (maskOf(first) != 0)
            table.rows.append({{}, {numberRange(first, last), groupNumbers(maskOf(first))}});
        first = last + 1;
    }
    return table;
}

ConfigurationReport::Table ConfigurationReport::channels() const
{
    Table table{tr("Каналы связи"), {}, {}};
    for (int record = 1; record < L::UpdateRecord; ++record) {
        const int kind = L::Kind::kindOf(static_cast<int>(m_image.value(L::channelField(record, L::Channel::Kind))));
        if (kind == L::Kind::Empty)
            continue;
        table.rows.append(Row{{}, {m_values.of(channelKey(record, "kind"))}});
        QList<const char*> names;
        switch (kind) {
        case L::Kind::Sms:
            if (record == L::SmsRecord)
                addSmsChannel(table);
            break;
        case L::Kind::RemoteConfig: names = {"address", "port", "local_port", "apn", "mac_number"}; break;
        case L::Kind::Gsm: names = {"phone", "test_phone", "call_count", "gsm_test_period_s"}; break;
        case L::Kind::Gprs: names = {"address", "port", "apn", "option", "call_count"}; break;
        case L::Kind::Ethernet:
            names = {"address", "port", "own_address", "gateway_address", "option2", "local_port", "call_count"};
            break;
        default: break;
        }
        for (const char* name : std::as_const(names))
            addField(table, channelKey(record, name));
    }
    return table;
}

void ConfigurationReport::addSmsChannel(Table& table) const
{
    const quint32 calls = m_image.value(L::channelField(L::SmsRecord, L::Channel::CallMask));
    bool given = false;
    for (int phone = 1; phone <= L::SmsPhoneCount; ++phone) {
        const CatalogueField& number = field(QStringLiteral("sms.phones[%1]").arg(phone));
        const QString shown = m_values.of(number);
        if (shown == ReportValues::none())
            continue;
        given = true;
        const bool call = (calls & (1u << (phone - 1))) != 0;
        table.rows.append({number.key, {number.caption, call ? tr("%1, и звонок").arg(shown) : shown}});
    }
    if (!given)
        table.rows.append({{}, {tr("Номера"), tr("не заданы: СМС не отправляются")}});
    addField(table, QStringLiteral("sms.balance_request"));
}

QList<ConfigurationReport::Table> ConfigurationReport::texts() const
{
    // The panel sends its texts by SMS only.
    if (!smsInUse())
        return {};

    Table events{tr("Тексты извещений: события"), {tr("Событие"), tr("Текст")}, {}};
    for (const SystemText& text : SystemTexts) {
        const QString key = textKey("system", text.row);
        QString caption = field(key).caption;
        if (text.eventKey) {
            const CatalogueField& event = field(QLatin1String(text.eventKey));
            if ((m_image.value(event.layoutField()) & text.bit) == 0)
                continue;
            caption = event.caption + QStringLiteral(": ") + bitName(event, text.bit).toLower();
        }
        events.rows.append({key, {caption, m_values.of(key)}});
    }

    Table zones{tr("Тексты извещений: шлейфы"), {tr("Шлейф"), tr("Тревога"), tr("Восстановление")}, {}};
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone) {
        if (zoneOn(zone)) {
            zones.rows.append({{},
                               {zoneName(zone), m_values.of(textKey("alarm", zone)),
                                m_values.of(textKey("alarm", zone + L::UsedZoneCount))}});
        }
    }

    Table users{tr("Тексты извещений: пользователи"), {tr("Пользователь"), tr("Постановка"), tr("Снятие")}, {}};
    for (int user = 1; user <= L::UsedUserCount; ++user) {
        if (m_image.value(L::userField(user, L::User::GroupMask)) != 0) {
            users.rows.append(
                {{}, {QString::number(user), m_values.of(textKey("arm", user)), m_values.of(textKey("disarm", user))}});
        }
    }

    Table states{tr("Тексты извещений: состояния ППК"), {tr("Состояние"), tr("Описание")}, {}};
    for (int row = 1; row <= L::StatusTexts.slots; ++row) {
        const QString key = textKey("status", row);
        states.rows.append({key, {field(key).caption, m_values.of(key)}});
    }
    return {events, zones, users, states};
}

void ConfigurationReport::addField(Table& table, const CatalogueField& field) const
{
    if (ReportValues::isInternal(field) && !m_options.detailed)
        return;
    table.rows.append({field.key, {field.caption, m_values.of(field)}});
}

void ConfigurationReport::addField(Table& table, const QString& key) const
{
    addField(table, field(key));
}

bool ConfigurationReport::smsInUse() const
{
    return L::Kind::kindOf(static_cast<int>(m_image.value(L::channelField(L::SmsRecord, L::Channel::Kind))))
           == L::Kind::Sms;
}

bool ConfigurationReport::keyboardConnected() const
{
    return (m_image.value(L::KeyboardMode) & L::KeyboardConnected) != 0;
}

bool ConfigurationReport::zoneOn(int zone) const
{
    return (m_image.value(L::zoneField(zone, L::Zone::ZoneType)) & L::Zone::On) != 0;
}

QList<int> ConfigurationReport::groupEntries() const
{
    QList<int> entries;
    for (int entry = 1; entry <= L::GroupEntryCount; ++entry) {
        if (m_image.value(L::groupField(entry, L::Group::GrNmb)) == 0)
            break;
        entries.append(entry);
    }
    return entries;
}
