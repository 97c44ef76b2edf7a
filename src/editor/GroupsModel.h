#pragma once

#include <QAbstractTableModel>
#include <QList>

// Grps: the groups in table order, shown by GrGrid.
class GroupsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Group {
        int GrNmb = 0;
        int DelayOut = 0;
        int LedOn = 0;
        bool operator==(const Group&) const = default;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int count() const { return static_cast<int>(m_groups.size()); }
    const Group& group(int row) const { return m_groups.at(row); }
    const QList<Group>& groups() const { return m_groups; }
    void append(const Group& group);
    void setGroup(int row, const Group& group);
    void remove(int row);
    void clear();

private:
    QList<Group> m_groups;
};
