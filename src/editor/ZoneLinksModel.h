#pragma once

#include <QAbstractTableModel>
#include <QList>

// ZnInGr: which zone belongs to which group, one record per pair. Shown
// through ZoneLinksFilter with the single column "ШС".
class ZoneLinksModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Link {
        int GrNmb = 0;
        QString Name;
        int NmbZn = 0;
        bool operator==(const Link&) const = default;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int count() const { return static_cast<int>(m_links.size()); }
    const Link& link(int row) const { return m_links.at(row); }
    const QList<Link>& links() const { return m_links; }
    bool contains(int group, const QString& name) const;
    void append(const Link& link);
    void remove(int row);
    void removeGroup(int group);
    // Gives every record of a group its new number, all in one pass.
    void renumber(const QHash<int, int>& newNumbers);
    void clear();

private:
    QList<Link> m_links;
};
