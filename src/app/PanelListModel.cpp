#include "PanelListModel.h"

#include "LibraryTimeText.h"

void PanelListModel::setPanels(QList<PanelSummary> panels)
{
    beginResetModel();
    m_panels = std::move(panels);
    endResetModel();
}

int PanelListModel::rowOf(const QString& identifier) const
{
    for (qsizetype row = 0; row < m_panels.size(); ++row) {
        if (m_panels.at(row).identifier == identifier)
            return static_cast<int>(row);
    }
    return -1;
}

int PanelListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_panels.size());
}

int PanelListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PanelListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const PanelSummary& panel = m_panels.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == Versions)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Identifier: return panel.identifier;
    case Name: return panel.name;
    case Address: return panel.address;
    case Versions: return panel.versions;
    case LastChange: return LibraryTimeText::local(panel.lastChange);
    }
    return {};
}

QVariant PanelListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Identifier: return tr("ППК");
    case Name: return tr("Объект");
    case Address: return tr("Адрес");
    case Versions: return tr("Версий");
    case LastChange: return tr("Изменён");
    }
    return {};
}
