#pragma once

#include <QStyledItemDelegate>

// The in-place editor of a notification text cell: typing and pasting stop at
// the length of a text slot, so a cell never holds more than the image keeps.
// ShortenStart offers a text put in longer than that cut short.
class TextCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Mode { OfferWhole, ShortenStart };

    TextCellDelegate(Mode mode, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    // The text the editor starts with (SysMesGridGetEditText of the shortening grids).
    QString SysMesGridGetEditText(const QString& text) const;

    Mode m_mode;
};
