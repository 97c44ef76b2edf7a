#pragma once

#include "LibraryRecords.h"

#include <QAbstractTableModel>
#include <QList>

// A panel's history as the library dialog lists it, newest first: time (local),
// operation, how, operator, note and how many fields changed against the
// version before.
class VersionListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Operation, How, Operator, Note, Changed, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // The history as the library gives it, oldest first.
    void setHistory(const QList<VersionEntry>& history);
    const VersionEntry& versionAt(int row) const { return m_versions.at(row); }

    // "Версия 3 от 05.03.2024 10:20", naming a version in a comparison.
    static QString nameOf(const VersionEntry& version);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static QString operationName(::Operation operation);

    QList<VersionEntry> m_versions;   // newest first
};
