#include "TextCellDelegate.h"

#include "GridSizes.h"

#include <QLineEdit>

TextCellDelegate::TextCellDelegate(Mode mode, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_mode(mode)
{
}

QWidget* TextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setMaxLength(GridSizes::TextLength);
    return editor;
}

void TextCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QLineEdit*>(editor)->setText(SysMesGridGetEditText(index.data(Qt::EditRole).toString()));
}

QString TextCellDelegate::SysMesGridGetEditText(const QString& text) const
{
    if (m_mode == Mode::ShortenStart && text.size() > GridSizes::TextLength)
        return text.left(GridSizes::TextStartLength);
    return text;
}
