#include "ImageRestorer.h"

#include "ChListBox.h"
#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "CheckGroup.h"
#include "ConfigImage.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "GprsPage.h"
#include "GroupsModel.h"
#include "GsmPage.h"
#include "PanelIdentifier.h"
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
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace L = ImageLayout;

namespace {

constexpr int OneSim = 0;
constexpr int NoSim = 1;
constexpr int LastChannelRecord = 13;   // records 14 and 15 are never channels
constexpr int GroupColumns = 8;
constexpr int FirstKeyboardZoneNo = ZoneGrid::FirstKeyboardZone;
constexpr int FullPhoneDigits = 13;

// A radio group's index beyond its last item selects the last item.
void setRadioIndex(RadioGroup* group, int index)
{
    group->setItemIndex(std::min(index, group->count() - 1));
}

// A field's length limit is for typing: a value from the image arrives whole,
// so that nothing the panel holds is cut off and written back shorter.
void putText(QLineEdit* edit, const QString& text)
{
    if (text.size() > edit->maxLength())
        edit->setMaxLength(static_cast<int>(text.size()));
    edit->setText(text);
}

void setEvents(CheckGroup* box, unsigned bits)
{
    box->setChecked(0, (bits & L::EventViolation) != 0);
    box->setChecked(1, (bits & L::EventRestoral) != 0);
}

QString zoneName(int zone, unsigned zoneClass)
{
    return zoneClass == 0 ? QStringLiteral("Z%1").arg(zone) : QStringLiteral("K%1").arg(zone - (FirstKeyboardZoneNo - 1));
}

} // namespace

ImageRestorer::ImageRestorer(ConfigImage& image, GeneralPage& general, ZonesPage& zones, TextsPage& texts)
    : m_image(image)
    , m_general(general)
    , m_zones(zones)
    , m_texts(texts)
{
}

QString ImageRestorer::ipTextOf(const ConfigImage& image, L::Field field)
{
    const ConfigImage::Octets octets = image.octets(field);
    return QStringLiteral("%1.%2.%3.%4").arg(octets[0]).arg(octets[1]).arg(octets[2]).arg(octets[3]);
}

int ImageRestorer::kindOf(int record) const
{
    return static_cast<int>(m_image.value(L::channelField(record, L::Channel::Kind)));
}

QString ImageRestorer::decimalOf(L::Field field) const
{
    return QString::number(m_image.value(field));
}

bool ImageRestorer::remoteRecordIsOurs() const
{
    return kindOf(L::RemoteConfigRecord) == L::Kind::RemoteConfigValue;
}

void ImageRestorer::RestCh()
{
    GeneralPage& page = m_general;
    ChannelPages& pages = *page.pageCh();
    ChannelsSheet& sheet = page.channelsSheet();
    GprsPage& gprs = *pages.sheetGPRS;
    EthernetPage& ether = *pages.sheetEthernet;
    RemotePage& remote = *pages.remConfSheet;
    const QList<QCheckBox*> channelBoxes{page.gsmBox(), page.gprsBox(), page.etherBox(), page.voiceBox()};

    for (QLineEdit* edit : {gprs.editApn1, gprs.editAPN_PBL1, gprs.editIP, gprs.editIP1, gprs.editIP2,
                            remote.confIPEdit, ether.confEtherIPEdit, ether.confEtherSlEdit, pages.sheetGSM->pgsmT})
        edit->clear();
    {
        // The boxes are laid out from the image; their clicks would ask about
        // the list and undo each other on the way.
        const auto suspended = page.suspendChannelClicks();
        for (QCheckBox* box : channelBoxes)
            box->setChecked(false);
        page.avtBox()->setChecked(false);

        remote.confGPRSCheck->setChecked(false);
        remote.confEtherCheck->setChecked(false);
        remote.confAPNEdit->clear();
        for (QWidget* sheetTab : {static_cast<QWidget*>(pages.sheetGSM), static_cast<QWidget*>(pages.sheetGPRS),
                                  static_cast<QWidget*>(pages.sheetVoice), static_cast<QWidget*>(pages.sheetEthernet)})
            pages.setPageTabVisible(sheetTab, false);
        pages.hide();
        sheet.editMac->hide();
        sheet.chListBox->clear();
        sheet.chList->hide();

        for (QLineEdit* edit : {page.phBlkEdit(), page.phUnBlkEdit(), remote.phoneUpEdit, remote.upAPNEdit,
                                remote.ftpEdit, gprs.pblPortEdit, gprs.vPort1, gprs.vPort2})
            edit->clear();

        bool simChannel = kindOf(L::SmsRecord) == L::Kind::SmsValue;
        for (int record = 1; record <= L::ChannelRecordCount; ++record) {
            const int kind = L::Kind::kindOf(kindOf(record));
            simChannel = simChannel || kind == L::Kind::Gsm || kind == L::Kind::Gprs;
        }
        sheet.simCount->setItemIndex(simChannel ? OneSim : NoSim);

        putText(page.editAccount(), panelIdentifier(m_image));
        // The configurator keeps this number in its own remote-configuration record.
        const int macRecord = remoteRecordIsOurs() ? L::RemoteConfigRecord : L::SmsRecord;
        putText(sheet.editMac, decimalOf(L::channelField(macRecord, L::Channel::MacNumber)));
        const unsigned testPeriod = m_image.value(L::channelField(L::SmsRecord, L::Channel::TestPeriod));
        page.editTestTL()->setValue(static_cast<int>(testPeriod) * L::Channel::TestPeriodUnit);
        const unsigned firmware = m_image.value(L::FirmwareVersion);
        putText(remote.verSim, firmware == 0 ? QString() : QString::number(firmware));
        putText(remote.phoneUpEdit, m_image.digits(L::UpdatePhone));
        putText(remote.upAPNEdit, m_image.digits(L::UpdateApn));
        putText(remote.ftpEdit, m_image.digits(L::UpdateServer));

        ether.chkOpenWF->setChecked(m_image.value(L::WifiSecured) == 0);
        putText(ether.edtPassWF, m_image.text(L::WifiPassword));
        putText(ether.edtSSID, m_image.text(L::WifiSsid));

        gprs.pblPortEdit->clear();
        remote.confEtherBox->hide();

        for (int record = 1; record <= LastChannelRecord; ++record)
            restoreChannel(record);

        pages.show();
        sheet.chkGL->setChecked(m_image.value(L::SendGsmLevel) != 0);
        if (page.gprsBox()->isChecked() || page.gsmBox()->isChecked() || page.etherBox()->isChecked()) {
            pages.setPageTabVisible(&remote, true);
            remote.confEtherBox->setVisible(remote.confEtherCheck->isChecked());
            remote.confGPRSBox->setVisible(remote.confGPRSCheck->isChecked());
        }
        putText(page.phBlkEdit(), m_image.digits(L::BlockPhone));
        putText(page.phUnBlkEdit(), m_image.digits(L::UnblockPhone));

        switch (L::Kind::kindOf(kindOf(L::SmsRecord))) {
        case L::Kind::Gsm: pages.setCurrentWidget(pages.sheetGSM); break;
        case L::Kind::Gprs: pages.setCurrentWidget(pages.sheetGPRS); break;
        case L::Kind::Ethernet: pages.setCurrentWidget(pages.sheetEthernet); break;
        case L::Kind::Sms: pages.setCurrentWidget(pages.sheetVoice); break;
        default: break;
        }
    }
    const bool noChannel = std::none_of(channelBoxes.begin(), channelBoxes.end(),
                                        [](const QCheckBox* box) { return box->isChecked(); });
    page.avtBox()->setChecked(noChannel);
    // Leaving "Автономный" brings the system events back; the box was unticked
    // while its click was detached, so a restore after stand-alone does it here.
    if (!noChannel)
        page.grpSys()->show();
    gprs.lan1->setVisible(page.gprsBox()->isChecked());
}

void ImageRestorer::restoreChannel(int record)
{
    const int kind = kindOf(record);
    const int slot = L::Kind::slotOf(kind);
    switch (L::Kind::kindOf(kind)) {
    case L::Kind::Gsm: restoreGsm(record, slot); break;
    case L::Kind::Gprs: restoreGprs(record, slot); break;
    case L::Kind::Ethernet: restoreEthernet(record, slot); break;
    case L::Kind::Sms: restoreSms(); break;
    default: return;
    }
    const int listed = (kind & 0xF0) | slot;
    if (!ChListBox::channelText(listed).isEmpty())
        m_general.channelsSheet().chListBox->addEntry(ChListBox::channelText(listed), kind);
}

void ImageRestorer::restoreGsm(int record, int slot)
{
    ChannelPages& pages = *m_general.pageCh();
    GsmPage& gsm = *pages.sheetGSM;
    m_general.gsmBox()->setChecked(true);
    pages.setPageTabVisible(&gsm, true);
    const QString phone = m_image.text(L::channelField(record, L::Channel::Phone));
    if (slot == 1)
        putText(gsm.pgsm1, phone);
    else if (slot == 2)
        putText(gsm.pgsm2, phone);
    const L::Field testPhone = L::channelField(record, L::Channel::TestPhone);
    if (m_image.value({testPhone.offset, 1}) != 0 && gsm.pgsmT->text().isEmpty())
        putText(gsm.pgsmT, m_image.text(testPhone));
    gsm.countCallGSM->setValue(static_cast<int>(m_image.value(L::channelField(record, L::Channel::CallCount))));
    gsm.editTestGSM->setValue(static_cast<int>(m_image.value(L::channelField(record, L::Channel::GsmTestPeriod))));
}

void ImageRestorer::restoreGprs(int record, int slot)
{
    ChannelPages& pages = *m_general.pageCh();
    GprsPage& gprs = *pages.sheetGPRS;
    m_general.gprsBox()->setChecked(true);
    pages.setPageTabVisible(&gprs, true);
    gprs.countCallGPRS->setValue(static_cast<int>(m_image.value(L::channelField(record, L::Channel::CallCount))));
    setRadioIndex(gprs.protVPN, static_cast<int>(m_image.value(L::channelField(record, L::Channel::Option))));

    const QString apn = m_image.text(L::channelField(record, L::Channel::Apn));
    const QString address = ipTextOf(m_image, L::channelField(record, L::Channel::Address));
    const QString port = decimalOf(L::channelField(record, L::Channel::Port));
    if (slot == 1 || slot == 2) {
        if (gprs.editApn1->text().isEmpty())
            putText(gprs.editApn1, apn);
        putText(slot == 1 ? gprs.editIP1 : gprs.editIP2, address);
        putText(slot == 1 ? gprs.vPort1 : gprs.vPort2, port);
    } else if (slot == 3) {
        if (gprs.editAPN_PBL1->text().isEmpty())
            putText(gprs.editAPN_PBL1, apn);
        if (gprs.editIP->text().isEmpty())
            putText(gprs.editIP, address);
        putText(gprs.pblPortEdit, gprs.editIP->text().isEmpty() ? QString() : port);
    }
    gprs.lan1->setVisible(slot == 1 || slot == 2);
}

void ImageRestorer::restoreEthernet(int record, int slot)
{
    ChannelPages& pages = *m_general.pageCh();
    EthernetPage& ether = *pages.sheetEthernet;
    m_general.etherBox()->setChecked(true);
    pages.setPageTabVisible(&ether, true);
    putText(m_general.channelsSheet().editMac, decimalOf(L::channelField(record, L::Channel::MacNumber)));
    ether.countCallEt->setValue(static_cast<int>(m_image.value(L::channelField(record, L::Channel::CallCount))));
    putText(ether.editPort_Loc, decimalOf(L::channelField(record, L::Channel::LocalPort)));
    putText(ether.dhcpIP, ipTextOf(m_image, L::channelField(record, L::Channel::OwnAddress)));
    putText(ether.shlIP, ipTextOf(m_image, L::channelField(record, L::Channel::GatewayAddress)));
    setRadioIndex(ether.dhcpOnOff, static_cast<int>(m_image.value(L::channelField(record, L::Channel::Option2))));
    const QString address = ipTextOf(m_image, L::channelField(record, L::Channel::Address));
    const QString port = decimalOf(L::channelField(record, L::Channel::Port));
    if (slot == 1) {
        putText(ether.editIP1_PCN, address);
        putText(ether.editPort1_PCN, port);
    } else if (slot == 2) {
        putText(ether.editIP2_PCN, address);
        putText(ether.editPort2_PCN, port);
    }
}

void ImageRestorer::restoreSms()
{
    ChannelPages& pages = *m_general.pageCh();
    m_general.channelsSheet().simCount->setItemIndex(OneSim);
    m_general.voiceBox()->setChecked(true);
    pages.setPageTabVisible(pages.sheetVoice, true);
    pages.setCurrentWidget(pages.sheetVoice);
}

void ImageRestorer::RestDsc()
{
    ZoneGrid& gridZone = m_zones.gridZone();
    UsersGrid& gridUsers = m_zones.gridUsers();
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
        for (int row = ZoneGrid::RowOn; row <= ZoneGrid::RowArming; ++row)
            gridZone.setCell(zone, row, QString());
    for (int group = 1; group <= GroupColumns; ++group)
        for (int user = 1; user <= L::UsedUserCount; ++user)
            gridUsers.setCell(group, user, QString());
    m_zones.groups().clear();
    m_zones.zoneLinks().clear();

    m_general.delaySiren()->setValue(static_cast<int>(m_image.value(L::SirenTime)) * L::SirenTimeUnit);
    const unsigned keyboard = m_image.value(L::KeyboardMode);
    m_general.armBox()->setItemIndex((keyboard & L::KeyboardConnected) != 0 ? 1 : 0);
    m_general.chkAA()->setChecked((keyboard & L::KeyboardArmBeep) != 0);

    setEvents(m_general.boxTmpr(), m_image.value(L::TamperPanelEvents));
    setEvents(m_general.boxTmpKbd(), m_image.value(L::TamperKeyboardEvents));
    setEvents(m_general.boxLnkKbd(), m_image.value(L::KeyboardLinkEvents));
    setEvents(m_general.boxDC(), m_image.value(L::BatteryEvents));
    setEvents(m_general.boxAC(), m_image.value(L::MainsEvents));

    for (int zone = 1; zone <= L::UsedZoneCount; ++zone)
        restoreZone(zone);
    const QString firstZoneEntry = gridZone.cell(ZoneGrid::ArmingZone, ZoneGrid::RowEntry);

    for (int entry = 1; entry <= L::GroupEntryCount; ++entry) {
        const int number = static_cast<int>(m_image.value(L::groupField(entry, L::Group::GrNmb)));
        if (number == 0)
            break;
        m_zones.groups().append({number, static_cast<int>(m_image.value(L::groupField(entry, L::Group::DelayOut))),
                                 static_cast<int>(m_image.value(L::groupField(entry, L::Group::LedOn)))});
    }

    for (int group = 1; group <= GroupColumns; ++group) {
        for (int zone = 1; zone <= L::UsedZoneCount; ++zone) {
            if ((m_image.value(L::zoneField(zone, L::Zone::GroupMask)) & (1u << (group - 1))) == 0)
                continue;
            m_zones.zoneLinks().append({group, zoneName(zone, m_image.value(L::zoneField(zone, L::Zone::ZoneClass))),
                                        static_cast<int>(m_image.value(L::zoneField(zone, L::Zone::ZoneNo)))});
        }
    }

    m_zones.userCount().setValue(0);
    int users = 0;
    for (int user = 1; user <= L::UsedUserCount; ++user) {
        const unsigned mask = m_image.value(L::userField(user, L::User::GroupMask));
        for (int group = 1; group <= GroupColumns; ++group) {
            if ((mask & (1u << (group - 1))) != 0)
                gridUsers.setCell(group, user, StringGrid::Mark);
        }
        if (mask != 0)
            ++users;
    }
    m_zones.userCount().setValue(users);

    m_zones.firstGroup();
    // The exit delay follows the groups as they come in and the first one as
    // it comes forward, and its reaction copies it into Z1's entry delay; Z1
    // keeps the delay it was written with, whatever the exit delay showed before.
    gridZone.setCell(ZoneGrid::ArmingZone, ZoneGrid::RowEntry, firstZoneEntry);
}

void ImageRestorer::restoreZone(int zone)
{
    ZoneGrid& grid = m_zones.gridZone();
    const unsigned zoneType = m_image.value(L::zoneField(zone, L::Zone::ZoneType));
    const unsigned entryDelay = m_image.value(L::zoneField(zone, L::Zone::EntryDelay));
    const QString delayText = entryDelay == 0 ? QString() : QString::number(entryDelay);
    grid.setCell(zone, ZoneGrid::RowSensitivity,
                 QString::number(m_image.value(L::zoneField(zone, L::Zone::Sensitivity)) * L::Zone::SensitivityUnit));
    grid.setCell(zone, ZoneGrid::RowOn, StringGrid::Mark);
    if ((zoneType & L::Zone::Siren) != 0)
        grid.setCell(zone, ZoneGrid::RowSiren, StringGrid::Mark);

    switch (zoneType & ~(L::Zone::On | L::Zone::Siren)) {
    case L::ZoneTypeCode::Undetermined:
        grid.setCell(zone, ZoneGrid::RowOn, QString());
        // An off zone keeps the delay it was written with.
        grid.setCell(zone, ZoneGrid::RowEntry, delayText);
        break;
    case L::ZoneTypeCode::Hour24:
        grid.setCell(zone, ZoneGrid::Row24Hour, StringGrid::Mark);
        grid.setCell(zone, ZoneGrid::RowEntry, delayText);
        break;
    case L::ZoneTypeCode::EntryExit:
        grid.setCell(zone, ZoneGrid::RowEntry, QString::number(entryDelay));
        break;
    case L::ZoneTypeCode::Interior:
        grid.setCell(zone, ZoneGrid::RowInterior, StringGrid::Mark);
        grid.setCell(zone, ZoneGrid::RowEntry, StringGrid::Mark);
        break;
    case L::ZoneTypeCode::Perimeter:
        grid.setCell(zone, ZoneGrid::RowPerimeter, StringGrid::Mark);
        grid.setCell(zone, ZoneGrid::RowEntry, delayText);
        break;
    case L::ZoneTypeCode::Arming:
        grid.setCell(zone, ZoneGrid::RowArming, StringGrid::Mark);
        // Z1 carries the exit delay as its entry delay while it arms.
        grid.setCell(zone, ZoneGrid::RowEntry, delayText);
        break;
    case L::ZoneTypeCode::InteriorPerimeter:
        grid.setCell(zone, ZoneGrid::RowInterior, StringGrid::Mark);
        grid.setCell(zone, ZoneGrid::RowEntry, StringGrid::Mark);
        grid.setCell(zone, ZoneGrid::RowPerimeter, StringGrid::Mark);
        break;
    default:
        break;   // instant, or a type this editor does not know
    }
}

void ImageRestorer::RestTxt()
{
    if (kindOf(L::SmsRecord) != L::Kind::SmsValue)
        return;
    restoreRemoteRecord();
    m_general.channelsSheet().chList->setEnabled(false);
    restorePhones();
    ChannelPages& pages = *m_general.pageCh();
    pages.setPageTabVisible(pages.sheetVoice, true);
    m_general.voiceBox()->setChecked(true);
    restoreTexts();
    putText(pages.sheetVoice->edtBl, m_image.text(L::BalanceRequest));
}

void ImageRestorer::restoreRemoteRecord()
{
    RemotePage& remote = *m_general.pageCh()->remConfSheet;
    const auto field = [](L::Field f) { return L::channelField(L::RemoteConfigRecord, f); };
    if (remoteRecordIsOurs()) {
        // The record the configurator writes for itself: bring every field of it back.
        putText(remote.confIPEdit, ipTextOf(m_image, field(L::Channel::Address)));
        putText(m_general.confPortEdit(), decimalOf(field(L::Channel::Port)));
        putText(m_general.pageCh()->sheetEthernet->editPort_Loc, decimalOf(field(L::Channel::LocalPort)));
        putText(remote.confAPNEdit, m_image.text(field(L::Channel::Apn)));
        return;
    }
    remote.confGPRSCheck->setChecked(true);
    remote.confGPRSBox->show();
    putText(remote.confIPEdit, ipTextOf(m_image, field(L::Channel::Address)));
    putText(m_general.confPortEdit(), decimalOf(field(L::Channel::Port)));
}

void ImageRestorer::restorePhones()
{
    SmsPage& sms = *m_general.pageCh()->sheetVoice;
    for (int n = 0; n < SmsPage::Rows; ++n) {
        sms.phV[n]->clear();
        sms.phV[n]->setEnabled(false);
        sms.chkCh[n]->setChecked(false);
        sms.chkCh[n]->setEnabled(false);
    }
    const unsigned callMask = m_image.value(L::channelField(L::SmsRecord, L::Channel::CallMask));
    for (int n = 0; n < SmsPage::Rows; ++n) {
        const QString digits = m_image.digits(L::smsPhone(n + 1));
        putText(sms.phV[n], digits.trimmed());
        if (digits.size() != FullPhoneDigits)
            continue;
        sms.phV[n]->setEnabled(true);
        sms.chkCh[n]->setChecked((callMask & (1u << n)) != 0);
        sms.chkCh[n]->setEnabled(true);
    }
}

void ImageRestorer::restoreTexts()
{
    const auto fill = [this](StringGrid& grid, int column, const L::TextTable& table) {
        for (int row = 1; row <= table.slots; ++row)
            grid.setCell(column, row, m_image.slotText(table.slot(row)));
    };
    fill(m_texts.alarmMesGrid(), 1, L::AlarmTexts);
    fill(m_texts.sysMesGrid(), 1, L::SystemTexts);
    fill(m_texts.armMesGrid(), 1, L::ArmTexts);
    fill(m_texts.armMesGrid(), 2, L::DisarmTexts);
    fill(m_texts.grNameGrid(), 1, L::GroupNames);
    fill(m_texts.statusGrid(), 1, L::StatusTexts);
}
