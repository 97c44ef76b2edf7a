#pragma once

#include <QSortFilterProxyModel>

// Shows only the zone links of the current group.
class ZoneLinksFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setGroup(int group);
    int group() const { return m_group; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    bool ZnInGrFilterRecord(int sourceRow) const;

    int m_group = 0;
};
