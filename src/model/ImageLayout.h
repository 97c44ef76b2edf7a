#pragma once

// Where every field of the panel's configuration image lives. Offsets count
// from 0; the transfers number the bytes from 1 (position p is offset p - 1).
namespace ImageLayout {

struct Field {
    int offset;
    int size;

    constexpr Field at(int base) const { return {base + offset, size}; }
    constexpr int end() const { return offset + size; }
    constexpr bool operator==(const Field&) const = default;
};

constexpr int ImageSize = 9419;

// ChannelRecord 1..15, and the fields inside one record.
constexpr int ChannelRecordSize = 117;
constexpr int ChannelRecordCount = 15;
constexpr int channelRecord(int n) { return ChannelRecordSize * (n - 1); }

namespace Channel {
constexpr Field Kind{0, 1};
constexpr Field Account{2, 2};
constexpr Field CallMask{4, 1};
constexpr Field CallCount{5, 1};
constexpr Field TestPeriod{6, 2};
constexpr int TestPeriodUnit = 5;  // seconds the pages show per unit of TestPeriod
constexpr Field GsmTestPeriod{8, 2};
constexpr Field Phone{10, 10};
constexpr Field TestPhone{20, 10};
constexpr Field Option{30, 1};
constexpr Field Option2{31, 1};
constexpr Field Address{32, 4};
constexpr Field OwnAddress{36, 4};
constexpr Field GatewayAddress{40, 4};
constexpr Field MacNumber{44, 4};
constexpr Field Port{48, 2};
constexpr Field LocalPort{50, 2};
constexpr Field Apn{52, 64};
} // namespace Channel

constexpr Field channelField(int record, Field field) { return field.at(channelRecord(record)); }

// The roles of records 1, 2, 14 and 15.
constexpr int SmsRecord = 1;
constexpr int RemoteConfigRecord = 2;
constexpr int UpdateRecord = 14;
constexpr int WifiRecord = 15;

constexpr Field UpdatePhone = channelField(UpdateRecord, Channel::Phone);       // 1531
constexpr Field FirmwareVersion = channelField(UpdateRecord, Channel::Option);  // 1551
constexpr Field UpdateApn{1573, 32};
constexpr Field UpdateServer{1605, 32};
constexpr Field WifiSecured = channelField(WifiRecord, Channel::Option);        // 1668
constexpr Field SendGsmLevel = channelField(WifiRecord, Channel::Option2);      // 1669
constexpr Field WifiSsid{1690, 32};
constexpr Field WifiPassword{1722, 32};

// Channel kinds: the high nibble of Kind.
namespace Kind {
constexpr int Empty = 0x0;
constexpr int Gsm = 0x1;
constexpr int Gprs = 0x2;
constexpr int Ethernet = 0x3;
constexpr int Sms = 0x4;
constexpr int RemoteConfig = 0x6;
constexpr int SmsValue = 0x40;
constexpr int RemoteConfigValue = 0x60;
constexpr int kindOf(int kindByte) { return kindByte >> 4; }
constexpr int slotOf(int kindByte) { return kindByte & 0x07; }
} // namespace Kind

// General settings bytes.
constexpr Field TamperPanelEvents{1755, 1};
constexpr Field TamperKeyboardEvents{1756, 1};
constexpr Field BatteryEvents{1757, 1};
constexpr Field MainsEvents{1758, 1};
constexpr Field KeyboardLinkEvents{1762, 1};
constexpr Field KeyboardMode{1766, 1};
constexpr Field SirenTime{1767, 2};
constexpr int SirenTimeUnit = 5;  // seconds the pages show per unit of SirenTime
constexpr Field BlockPhone{1779, 10};
constexpr Field UnblockPhone{1789, 10};
constexpr Field LayoutMark{1799, 2};
constexpr unsigned LayoutMarkValue = 0x4903;

// Event bits of the five event bytes.
constexpr unsigned EventViolation = 0x01;
constexpr unsigned EventRestoral = 0x02;

// KeyboardMode bits.
constexpr unsigned KeyboardConnected = 0x01;
constexpr unsigned KeyboardArmBeep = 0x04;

// ReservedTable: 30 entries of 5 bytes, always zero.
constexpr Field ReservedTable{1801, 150};

// ZoneTable: ZoneEntry n (8 bytes) at 1951 + 8 (n - 1); zones 1..8 used.
constexpr int ZoneTableOffset = 1951;
constexpr int ZoneEntrySize = 8;
constexpr int ZoneEntryCount = 120;
constexpr int UsedZoneCount = 8;
constexpr int PanelZoneCount = 6;  // Z1..Z6; the used zones after them are the keyboard's K1, K2
namespace Zone {
constexpr Field Marker{0, 1};
constexpr Field ZoneNo{1, 1};
constexpr Field ZoneType{2, 1};
constexpr Field Sensitivity{3, 1};
constexpr int SensitivityUnit = 10;  // milliseconds the pages show per unit of Sensitivity
constexpr Field EntryDelay{4, 1};
constexpr Field ZoneClass{5, 1};
constexpr Field GroupMask{6, 2};
constexpr unsigned MarkerValue = 0x1F;
constexpr unsigned On = 0x10;
constexpr unsigned Siren = 0x20;
constexpr unsigned TypeMask = 0x07;
constexpr unsigned KeyboardClass = 0x10;
} // namespace Zone
constexpr Field zoneField(int zone, Field field) { return field.at(ZoneTableOffset + ZoneEntrySize * (zone - 1)); }

// ZoneType codes (low 3 bits).
namespace ZoneTypeCode {
constexpr int Undetermined = 0;
constexpr int Hour24 = 1;
constexpr int EntryExit = 2;
constexpr int Interior = 3;
constexpr int Perimeter = 4;
constexpr int Instant = 5;
constexpr int Arming = 6;
constexpr int InteriorPerimeter = 7;
} // namespace ZoneTypeCode

// GroupTable: GroupEntry n (3 bytes) at 2911 + 3 (n - 1).
constexpr int GroupTableOffset = 2911;
constexpr int GroupEntrySize = 3;
constexpr int GroupEntryCount = 16;
namespace Group {
constexpr Field GrNmb{0, 1};
constexpr Field DelayOut{1, 1};
constexpr Field LedOn{2, 1};
} // namespace Group
constexpr Field groupField(int entry, Field field) { return field.at(GroupTableOffset + GroupEntrySize * (entry - 1)); }

// UserTable: UserEntry n (3 bytes) at 2959 + 3 (n - 1); users 1..32 used.
constexpr int UserTableOffset = 2959;
constexpr int UserEntrySize = 3;
constexpr int UserEntryCount = 64;
constexpr int UsedUserCount = 32;
namespace User {
constexpr Field UserNo{0, 1};
constexpr Field GroupMask{1, 2};
} // namespace User
constexpr Field userField(int user, Field field) { return field.at(UserTableOffset + UserEntrySize * (user - 1)); }

// SmsPhones: phone n (13 characters) at 3151 + 13 (n - 1).
constexpr int SmsPhoneCount = 6;
constexpr Field smsPhone(int n) { return {3151 + 13 * (n - 1), 13}; }

// Text tables: TextSlot r at the table's offset + 60 (r - 1).
constexpr int TextSlotSize = 60;
constexpr int TextSlotChars = 30;
struct TextTable {
    int offset;
    int slots;
    constexpr Field slot(int r) const { return {offset + TextSlotSize * (r - 1), TextSlotSize}; }
};
constexpr TextTable AlarmTexts{3229, 16};
constexpr TextTable SystemTexts{4189, 11};
constexpr TextTable ArmTexts{4849, 32};
constexpr TextTable DisarmTexts{6769, 32};
constexpr TextTable GroupNames{8689, 8};
constexpr TextTable StatusTexts{9169, 4};

constexpr Field BalanceRequest{9409, 10};

static_assert(channelRecord(ChannelRecordCount + 1) == TamperPanelEvents.offset);
static_assert(ReservedTable.end() == ZoneTableOffset);
static_assert(ZoneTableOffset + ZoneEntrySize * ZoneEntryCount == GroupTableOffset);
static_assert(GroupTableOffset + GroupEntrySize * GroupEntryCount == UserTableOffset);
static_assert(UserTableOffset + UserEntrySize * UserEntryCount == smsPhone(1).offset);
static_assert(smsPhone(SmsPhoneCount + 1).offset == AlarmTexts.offset);
static_assert(AlarmTexts.slot(AlarmTexts.slots + 1).offset == SystemTexts.offset);
static_assert(SystemTexts.slot(SystemTexts.slots + 1).offset == ArmTexts.offset);
static_assert(ArmTexts.slot(ArmTexts.slots + 1).offset == DisarmTexts.offset);
static_assert(DisarmTexts.slot(DisarmTexts.slots + 1).offset == GroupNames.offset);
static_assert(GroupNames.slot(GroupNames.slots + 1).offset == StatusTexts.offset);
static_assert(StatusTexts.slot(StatusTexts.slots + 1).offset == BalanceRequest.offset);
static_assert(BalanceRequest.end() == ImageSize);

} // namespace ImageLayout
