#include "ZoneLinksModel.h"

#include <QHash>

#include <algorithm>

int ZoneLinksModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int ZoneLinksModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant ZoneLinksModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_links.at(index.row()).Name;
}

QVariant ZoneLinksModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section != 0)
        return {};
    return tr("ШС");
}

bool ZoneLinksModel::contains(int group, const QString& name) const
{
    return std::any_of(m_links.begin(), m_links.end(),
                       [&](const Link& link) { return link.GrNmb == group && link.Name == name; });
}

void ZoneLinksModel::append(const Link& link)
{
    beginInsertRows({}, count(), count());
    m_links.append(link);
    endInsertRows();
}

void ZoneLinksModel::remove(int row)
{
    beginRemoveRows({}, row, row);
    m_links.removeAt(row);
    endRemoveRows();
}

void ZoneLinksModel::removeGroup(int group)
{
    for (int row = count() - 1; row >= 0; --row) {
        if (m_links.at(row).GrNmb == group)
            remove(row);
    }
}

void ZoneLinksModel::renumber(const QHash<int, int>& newNumbers)
{
    for (Link& link : m_links)
        link.GrNmb = newNumbers.value(link.GrNmb, link.GrNmb);
    if (count() > 0)
        Q_EMIT dataChanged(index(0, 0), index(count() - 1, 0));
}

void ZoneLinksModel::clear()
{
    beginResetModel();
    m_links.clear();
    endResetModel();
}
