#pragma once

#include "LibraryRecords.h"

#include <QAbstractTableModel>
#include <QList>

// The library's panels as the library dialog lists them: identifier, name,
// address, number of versions and last change (local time), one row each,
// straight from the query's results, so ten thousand panels cost no widgets.
class PanelListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Identifier, Name, Address, Versions, LastChange, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setPanels(QList<PanelSummary> panels);
    const PanelSummary& panelAt(int row) const { return m_panels.at(row); }
    // The row of the panel, or -1 when it is not listed.
    int rowOf(const QString& identifier) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<PanelSummary> m_panels;
};
