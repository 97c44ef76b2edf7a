#include "PanelListModel.h"

#include "Library.h"
#include "LibraryTimeText.h"

std::optional<QString> PanelListModel::list(const Library* library, const QString& search)
{
    beginResetModel();
    m_library = library;
    m_search = search;
    m_panels.clear();
    m_more = library != nullptr;
    endResetModel();
    return m_more ? readPage() : std::nullopt;
}

std::optional<QString> PanelListModel::readPage()
{
    LibraryResult<QList<PanelSummary>> page = m_library->panels(m_search, static_cast<int>(m_panels.size()), Page);
    if (!page) {
        m_more = false;
        return page.error;
    }
    m_more = page->size() == Page;
    if (page->isEmpty())
        return std::nullopt;
    const int first = static_cast<int>(m_panels.size());
    beginInsertRows({}, first, first + static_cast<int>(page->size()) - 1);
    m_panels.append(*page);
    endInsertRows();
    return std::nullopt;
}

bool PanelListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_more;
}

void PanelListModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    if (const std::optional<QString> error = readPage())
        Q_EMIT failed(*error);
}

int PanelListModel::find(const QString& identifier)
{
    // In identifier order: read on only while the list stops before it.
    while (canFetchMore({}) && (m_panels.isEmpty() || m_panels.constLast().identifier < identifier)) {
        const qsizetype before = m_panels.size();
        fetchMore({});
        if (m_panels.size() == before)
            break;
    }
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
