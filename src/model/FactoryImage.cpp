#include "FactoryImage.h"

#include "FactoryTexts.h"
#include "FactoryValues.h"

namespace F = FactoryValues;
namespace L = ImageLayout;

namespace {

// The factory times are whole units, so dividing gives what the builder's rounding does.
static_assert(F::SirenSeconds % L::SirenTimeUnit == 0);
static_assert(F::SensitivityMs % L::Zone::SensitivityUnit == 0);

// As the builder stores numbers: the port field's "99999" kept to its low 16 bits.
constexpr unsigned StoredConfiguratorPort = F::ConfiguratorPort & 0xFFFF;
constexpr unsigned BothEvents = L::EventViolation | L::EventRestoral;
constexpr unsigned Group1 = 0x0001;

void putTexts(ConfigImage& image, const L::TextTable& table, const QList<FactoryTexts::Row>& rows)
{
    for (int row = 1; row <= table.slots; ++row)
        image.setSlotText(table.slot(row), rows.at(row - 1).text.trimmed());
}

void putZone(ConfigImage& image, int zone, unsigned type, unsigned entryDelay, unsigned groups)
{
    image.setValue(L::zoneField(zone, L::Zone::Marker), L::Zone::MarkerValue);
    image.setValue(L::zoneField(zone, L::Zone::ZoneNo), static_cast<unsigned>(zone));
    image.setValue(L::zoneField(zone, L::Zone::ZoneType), type);
    image.setValue(L::zoneField(zone, L::Zone::Sensitivity), F::SensitivityMs / L::Zone::SensitivityUnit);
    image.setValue(L::zoneField(zone, L::Zone::EntryDelay), entryDelay);
    image.setValue(L::zoneField(zone, L::Zone::ZoneClass), zone > L::PanelZoneCount ? L::Zone::KeyboardClass : 0);
    image.setValue(L::zoneField(zone, L::Zone::GroupMask), groups);
}

} // namespace

ConfigImage factoryImage()
{
    ConfigImage image;
    image.setValue(L::channelField(L::SmsRecord, L::Channel::Kind), L::Kind::SmsValue);
    image.setValue(L::channelField(L::SmsRecord, L::Channel::Account), F::Account);

    constexpr int remote = L::RemoteConfigRecord;
    image.setValue(L::channelField(remote, L::Channel::Kind), L::Kind::RemoteConfigValue);
    image.setValue(L::channelField(remote, L::Channel::Port), StoredConfiguratorPort);
    image.setValue(L::channelField(remote, L::Channel::LocalPort), F::LocalPort);
    image.setValue(L::channelField(remote, L::Channel::MacNumber), F::MacNumber);

    image.setValue(L::WifiSecured, 1);

    image.setValue(L::TamperPanelEvents, BothEvents);
    image.setValue(L::BatteryEvents, BothEvents);
    image.setValue(L::MainsEvents, BothEvents);
    image.setValue(L::SirenTime, F::SirenSeconds / L::SirenTimeUnit);
    image.setValue(L::LayoutMark, L::LayoutMarkValue);

    // Z1 an entry/exit zone, Z2 an interior zone, both sounding the siren and
    // both in group 1; the other zones are off.
    putZone(image, 1, L::Zone::On | L::Zone::Siren | L::ZoneTypeCode::EntryExit, F::EntryExitDelaySeconds, Group1);
    putZone(image, 2, L::Zone::On | L::Zone::Siren | L::ZoneTypeCode::Interior, 0, Group1);
    for (int zone = 3; zone <= L::UsedZoneCount; ++zone)
        putZone(image, zone, 0, 0, 0);

    image.setValue(L::groupField(1, L::Group::GrNmb), 1);
    image.setValue(L::groupField(1, L::Group::DelayOut), F::EntryExitDelaySeconds);
    for (int user = 1; user <= L::UsedUserCount; ++user) {
        image.setValue(L::userField(user, L::User::UserNo), static_cast<unsigned>(user));
        image.setValue(L::userField(user, L::User::GroupMask), Group1);
    }

    putTexts(image, L::AlarmTexts, FactoryTexts::alarmTexts());
    putTexts(image, L::SystemTexts, FactoryTexts::systemTexts());
    putTexts(image, L::ArmTexts, FactoryTexts::armTexts());
    putTexts(image, L::DisarmTexts, FactoryTexts::disarmTexts());
    putTexts(image, L::GroupNames, FactoryTexts::groupNames());
    putTexts(image, L::StatusTexts, FactoryTexts::statusTexts());
    return image;
}
