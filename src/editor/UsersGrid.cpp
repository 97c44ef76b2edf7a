#include "UsersGrid.h"

#include "Dialogs.h"
#include "GridSizes.h"
#include "GroupsModel.h"
#include "UserCountSpin.h"

#include <QMenu>

UsersGrid::UsersGrid(const GroupsModel& groups, UserCountSpin& userCount, Dialogs& dialogs, QWidget* parent)
    : StringGrid(QStringLiteral("GridUsers"), GridSizes::UserColumns, GridSizes::UserRows, parent)
    , m_groups(groups)
    , m_userCount(userCount)
    , m_dialogs(dialogs)
    , m_setRes(new QMenu(this))
    , m_itemSet(m_setRes->addAction(tr("Установить")))
    , m_itemRes(m_setRes->addAction(tr("Сбросить")))
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAllColumnWidths(GridSizes::UserColumnWidth);
    m_setRes->setObjectName(QStringLiteral("SetRes"));
    m_itemSet->setObjectName(QStringLiteral("ItemSet"));
    m_itemRes->setObjectName(QStringLiteral("ItemRes"));
    for (int group = 1; group <= GridSizes::MaxGroups; ++group)
        setCell(group, 0, QStringLiteral("   %1").arg(group));
    for (int user = 1; user <= GridSizes::MaxUsers; ++user)
        setCell(0, user, QString::number(user));

    connect(this, &StringGrid::gridCellClicked, this, &UsersGrid::GridUsersClick);
    connect(this, &StringGrid::captionClicked, this, &UsersGrid::GridUsersCaptionClick);
    connect(m_itemSet, &QAction::triggered, this, &UsersGrid::ItemSetClick);
    connect(m_itemRes, &QAction::triggered, this, &UsersGrid::ItemResClick);
    connect(&m_userCount, &UserCountSpin::bottomClicked, this, &UsersGrid::UserCountBottomClick);
}

int UsersGrid::userCount() const
{
    return m_userCount.value();
}

void UsersGrid::GridUsersClick(int column, int row)
{
    if (column < 1 || row < 1)
        return;
    if (column > m_groups.count()) {
        m_dialogs.message(Dialogs::Message::information(
            tr("Группа №%1 отсутствует!").arg(column), tr("Предупреждение")));
        return;
    }
    if (row > userCount()) {
        m_dialogs.message(Dialogs::Message::information(tr("Недопустимый номер пользователя."), tr("Предупреждение")));
        return;
    }
    setCell(column, row, cell(column, row) == NoMark || cell(column, row).isEmpty() ? Mark : NoMark);
}

void UsersGrid::GridUsersCaptionClick(int ACol, int ARow)
{
    if (ACol > m_groups.count() || userCount() == 0)
        return;
    if (ARow > userCount()) {
        m_dialogs.message(Dialogs::Message::error(tr("Недопустимый номер пользователя."),
                                                  tr("Включение/выключение пользователей")));
        return;
    }
    // The corner names neither a user nor a group: marks there would overwrite captions.
    if (ACol == 0 && ARow == 0)
        return;
    if (ACol == 0) {
        m_itemSet->setText(tr("Установить пользователя %1 во всех группах").arg(ARow));
        m_itemRes->setText(tr("Сбросить пользователя %1 во всех группах").arg(ARow));
    } else {
        m_itemSet->setText(tr("Установить всех пользователей в группе %1").arg(ACol));
        m_itemRes->setText(tr("Сбросить всех пользователей в группе %1").arg(ACol));
    }
    m_popupRow = ARow;
    m_popupColumn = ACol;
    m_setResPoint = QPoint(columnWidth(ACol) * (ACol + 1) + x(), rowHeight(0) + y());
    m_setRes->popup(parentWidget() ? parentWidget()->mapToGlobal(m_setResPoint) : m_setResPoint);
}

void UsersGrid::ItemSetClick()
{
    putMark(Mark);
}

void UsersGrid::ItemResClick()
{
    putMark(NoMark);
}

void UsersGrid::putMark(const QString& mark)
{
    if (m_popupRow == 0 && m_popupColumn > 0) {
        for (int user = 1; user <= userCount(); ++user)
            setCell(m_popupColumn, user, mark);
    } else if (m_popupColumn == 0 && m_popupRow > 0) {
        for (int group = 1; group <= std::min(m_groups.count(), GridSizes::MaxGroups); ++group)
            setCell(group, m_popupRow, mark);
    }
}

void UsersGrid::UserCountBottomClick()
{
    const int dropped = userCount() + 1;
    for (int group = 1; group <= std::min(m_groups.count(), GridSizes::MaxGroups); ++group)
        setCell(group, dropped, NoMark);
}

void UsersGrid::clearGroup(int group)
{
    if (group < 1 || group > GridSizes::MaxGroups)
        return;
    for (int user = 1; user <= GridSizes::MaxUsers; ++user)
        setCell(group, user, NoMark);
}

void UsersGrid::moveGroups(const QList<int>& oldNumbers, int lastColumn)
{
    QList<QStringList> columns;
    for (int old : oldNumbers) {
        QStringList marks;
        for (int user = 1; user <= GridSizes::MaxUsers; ++user)
            marks.append(old >= 1 && old <= GridSizes::MaxGroups ? cell(old, user) : NoMark);
        columns.append(marks);
    }
    for (int group = 1; group <= std::min(lastColumn, GridSizes::MaxGroups); ++group) {
        for (int user = 1; user <= GridSizes::MaxUsers; ++user)
            setCell(group, user, group <= columns.size() ? columns.at(group - 1).at(user - 1) : NoMark);
    }
}
