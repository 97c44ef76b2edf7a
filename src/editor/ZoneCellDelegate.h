#pragma once

#include <QStyledItemDelegate>

// The in-place editor of the zone grid's number cells: exactly four digits.
// An incomplete entry is not taken: Enter and Tab leave the editor open with a
// hint, Esc or leaving the cell abandons it and the cell keeps its old value.
class ZoneCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static inline const QString EditMask = QStringLiteral("9999");
    static QString incompleteHint() { return tr("Введите четыре цифры или нажмите Esc"); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

    // The edit template of a zone grid row: the number rows take four digits.
    static QString GridZoneGetEditMask(int row);

private:
    // GridZoneKeyPress: true when the key is to be discarded.
    bool GridZoneKeyPress(const class QLineEdit& editor, const class QKeyEvent& key) const;
};
