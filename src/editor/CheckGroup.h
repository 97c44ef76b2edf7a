#pragma once

#include <QGroupBox>

class QCheckBox;

// A captioned group of check boxes, each item checked on its own.
// itemToggled fires whenever an item really changes, by the user or the program.
class CheckGroup final : public QGroupBox {
    Q_OBJECT
public:
    CheckGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    bool isChecked(int item) const;
    void setChecked(int item, bool checked);
    QCheckBox* item(int index) const { return m_items.at(index); }
    int count() const { return static_cast<int>(m_items.size()); }

Q_SIGNALS:
    void itemToggled(int item, bool checked);

private:
    QList<QCheckBox*> m_items;
};
