#include "ImageBuilder.h"

#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "CheckGroup.h"
#include "ConfigImage.h"
#include "Dialogs.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "GroupsModel.h"
#include "IP2Word.h"
#include "ImageChecks.h"
#include "RadioGroup.h"
#include "RemotePage.h"
#include "SmsPage.h"
#include "StringGrid.h"
#include "TextsPage.h"
#include "UserCountSpin.h"
#include "UsersGrid.h"
#include "ZoneGrid.h"
#include "ZoneLinksModel.h"
#include "ZonesPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace L = ImageLayout;

namespace {

constexpr int DefaultConfiguratorPort = 9990;
constexpr int DefaultLocalPort = 9999;
constexpr int GroupMaskBits = 16;

std::optional<std::int64_t> wholeNumber(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    return ok ? std::optional<std::int64_t>(value) : std::nullopt;
}

std::uint32_t wholeNumberOr(const QString& text, std::int64_t fallback)
{
    return static_cast<std::uint32_t>(wholeNumber(text).value_or(fallback));
}

// Trimmed of blanks and control characters on both ends.
QString trimmedText(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

Dialogs::Message errorBox(const ImageChecks::Message& message, bool onTop = true)
{
    return Dialogs::Message::error(message.text, message.caption, onTop);
}

// Bit GrNmb - 1 of a 16-bit group mask; a number outside 1..16 names no group.
std::uint32_t groupBit(int grNmb)
{
    return grNmb >= 1 && grNmb <= GroupMaskBits ? 1u << (grNmb - 1) : 0u;
}

} // namespace

ImageBuilder::ImageBuilder(ConfigImage& image, Dialogs& dialogs, const GeneralPage& general, const ZonesPage& zones,
                           const TextsPage& texts, const Sheets& sheets)
    : m_image(image)
    , m_dialogs(&dialogs)
    , m_general(general)
    , m_zones(zones)
    , m_texts(texts)
    , m_sheets(sheets)
{
}

ImageBuilder::ImageBuilder(ConfigImage& image, const GeneralPage& general, const ZonesPage& zones,
                           const TextsPage& texts)
    : m_image(image)
    , m_dialogs(nullptr)
    , m_general(general)
    , m_zones(zones)
    , m_texts(texts)
{
}

bool ImageBuilder::ask(const Dialogs::Message& question)
{
    return !m_dialogs || m_dialogs->message(question) == Dialogs::Answer::Yes;
}

bool ImageBuilder::checkFailed(const Dialogs::Message& message)
{
    if (!m_dialogs) {
        m_failedChecks.append(message.text);
        return true;
    }
    m_dialogs->message(message);
    return false;
}

void ImageBuilder::tell(const Dialogs::Message& message, bool leavesOut)
{
    if (m_dialogs)
        m_dialogs->message(message);
    else if (leavesOut)
        m_failedChecks.append(message.text);
}

void ImageBuilder::unreadable(L::Field field, const QString& text)
{
    m_unreadable.append({field, text});
}

void ImageBuilder::focus(QWidget* control)
{
    if (m_sheets)
        control->setFocus();
}

ImageBuilder::Result ImageBuilder::build()
{
    m_failedChecks.clear();
    m_unreadable.clear();
    m_image.clear();
    if (!buildAccount())
        return Result::Stopped;
    if (m_general.voiceBox()->isChecked() && !buildSms())
        return Result::Stopped;
    buildUpdateAndWifi();
    buildGeneralBytes();
    if (!buildZones())
        return Result::Stopped;
    buildGroups();
    buildUsers();
    return Result::Complete;
}

std::int64_t ImageBuilder::roundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int ImageBuilder::ZoneTypeOf(const StringGrid& grid, int zone)
{
    if (grid.cell(zone, ZoneGrid::RowOn).isEmpty())
        return 0;
    const auto set = [&](int row) { return grid.isMarked(zone, row); };
    const auto empty = [&](int row) { return grid.isBlank(zone, row); };
    int type = L::Zone::On;
    if (set(ZoneGrid::RowSiren))
        type += L::Zone::Siren;
    const bool noTypeRow = empty(ZoneGrid::Row24Hour) && empty(ZoneGrid::RowInterior)
                           && empty(ZoneGrid::RowPerimeter) && empty(ZoneGrid::RowArming);
    if (set(ZoneGrid::Row24Hour))
        return type + L::ZoneTypeCode::Hour24;
    if (noTypeRow && !empty(ZoneGrid::RowEntry))
        return type + L::ZoneTypeCode::EntryExit;
    if (set(ZoneGrid::RowInterior) && empty(ZoneGrid::RowPerimeter))
        return type + L::ZoneTypeCode::Interior;
    if (set(ZoneGrid::RowPerimeter) && empty(ZoneGrid::RowInterior))
        return type + L::ZoneTypeCode::Perimeter;
    if (noTypeRow && empty(ZoneGrid::RowEntry))
        return type + L::ZoneTypeCode::Instant;
    if (set(ZoneGrid::RowInterior) && set(ZoneGrid::RowPerimeter))
        return type + L::ZoneTypeCode::InteriorPerimeter;
    if (set(ZoneGrid::RowArming))
        return type + L::ZoneTypeCode::Arming;
    return type;
}

bool ImageBuilder::buildAccount()
{
    QLineEdit* account = m_general.editAccount();
    const auto failure = ImageChecks::account(account->text());
    if (!failure)
        return true;
    const bool goOn = checkFailed(errorBox(*failure, false));
    if (m_sheets)
        m_sheets->pageConfig.setCurrentWidget(&m_sheets->sheetPblSet);
    focus(account);
    return goOn;
}

bool ImageBuilder::buildSms()
{
    const QString account = m_general.editAccount()->text();
    const L::Field accountField = L::channelField(L::SmsRecord, L::Channel::Account);
    if (ImageChecks::account(account))
        unreadable(accountField, account);
    else
        m_image.setValue(accountField, account.toUInt(nullptr, 16));
    m_image.setValue(L::channelField(L::SmsRecord, L::Channel::Kind), L::Kind::SmsValue);
    if (!buildRemoteRecord() || !buildPhones())
        return false;
    buildTexts();
    return buildBalanceRequest();
}

bool ImageBuilder::buildRemoteRecord()
{
    const ChannelPages& pages = *m_general.pageCh();
    const QString macText = m_general.channelsSheet().editMac->text();
    const auto macFailure = ImageChecks::macNumber(macText);
    if (macFailure && !checkFailed(errorBox(*macFailure)))
        return false;
    constexpr int record = L::RemoteConfigRecord;
    m_image.setValue(L::channelField(record, L::Channel::Kind), L::Kind::RemoteConfigValue);
    m_image.setText(L::channelField(record, L::Channel::Apn), pages.remConfSheet->confAPNEdit->text());
    m_image.setValue(L::channelField(record, L::Channel::Port),
                     wholeNumberOr(m_general.confPortEdit()->text(), DefaultConfiguratorPort));
    m_image.setValue(L::channelField(record, L::Channel::LocalPort),
                     wholeNumberOr(pages.sheetEthernet->editPort_Loc->text(), DefaultLocalPort));
    const L::Field macNumber = L::channelField(record, L::Channel::MacNumber);
    if (macFailure)
        unreadable(macNumber, macText);
    else
        m_image.setValue(macNumber, static_cast<std::uint32_t>(*wholeNumber(macText)));
    m_image.setValue(L::channelField(record, L::Channel::Address), IP2Word(pages.remConfSheet->confIPEdit->text()));
    return true;
}

bool ImageBuilder::buildPhones()
{
    const SmsPage& sms = *m_general.pageCh()->sheetVoice;
    const L::Field callMaskField = L::channelField(L::SmsRecord, L::Channel::CallMask);
    std::uint32_t callMask = 0;
    std::optional<int> listEnd;   // the phones before the first empty one
    bool leftOut = false;         // a phone after it, which the write command does not store
    for (int n = 1; n <= L::SmsPhoneCount; ++n) {
        QLineEdit* phone = sms.phV[n - 1];
        const QString text = phone->text();
        const ImageChecks::Phone verdict = ImageChecks::phone(text);
        if (verdict == ImageChecks::Phone::ListEnds) {
            if (!listEnd)
                listEnd = n - 1;
            if (m_dialogs)
                break;
            continue;
        }
        leftOut = leftOut || listEnd.has_value();
        if (verdict == ImageChecks::Phone::Malformed) {
            const bool goOn = checkFailed(errorBox(ImageChecks::malformedPhone()));
            focus(phone);
            if (!goOn) {
                m_image.setValue(callMaskField, callMask);
                return false;
            }
            unreadable(L::smsPhone(n), text);
        } else {
            QByteArray bytes;
            for (QChar c : text)
                bytes.append(c == QLatin1Char(' ') ? '\0' : static_cast<char>(c.unicode() & 0xFF));
            m_image.setChars(L::smsPhone(n), bytes);
        }
        if (sms.chkCh[n - 1]->isChecked())
            callMask |= 1u << (n - 1);
    }
    m_image.setValue(callMaskField, callMask);
    if (listEnd) {
        const ImageChecks::Message end = ImageChecks::phonesEndAt(*listEnd);
        tell(Dialogs::Message::warning(end.text, end.caption), leftOut);
    }
    return true;
}

void ImageBuilder::buildTexts()
{
    struct Source {
        const StringGrid& grid;
        int column;
        L::TextTable table;
    };
    const Source sources[] = {
        {m_texts.sysMesGrid(), 1, L::SystemTexts},  {m_texts.alarmMesGrid(), 1, L::AlarmTexts},
        {m_texts.armMesGrid(), 1, L::ArmTexts},     {m_texts.armMesGrid(), 2, L::DisarmTexts},
        {m_texts.grNameGrid(), 1, L::GroupNames},   {m_texts.statusGrid(), 1, L::StatusTexts},
    };
    for (const Source& source : sources) {
        for (int row = 1; row <= source.table.slots; ++row) {
            const QString text = trimmedText(source.grid.cell(source.column, row));
            if (!text.isEmpty())
                m_image.setSlotText(source.table.slot(row), text);
        }
    }
}

bool ImageBuilder::buildBalanceRequest()
{
    const QString request = m_general.pageCh()->sheetVoice->edtBl->text();
    switch (ImageChecks::balanceRequest(request)) {
    case ImageChecks::BalanceRequest::Missing: {
        const ImageChecks::Message question = ImageChecks::missingBalanceRequest();
        return ask(Dialogs::Message::question(question.text, question.caption));
    }
    case ImageChecks::BalanceRequest::Malformed:
        if (!checkFailed(errorBox(ImageChecks::malformedBalanceRequest())))
            return false;
        unreadable(L::BalanceRequest, request);
        return true;
    case ImageChecks::BalanceRequest::Given: break;
    }
    m_image.setText(L::BalanceRequest, request);
    return true;
}

void ImageBuilder::buildUpdateAndWifi()
{
    const ChannelPages& pages = *m_general.pageCh();
    m_image.setText(L::UpdateApn, pages.remConfSheet->upAPNEdit->text());
    m_image.setText(L::UpdateServer, pages.remConfSheet->ftpEdit->text());

    const EthernetPage& ethernet = *pages.sheetEthernet;
    m_image.setText(L::WifiSsid, ethernet.edtSSID->text());
    if (ethernet.chkOpenWF->isChecked()) {
        m_image.setValue(L::WifiSecured, 0);
    } else {
        m_image.setValue(L::WifiSecured, 1);
        m_image.setText(L::WifiPassword, ethernet.edtPassWF->text());
    }
    m_image.setValue(L::SendGsmLevel, m_general.channelsSheet().chkGL->isChecked() ? 1 : 0);
}

void ImageBuilder::buildGeneralBytes()
{
    std::uint32_t keyboard = static_cast<std::uint8_t>(m_general.armBox()->itemIndex());
    if (m_general.chkAA()->isChecked())
        keyboard |= L::KeyboardArmBeep;
    m_image.setValue(L::KeyboardMode, keyboard);

    const std::pair<L::Field, const CheckGroup*> events[] = {
        {L::TamperPanelEvents, m_general.boxTmpr()},       {L::BatteryEvents, m_general.boxDC()},
        {L::MainsEvents, m_general.boxAC()},               {L::TamperKeyboardEvents, m_general.boxTmpKbd()},
        {L::KeyboardLinkEvents, m_general.boxLnkKbd()},
    };
    for (const auto& [field, box] : events) {
        std::uint32_t bits = 0;
        if (box->isChecked(0))
            bits |= L::EventViolation;
        if (box->isChecked(1))
            bits |= L::EventRestoral;
        m_image.setValue(field, bits);
    }

    m_image.setValue(L::LayoutMark, L::LayoutMarkValue);
    m_image.setValue(L::SirenTime,
                     static_cast<std::uint8_t>(roundHalfEven(m_general.delaySiren()->value(), L::SirenTimeUnit)));
    m_image.setChars(L::ReservedTable, {});
}

bool ImageBuilder::buildZones()
{
    const ZoneGrid& grid = m_zones.gridZone();
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone) {
        const int type = ZoneTypeOf(grid, zone);
        const auto sensitivity = wholeNumber(grid.cell(zone, ZoneGrid::RowSensitivity)).value_or(0);
        std::uint32_t groupMask = 0;
        for (const ZoneLinksModel::Link& link : m_zones.zoneLinks().links()) {
            if (link.NmbZn == zone)
                groupMask |= groupBit(link.GrNmb);
        }
        m_image.setValue(L::zoneField(zone, L::Zone::Marker), L::Zone::MarkerValue);
        m_image.setValue(L::zoneField(zone, L::Zone::ZoneNo), static_cast<std::uint32_t>(zone));
        m_image.setValue(L::zoneField(zone, L::Zone::ZoneType), static_cast<std::uint32_t>(type));
        m_image.setValue(L::zoneField(zone, L::Zone::Sensitivity),
                         static_cast<std::uint8_t>(roundHalfEven(sensitivity, L::Zone::SensitivityUnit)));
        m_image.setValue(L::zoneField(zone, L::Zone::EntryDelay),
                         static_cast<std::uint8_t>(wholeNumberOr(grid.cell(zone, ZoneGrid::RowEntry), 0)));
        m_image.setValue(L::zoneField(zone, L::Zone::ZoneClass),
                         zone >= ZoneGrid::FirstKeyboardZone ? L::Zone::KeyboardClass : 0);
        m_image.setValue(L::zoneField(zone, L::Zone::GroupMask), groupMask);
        if (const auto failure = ImageChecks::zone(zone, type != 0, groupMask)) {
            const bool goOn = checkFailed(errorBox(*failure));
            if (m_sheets)
                m_sheets->pageConfig.setCurrentWidget(&m_sheets->sheetZones);
            if (!goOn)
                return false;
        }
    }
    return true;
}

void ImageBuilder::buildGroups()
{
    const QList<GroupsModel::Group>& groups = m_zones.groups().groups();
    for (int p = 1; p <= L::GroupEntryCount && p <= groups.size(); ++p) {
        const GroupsModel::Group& group = groups.at(p - 1);
        m_image.setValue(L::groupField(p, L::Group::GrNmb), static_cast<std::uint8_t>(group.GrNmb));
        m_image.setValue(L::groupField(p, L::Group::DelayOut), static_cast<std::uint8_t>(group.DelayOut));
        m_image.setValue(L::groupField(p, L::Group::LedOn), static_cast<std::uint8_t>(group.LedOn));
    }
}

void ImageBuilder::buildUsers()
{
    const UsersGrid& grid = m_zones.gridUsers();
    const int groups = std::min(m_zones.groups().count(), GroupMaskBits);
    const int userCount = m_zones.userCount().value();
    bool listCut = false;
    for (int user = 1; user <= L::UserEntryCount; ++user) {
        std::uint32_t mask = 0;
        for (int column = 1; column <= groups; ++column) {
            if (grid.isMarked(column, user))
                mask |= 1u << (column - 1);
        }
        if (mask != 0) {
            m_image.setValue(L::userField(user, L::User::UserNo), static_cast<std::uint32_t>(user));
            m_image.setValue(L::userField(user, L::User::GroupMask), mask);
        } else if (user < userCount && !listCut) {
            tell(Dialogs::Message::error(
                     tr("Пользователь № %1 не включен в группы. Формирование списка прервано.").arg(user),
                     tr("Список пользователей")),
                 true);
            // The write command stores no user after this one; a quiet build stores them all.
            if (m_dialogs)
                return;
            listCut = true;
        }
    }
}
