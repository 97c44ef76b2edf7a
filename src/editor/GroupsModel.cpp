#include "GroupsModel.h"

#include <array>

namespace {

const std::array<const char*, 3> Titles = {"№", QT_TRANSLATE_NOOP("GroupsModel", "Выход, с"),
                                           QT_TRANSLATE_NOOP("GroupsModel", "Вс, с")};

} // namespace

int GroupsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int GroupsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Titles.size());
}

QVariant GroupsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const Group& g = m_groups.at(index.row());
    switch (index.column()) {
    case 0: return g.GrNmb;
    case 1: return g.DelayOut;
    default: return g.LedOn;
    }
}

QVariant GroupsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    return tr(Titles.at(section));
}

void GroupsModel::append(const Group& group)
{
    beginInsertRows({}, count(), count());
    m_groups.append(group);
    endInsertRows();
}

void GroupsModel::setGroup(int row, const Group& group)
{
    if (m_groups.at(row) == group)
        return;
    m_groups[row] = group;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void GroupsModel::remove(int row)
{
    beginRemoveRows({}, row, row);
    m_groups.removeAt(row);
    endRemoveRows();
}

void GroupsModel::clear()
{
    beginResetModel();
    m_groups.clear();
    endResetModel();
}
