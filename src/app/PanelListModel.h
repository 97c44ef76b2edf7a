#pragma once

#include "LibraryRecords.h"

#include <QAbstractTableModel>
#include <QList>

#include <optional>

class Library;

// The library's panels as the library dialog lists them: identifier, name,
// address, number of versions and last change (local time), one row each.
// Like a model over a query, it reads a page of panels at a time, as far as
// the view scrolls, so that ten thousand panels cost what those in sight cost.
class PanelListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Identifier, Name, Address, Versions, LastChange, ColumnCount };
    static constexpr int Page = 200;

    using QAbstractTableModel::QAbstractTableModel;

    // The panels of the library that hold the search; none without a
    // library. The reason, when the first page cannot be read.
    std::optional<QString> list(const Library* library, const QString& search);
    const PanelSummary& panelAt(int row) const { return m_panels.at(row); }
    // The row of the panel, read on to it; -1 when it is not listed. The
    // library lists the panels in identifier order, so no more is read than that.
    int find(const QString& identifier);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

Q_SIGNALS:
    // A later page could not be read: the list ends where it is.
    void failed(const QString& reason);

private:
    // The next page, appended; the reason when it cannot be read.
    std::optional<QString> readPage();

    const Library* m_library = nullptr;
    QString m_search;
    QList<PanelSummary> m_panels;
    bool m_more = false;
};
