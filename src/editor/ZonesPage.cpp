#include "ZonesPage.h"

#include "CheckGroup.h"
#include "Dialogs.h"
#include "FactoryValues.h"
#include "GridSizes.h"
#include "GroupsModel.h"
#include "RadioGroup.h"
#include "UserCountSpin.h"
#include "UsersGrid.h"
#include "ZoneGrid.h"
#include "ZoneLinksFilter.h"
#include "ZoneLinksModel.h"

#include <QBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

namespace {

constexpr int DelayMax = 120;
constexpr int DelayStep = 5;
constexpr int GroupNumberWidth = 30;
constexpr int GroupTimeWidth = 55;
constexpr int ZoneListWidth = 60;
constexpr int UsersScrollBarRoom = 18;
constexpr int GroupButtonWidth = 32;

QTableView* tableView(const char* name, QAbstractItemModel* model)
{
    auto* view = new QTableView;
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setDefaultSectionSize(GridSizes::RowHeight);
    view->horizontalHeader()->setFixedHeight(GridSizes::RowHeight);
    view->horizontalHeader()->setHighlightSections(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

// A glyph, not a style icon: the style's icons are pictures decoded at start-up,
// which cost the window a noticeable part of its first showing.
QToolButton* navButton(const char* name, const QString& glyph, const QString& hint)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(glyph);
    button->setToolTip(hint);
    return button;
}

QPushButton* groupButton(const char* name, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setFixedWidth(GroupButtonWidth);
    return button;
}

} // namespace

ZonesPage::ZonesPage(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_gridZone(new ZoneGrid)
    , m_grps(new GroupsModel(this))
    , m_znInGr(new ZoneLinksModel(this))
    , m_znInGrFilter(new ZoneLinksFilter(this))
    , m_grGrid(tableView("GrGrid", m_grps))
    , m_shGrid(nullptr)
    , m_shNavInsert(navButton("ShNavInsert", QStringLiteral("+"), tr("Добавить шлейф в группу")))
    , m_shNavDelete(navButton("ShNavDelete", QStringLiteral("−"), tr("Удалить шлейф из группы")))
    , m_mkZnLstBtn(groupButton("MkZnLstBtn", QStringLiteral(" + "), tr("Добавить группу")))
    , m_delGr(groupButton("DelGr", QStringLiteral(" - "), tr("Удалить группу")))
    , m_ackArm(new QSpinBox)
    , m_userCount(new UserCountSpin)
    , m_gridUsers(nullptr)
{
    setObjectName(QStringLiteral("ZonesPage"));
    m_znInGrFilter->setSourceModel(m_znInGr);
    m_shGrid = tableView("ShGrid", m_znInGrFilter);
    m_gridUsers = new UsersGrid(*m_grps, *m_userCount, dialogs);

    m_ackArm->setObjectName(QStringLiteral("AckArm"));
    m_ackArm->setRange(0, DelayMax);
    m_ackArm->setSingleStep(DelayStep);
    m_ackArm->setToolTip(tr("Включение светодиода, секунд"));
    createLayout();

    connect(m_grGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ZonesPage::GrpsBeforeScroll);
    // A new record becomes the current group, as the table's append does.
    connect(m_grps, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int, int last) { selectGroup(last); });
    connect(m_grps, &QAbstractItemModel::modelReset, this, &ZonesPage::GrpsBeforeScroll);
    connect(m_mkZnLstBtn, &QPushButton::clicked, this, &ZonesPage::MkZnLstBtnClick);
    connect(m_delGr, &QPushButton::clicked, this, &ZonesPage::DelGrClick);
    connect(m_shNavInsert, &QToolButton::clicked, this, [this] { ShNavClick(NavButton::Insert); });
    connect(m_shNavDelete, &QToolButton::clicked, this, [this] { ShNavClick(NavButton::Delete); });
    connect(m_ackArm, &QSpinBox::valueChanged, this, &ZonesPage::AckArmChange);
}

ZonesPage::~ZonesPage() = default;

void ZonesPage::createLayout()
{
    m_grGrid->setColumnWidth(0, GroupNumberWidth);
    m_grGrid->setColumnWidth(1, GroupTimeWidth);
    m_grGrid->setColumnWidth(2, GroupTimeWidth);
    m_grGrid->setFixedWidth(GroupNumberWidth + 2 * GroupTimeWidth + 2 * m_grGrid->frameWidth());
    m_shGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_shGrid->setColumnWidth(0, ZoneListWidth);
    m_shGrid->setFixedWidth(ZoneListWidth + 2 * m_shGrid->frameWidth());
    m_gridZone->setFixedSize(m_gridZone->fullSize());
    m_gridUsers->setFixedWidth(m_gridUsers->fullSize().width() + UsersScrollBarRoom);

    auto* groupButtons = new QHBoxLayout;
    groupButtons->addWidget(m_mkZnLstBtn);
    groupButtons->addWidget(m_delGr);
    groupButtons->addWidget(m_ackArm);
    auto* groupsColumn = new QVBoxLayout;
    groupsColumn->addWidget(m_grGrid, 1);
    groupsColumn->addLayout(groupButtons);

    auto* nav = new QWidget;
    nav->setObjectName(QStringLiteral("ShNav"));
    auto* navLayout = new QHBoxLayout(nav);
    navLayout->setContentsMargins(0, 0, 0, 0);
    navLayout->setSpacing(0);
    navLayout->addWidget(m_shNavInsert);
    navLayout->addWidget(m_shNavDelete);
    auto* zonesColumn = new QVBoxLayout;
    zonesColumn->addWidget(m_shGrid, 1);
    zonesColumn->addWidget(nav);

    auto* countLabel = new QLabel(tr("Количество пользователей"));
    countLabel->setBuddy(m_userCount);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(countLabel);
    countRow->addWidget(m_userCount);
    countRow->addStretch();
    auto* usersColumn = new QVBoxLayout;
    usersColumn->addLayout(countRow);
    usersColumn->addWidget(m_gridUsers, 1);

    auto* lower = new QHBoxLayout;
    lower->addLayout(groupsColumn);
    lower->addLayout(zonesColumn);
    lower->addLayout(usersColumn);
    lower->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_gridZone);
    layout->addLayout(lower, 1);
}

void ZonesPage::connectGeneralPage(QSpinBox& dlExt, RadioGroup& armBox, CheckGroup& boxTmpKbd, CheckGroup& boxLnkKbd)
{
    m_dlExt = &dlExt;
    m_armBox = &armBox;
    m_boxTmpKbd = &boxTmpKbd;
    m_boxLnkKbd = &boxLnkKbd;
    connect(m_dlExt, &QSpinBox::valueChanged, this, &ZonesPage::DlExtChange);
    connect(m_armBox, &RadioGroup::itemIndexChanged, this, &ZonesPage::ArmBoxClick);
}

int ZonesPage::currentGroupRow() const
{
    const int row = m_grGrid->currentIndex().row();
    return row >= 0 && row < m_grps->count() ? row : -1;
}

int ZonesPage::currentGrNmb() const
{
    const int row = currentGroupRow();
    return row < 0 ? 0 : m_grps->group(row).GrNmb;
}

void ZonesPage::selectGroup(int row)
{
    m_grGrid->selectionModel()->setCurrentIndex(m_grps->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ZonesPage::firstGroup()
{
    if (m_grps->count() > 0)
        selectGroup(0);
    GrpsBeforeScroll();
}

void ZonesPage::setDlExt(int value)
{
    if (m_dlExt)
        m_dlExt->setValue(value);
}

void ZonesPage::MkZnLstBtnClick()
{
    m_grps->append({1, m_dlExt ? m_dlExt->value() : 0, 0});
    setDlExt(FactoryValues::EntryExitDelaySeconds);
    m_ackArm->setValue(0);
    MkShBtnClick();
}

void ZonesPage::MkShBtnClick()
{
    m_znInGr->clear();
    // Without a group there is nothing to hold the zones; links to group 0
    // would name a group that does not exist.
    if (currentGroupRow() < 0)
        return;
    const int group = currentGrNmb();
    for (int zone = 1; zone <= ZoneGrid::LastKeyboardZone; ++zone) {
        if (!m_gridZone->isMarked(zone, ZoneGrid::RowOn))
            continue;
        const QString name = m_gridZone->cell(zone, 0).trimmed();
        if (name.isEmpty() || m_znInGr->contains(group, name))
            continue;
        m_znInGr->append({group, name, zone});
    }
}

void ZonesPage::ShNavClick(NavButton button)
{
    if (button == NavButton::Insert) {
        if (m_grps->count() > 0)
            MkShBtnClick();
        return;
    }
    const QModelIndex current = m_shGrid->currentIndex();
    if (!current.isValid())
        return;
    const auto answer = m_dialogs.message(Dialogs::Message::question(
        tr("Удалить шлейф %1 из группы?").arg(current.data().toString()), tr("Шлейфы сигнализации"),
        Dialogs::Icon::Question, Dialogs::Answer::No));
    if (answer == Dialogs::Answer::Yes)
        m_znInGr->remove(m_znInGrFilter->mapToSource(current).row());
}

void ZonesPage::DelGrClick()
{
    const int row = currentGroupRow();
    if (row < 0)
        return;
    const int deleted = m_grps->group(row).GrNmb;
    const int columnsInUse = m_grps->count();
    m_znInGr->removeGroup(deleted);
    m_gridUsers->clearGroup(deleted);
    m_grps->remove(row);

    // The users' marks move with their groups, as the zone links do.
    QHash<int, int> newNumbers;
    QList<int> oldNumbers;
    for (int position = 0; position < m_grps->count(); ++position) {
        GroupsModel::Group group = m_grps->group(position);
        oldNumbers.append(group.GrNmb);
        if (group.GrNmb == deleted)
            continue;
        if (!newNumbers.contains(group.GrNmb))
            newNumbers.insert(group.GrNmb, position + 1);
        group.GrNmb = position + 1;
        m_grps->setGroup(position, group);
    }
    m_znInGr->renumber(newNumbers);
    m_gridUsers->moveGroups(oldNumbers, columnsInUse);
    firstGroup();
}

void ZonesPage::GrpsBeforeScroll()
{
    m_znInGrFilter->setGroup(currentGrNmb());
    const int row = currentGroupRow();
    if (row < 0)
        return;
    const GroupsModel::Group group = m_grps->group(row);
    setDlExt(group.DelayOut);
    m_ackArm->setValue(group.LedOn);
}

void ZonesPage::DlExtChange()
{
    const int row = currentGroupRow();
    if (row < 0 || !m_dlExt)
        return;
    GroupsModel::Group group = m_grps->group(row);
    group.DelayOut = m_dlExt->value();
    m_grps->setGroup(row, group);
    m_gridZone->setCell(ZoneGrid::ArmingZone, ZoneGrid::RowEntry, QString::number(m_dlExt->value()));
}

void ZonesPage::AckArmChange()
{
    const int row = currentGroupRow();
    if (row < 0)
        return;
    GroupsModel::Group group = m_grps->group(row);
    group.LedOn = m_ackArm->value();
    m_grps->setGroup(row, group);
}

void ZonesPage::ArmBoxClick(int index)
{
    const bool connected = index == 1;
    if (index == 0) {
        m_gridZone->setCell(ZoneGrid::FirstKeyboardZone, ZoneGrid::RowOn, QString());
        m_gridZone->setCell(ZoneGrid::LastKeyboardZone, ZoneGrid::RowOn, QString());
        for (CheckGroup* box : {m_boxTmpKbd, m_boxLnkKbd}) {
            for (int item = 0; item < box->count(); ++item)
                box->setChecked(item, false);
        }
    } else if (connected) {
        m_gridZone->setCell(ZoneGrid::FirstKeyboardZone, ZoneGrid::RowOn, StringGrid::Mark);
        m_gridZone->setCell(ZoneGrid::LastKeyboardZone, ZoneGrid::RowOn, StringGrid::Mark);
    }
    m_gridZone->setKeyboardOff(index == 0);
    m_boxTmpKbd->setVisible(connected);
    m_boxLnkKbd->setVisible(connected);
    MkShBtnClick();
}

void ZonesPage::SheetZonesEnter()
{
    m_grGrid->setFocus();
}

void ZonesPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    SheetZonesEnter();
}

void ZonesPage::putFactoryDefaults()
{
    ZoneGrid& grid = *m_gridZone;
    const QString& mark = StringGrid::Mark;
    for (int zone = 1; zone <= ZoneGrid::LastKeyboardZone; ++zone)
        grid.setCell(zone, ZoneGrid::RowSensitivity, QString::number(FactoryValues::SensitivityMs));
    grid.setCell(1, ZoneGrid::RowOn, mark);
    grid.setCell(2, ZoneGrid::RowOn, mark);
    for (int zone = 1; zone <= ZoneGrid::LastKeyboardZone; ++zone)
        grid.setCell(zone, ZoneGrid::Row24Hour, QString());
    for (int zone : {2, ZoneGrid::FirstKeyboardZone, ZoneGrid::LastKeyboardZone})
        grid.setCell(zone, ZoneGrid::RowInterior, mark);
    for (int zone = 1; zone <= ZoneGrid::LastKeyboardZone; ++zone) {
        grid.setCell(zone, ZoneGrid::RowSiren, mark);
        grid.setCell(zone, ZoneGrid::RowPerimeter, QString());
    }
    grid.setCell(ZoneGrid::ArmingZone, ZoneGrid::RowEntry, QString::number(FactoryValues::EntryExitDelaySeconds));

    m_grps->clear();
    m_znInGr->clear();
    for (int user = 1; user <= GridSizes::MaxUsers; ++user)
        m_gridUsers->setCell(1, user, mark);
    MkZnLstBtnClick();
}
