#pragma once

#include <QStyledItemDelegate>

// The in-place editor of a notification text cell. LimitTyping stops typing at
// the length of a text slot; ShortenStart offers an over-long text cut short.
class TextCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Mode { LimitTyping, ShortenStart };

    TextCellDelegate(Mode mode, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    // The text the editor starts with (SysMesGridGetEditText of the shortening grids).
    QString SysMesGridGetEditText(const QString& text) const;

    Mode m_mode;
};
