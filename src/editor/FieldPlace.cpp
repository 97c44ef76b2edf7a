#include "FieldPlace.h"

#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "CheckGroup.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "RadioGroup.h"
#include "RemotePage.h"
#include "SmsPage.h"
#include "StringGrid.h"
#include "TextsPage.h"
#include "UsersGrid.h"
#include "ZoneGrid.h"
#include "ZonesPage.h"

#include <QCheckBox>
#include <QHash>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>

namespace {

// "zones[Z3].sensitivity_ms": the name "zones", the index "Z3" and the part "sensitivity_ms".
struct Key {
    QString name;
    QString index;
    QString part;

    static Key of(const QString& key)
    {
        static const QRegularExpression indexed(QStringLiteral("^([a-z_.]+)\\[([A-Z]?\\d+)\\](?:\\.([a-z_0-9]+))?$"));
        const QRegularExpressionMatch match = indexed.match(key);
        if (!match.hasMatch())
            return {key, {}, {}};
        return {match.captured(1), match.captured(2), match.captured(3)};
    }
    int number() const { return index.toInt(); }
};

// Z1..Z6 and K1, K2: the columns 1 to 8 of GridZone.
int zoneColumn(const QString& name)
{
    const int n = name.mid(1).toInt();
    return name.startsWith(u'K') ? ZoneGrid::FirstKeyboardZone - 1 + n : n;
}

int zoneRow(const QString& part)
{
    if (part == QLatin1String("sensitivity_ms"))
        return ZoneGrid::RowSensitivity;
    if (part == QLatin1String("entry_delay_s"))
        return ZoneGrid::RowEntry;
    return ZoneGrid::RowOn;
}

QHash<QString, QWidget*> singleControls(const GeneralPage& general)
{
    const ChannelPages& pages = *general.pageCh();
    const RemotePage& remote = *pages.remConfSheet;
    const EthernetPage& ethernet = *pages.sheetEthernet;
    return {
        {QStringLiteral("channels[1].account"), general.editAccount()},
        {QStringLiteral("channels[1].call_mask"), pages.sheetVoice->chkCh[0]},
        {QStringLiteral("channels[1].test_period_s"), general.editTestTL()},
        {QStringLiteral("channels[2].address"), remote.confIPEdit},
        {QStringLiteral("channels[2].port"), general.confPortEdit()},
        {QStringLiteral("channels[2].local_port"), ethernet.editPort_Loc},
        {QStringLiteral("channels[2].apn"), remote.confAPNEdit},
        {QStringLiteral("channels[2].mac_number"), general.channelsSheet().editMac},
        {QStringLiteral("update.phone"), remote.phoneUpEdit},
        {QStringLiteral("update.firmware_version"), remote.verSim},
        {QStringLiteral("update.apn"), remote.upAPNEdit},
        {QStringLiteral("update.server"), remote.ftpEdit},
        {QStringLiteral("wifi.secured"), ethernet.chkOpenWF},
        {QStringLiteral("wifi.ssid"), ethernet.edtSSID},
        {QStringLiteral("wifi.password"), ethernet.edtPassWF},
        {QStringLiteral("channels.send_gsm_level"), general.channelsSheet().chkGL},
        {QStringLiteral("general.tamper_panel_events"), general.boxTmpr()},
        {QStringLiteral("general.tamper_keyboard_events"), general.boxTmpKbd()},
        {QStringLiteral("general.battery_events"), general.boxDC()},
        {QStringLiteral("general.mains_events"), general.boxAC()},
        {QStringLiteral("general.keyboard_link_events"), general.boxLnkKbd()},
        {QStringLiteral("general.keyboard"), general.armBox()},
        {QStringLiteral("general.siren_time_s"), general.delaySiren()},
        {QStringLiteral("general.block_phone"), general.phBlkEdit()},
        {QStringLiteral("general.unblock_phone"), general.phUnBlkEdit()},
        {QStringLiteral("sms.balance_request"), pages.sheetVoice->edtBl},
    };
}

// The grid and column of each table of texts, by the name its keys use.
std::pair<StringGrid*, int> textColumn(const QString& table, const TextsPage& texts)
{
    const QHash<QString, std::pair<StringGrid*, int>> columns = {
        {QStringLiteral("texts.alarm"), {&texts.alarmMesGrid(), 1}},
        {QStringLiteral("texts.system"), {&texts.sysMesGrid(), 1}},
        {QStringLiteral("texts.arm"), {&texts.armMesGrid(), 1}},
        {QStringLiteral("texts.disarm"), {&texts.armMesGrid(), 2}},
        {QStringLiteral("texts.group_names"), {&texts.grNameGrid(), 1}},
        {QStringLiteral("texts.status"), {&texts.statusGrid(), 1}},
    };
    return columns.value(table, {nullptr, 0});
}

// A page of a stacked widget (a tab's page) is hidden only while another is in front.
bool hiddenForGood(const QWidget* widget)
{
    return widget->isHidden() && !qobject_cast<const QStackedWidget*>(widget->parentWidget());
}

void bringForward(QWidget* page)
{
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    if (!stack)
        return;
    // A tab widget keeps its bar in step only when asked itself.
    if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
        tabs->setCurrentWidget(page);
    else
        stack->setCurrentWidget(page);
}

} // namespace

FieldPlace FieldPlace::of(const QString& key, const GeneralPage& general, const ZonesPage& zones,
                          const TextsPage& texts)
{
    FieldPlace place;
    if (QWidget* control = singleControls(general).value(key)) {
        place.m_control = control;
        return place;
    }
    const Key parts = Key::of(key);
    const auto cellOf = [&place](QAbstractItemView* grid, int row, int column) {
        place.m_control = grid;
        place.m_grid = grid;
        place.m_cell = grid->model()->index(row, column);
    };
    if (parts.name == QLatin1String("sms.phones")) {
        place.m_control = general.pageCh()->sheetVoice->phV.at(parts.number() - 1);
    } else if (parts.name == QLatin1String("zones")) {
        cellOf(&zones.gridZone(), zoneRow(parts.part) - 1, zoneColumn(parts.index));
    } else if (parts.name == QLatin1String("groups")) {
        const int column = parts.part == QLatin1String("number") ? 0 : parts.part == QLatin1String("exit_delay_s") ? 1 : 2;
        cellOf(&zones.grGrid(), parts.number() - 1, column);
    } else if (parts.name == QLatin1String("users")) {
        cellOf(&zones.gridUsers(), parts.number() - 1, 1);
    } else if (const auto [grid, column] = textColumn(parts.name, texts); grid) {
        cellOf(grid, parts.number() - 1, column);
    }
    return place;
}

bool FieldPlace::canBeShown() const
{
    for (const QWidget* widget = m_control; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        if (hiddenForGood(widget))
            return false;
    }
    return m_control;
}

QRect FieldPlace::show() const
{
    for (QWidget* widget = m_control; widget && !widget->isWindow(); widget = widget->parentWidget())
        bringForward(widget);
    m_control->setFocus(Qt::OtherFocusReason);
    // A row the grid does not have (a group the pages lack) leaves the grid as it is.
    if (!m_grid || !m_cell.isValid())
        return {m_control->mapToGlobal(QPoint(0, 0)), m_control->size()};
    m_grid->setCurrentIndex(m_cell);
    m_grid->scrollTo(m_cell);
    const QRect cell = m_grid->visualRect(m_cell);
    return {m_grid->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
}
