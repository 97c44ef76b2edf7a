#include "VersionListModel.h"

#include "LibraryTimeText.h"

#include <algorithm>

void VersionListModel::setHistory(const QList<VersionEntry>& history)
{
    beginResetModel();
    m_versions = history;
    std::reverse(m_versions.begin(), m_versions.end());
    endResetModel();
}

QString VersionListModel::nameOf(const VersionEntry& version)
{
    return tr("Версия %1 от %2").arg(version.number).arg(LibraryTimeText::local(version.origin.time));
}

QString VersionListModel::operationName(::Operation operation)
{
    switch (operation) {
    case ::Operation::Read: return tr("чтение");
    case ::Operation::Write: return tr("запись");
    case ::Operation::Added: return tr("добавлена");
    }
    return {};
}

int VersionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_versions.size());
}

int VersionListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant VersionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const VersionEntry& version = m_versions.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == Changed)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Time: return LibraryTimeText::local(version.origin.time);
    case Operation: return operationName(version.origin.operation);
    case How: return version.origin.how;
    case Operator: return version.origin.operatorName;
    case Note: return version.origin.note;
    case Changed: return version.changedFields ? QVariant(*version.changedFields) : QVariant();
    }
    return {};
}

QVariant VersionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Time: return tr("Время");
    case Operation: return tr("Операция");
    case How: return tr("Как");
    case Operator: return tr("Оператор");
    case Note: return tr("Примечание");
    case Changed: return tr("Изменено полей");
    }
    return {};
}
