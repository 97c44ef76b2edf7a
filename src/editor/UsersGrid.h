#pragma once

#include "StringGrid.h"

class Dialogs;
class GroupsModel;
class QAction;
class QMenu;
class UserCountSpin;

// GridUsers: which user (row) belongs to which group (column), with the
// pop-up SetRes that sets or clears a whole user row or group column, and the
// count of users in use.
class UsersGrid final : public StringGrid {
    Q_OBJECT
public:
    static inline const QString NoMark = QStringLiteral(" ");

    UsersGrid(const GroupsModel& groups, UserCountSpin& userCount, Dialogs& dialogs, QWidget* parent = nullptr);

    QMenu& setRes() const { return *m_setRes; }
    QAction& itemSet() const { return *m_itemSet; }
    QAction& itemRes() const { return *m_itemRes; }
    // Where the pop-up was last opened, in the coordinates of the grid's parent.
    QPoint setResPoint() const { return m_setResPoint; }

    // Clears rows 1-32 of a group column.
    void clearGroup(int group);
    // The group columns follow renumbered groups: column p takes the marks of
    // column oldNumbers[p - 1], and the columns after them up to lastColumn are cleared.
    void moveGroups(const QList<int>& oldNumbers, int lastColumn);

public Q_SLOTS:
    void GridUsersClick(int column, int row);
    void GridUsersCaptionClick(int ACol, int ARow);
    void ItemSetClick();
    void ItemResClick();
    void UserCountBottomClick();

private:
    void putMark(const QString& mark);
    int userCount() const;

    const GroupsModel& m_groups;
    UserCountSpin& m_userCount;
    Dialogs& m_dialogs;
    QMenu* m_setRes;
    QAction* m_itemSet;
    QAction* m_itemRes;
    int m_popupColumn = 0;
    int m_popupRow = 0;
    QPoint m_setResPoint;
};
