#include "PageStates.h"

#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "CheckGroup.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "GroupsModel.h"
#include "MainWindow.h"
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

#include <algorithm>

namespace {

constexpr int PageGroups = 8;
const QString Cyrillic = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя");
const QString Latin = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
const QString TextExtras = QStringLiteral(" .,-:!№");

} // namespace

QString PageStates::from(const QString& alphabet, int lowest, int highest)
{
    QString text;
    const int length = number(lowest, highest);
    for (int i = 0; i < length; ++i)
        text += alphabet.at(m_random.bounded(static_cast<int>(alphabet.size())));
    return text;
}

QString PageStates::address()
{
    return QStringLiteral("%1.%2.%3.%4").arg(number(0, 255)).arg(number(0, 255)).arg(number(0, 255)).arg(number(0, 255));
}

void PageStates::fill(MainWindow& window)
{
    GeneralPage& general = window.generalPage();
    fillChannels(general);
    fillGeneral(general);
    fillTexts(window.textsPage());
    const int groups = fillGroups(window.zonesPage());
    fillZones(window.zonesPage(), groups);
    fillUsers(window.zonesPage(), groups);
}

void PageStates::fillChannels(GeneralPage& general)
{
    ChannelPages& pages = *general.pageCh();
    general.editAccount()->setText(from(QStringLiteral("0123456789ABCDEF"), 4, 4));
    if (chance(20)) {
        general.avtBox()->setChecked(true);
        return;
    }
    general.avtBox()->setChecked(false);
    general.voiceBox()->setChecked(true);

    SmsPage& sms = *pages.sheetVoice;
    const int phones = number(0, SmsPage::Rows);
    for (int n = 0; n < SmsPage::Rows; ++n) {
        sms.phV[n]->setText(n < phones ? phone() : QString());
        sms.chkCh[n]->setChecked(chance(50));
    }
    sms.edtBl->setText(QStringLiteral("*") + from(QStringLiteral("0123456789*"), 1, 8) + QStringLiteral("#"));

    RemotePage& remote = *pages.remConfSheet;
    remote.confAPNEdit->setText(from(Latin + QStringLiteral(".-"), 0, 64));
    remote.confIPEdit->setText(chance(20) ? QString() : address());
    general.confPortEdit()->setText(chance(10) ? QString() : QString::number(number(0, 65535)));
    pages.sheetEthernet->editPort_Loc->setText(chance(10) ? QString() : QString::number(number(0, 65535)));
    general.channelsSheet().editMac->setText(QString::number(number(0, 99999)));
}

void PageStates::fillGeneral(GeneralPage& general)
{
    ChannelPages& pages = *general.pageCh();
    RemotePage& remote = *pages.remConfSheet;
    remote.upAPNEdit->setText(from(Latin + QStringLiteral("."), 0, 20));
    remote.ftpEdit->setText(from(QStringLiteral("0123456789"), 0, 10));

    EthernetPage& ether = *pages.sheetEthernet;
    ether.edtSSID->setText(from(Latin + QStringLiteral("-_ "), 0, 32));
    ether.chkOpenWF->setChecked(chance(40));
    ether.edtPassWF->setText(from(Latin, 0, 32));
    general.channelsSheet().chkGL->setChecked(chance(50));

    general.armBox()->setItemIndex(number(0, 1));
    general.chkAA()->setChecked(chance(50));
    for (CheckGroup* box : {general.boxTmpr(), general.boxTmpKbd(), general.boxLnkKbd(), general.boxDC(), general.boxAC()}) {
        box->setChecked(0, chance(50));
        box->setChecked(1, chance(50));
    }
    general.delaySiren()->setValue(10 * number(1, 90));
}

void PageStates::fillTexts(TextsPage& texts)
{
    const auto fill = [this](StringGrid& grid, int column, int rows) {
        for (int row = 1; row <= rows; ++row)
            grid.setCell(column, row, chance(30) ? QString() : from(Cyrillic + Latin + TextExtras, 1, 30));
    };
    fill(texts.alarmMesGrid(), 1, 16);
    fill(texts.sysMesGrid(), 1, 11);
    fill(texts.armMesGrid(), 1, 32);
    fill(texts.armMesGrid(), 2, 32);
    fill(texts.grNameGrid(), 1, 8);
    fill(texts.statusGrid(), 1, 4);
}

int PageStates::fillGroups(ZonesPage& zones)
{
    zones.groups().clear();
    zones.zoneLinks().clear();
    const int groups = number(1, PageGroups);
    for (int group = 1; group <= groups; ++group)
        zones.groups().append({group, number(0, 120), number(0, 120)});
    // As a click on the first group would: the exit delay follows it.
    zones.firstGroup();
    return groups;
}

void PageStates::fillZones(ZonesPage& zones, int groups)
{
    ZoneGrid& grid = zones.gridZone();
    const QString mark = StringGrid::Mark;
    for (int zone = 1; zone <= 8; ++zone) {
        for (int row = ZoneGrid::RowOn; row <= ZoneGrid::RowArming; ++row)
            grid.setCell(zone, row, QString());
        grid.setCell(zone, ZoneGrid::RowSensitivity, QString::number(number(0, 3000)));
        const QString delay = QString::number(number(1, 255));
        const bool on = chance(80);
        if (on) {
            grid.setCell(zone, ZoneGrid::RowOn, mark);
            grid.setCell(zone, ZoneGrid::RowSiren, chance(50) ? mark : QString());
        }
        switch (on ? number(1, 7) : 0) {
        case 0: grid.setCell(zone, ZoneGrid::RowEntry, chance(50) ? delay : QString()); break;
        case 1: grid.setCell(zone, ZoneGrid::Row24Hour, mark); break;
        case 2: grid.setCell(zone, ZoneGrid::RowEntry, QString::number(number(0, 255))); break;
        case 3:
            grid.setCell(zone, ZoneGrid::RowInterior, mark);
            grid.setCell(zone, ZoneGrid::RowEntry, mark);
            break;
        case 4:
            grid.setCell(zone, ZoneGrid::RowPerimeter, mark);
            grid.setCell(zone, ZoneGrid::RowEntry, chance(50) ? delay : QString());
            break;
        case 5: break;
        case 6:
            grid.setCell(zone, ZoneGrid::RowArming, mark);
            grid.setCell(zone, ZoneGrid::RowEntry, chance(50) ? delay : QString());
            break;
        case 7:
            grid.setCell(zone, ZoneGrid::RowInterior, mark);
            grid.setCell(zone, ZoneGrid::RowPerimeter, mark);
            grid.setCell(zone, ZoneGrid::RowEntry, mark);
            break;
        }
        const QString name = zone <= 6 ? QStringLiteral("Z%1").arg(zone) : QStringLiteral("K%1").arg(zone - 6);
        bool linked = false;
        for (int group = 1; group <= groups; ++group) {
            if (chance(40) || (on && !linked && group == groups)) {
                zones.zoneLinks().append({group, name, zone});
                linked = true;
            }
        }
    }
}

void PageStates::fillUsers(ZonesPage& zones, int groups)
{
    UsersGrid& grid = zones.gridUsers();
    const int count = number(0, 32);
    const int used = std::max(0, count - number(0, 1));
    for (int user = 1; user <= 32; ++user) {
        bool member = false;
        for (int group = 1; group <= PageGroups; ++group) {
            const bool mark = user <= used && group <= groups && (chance(40) || (!member && group == groups));
            member = member || mark;
            grid.setCell(group, user, mark ? StringGrid::Mark : UsersGrid::NoMark);
        }
    }
    zones.userCount().setValue(count);
}
