#include "ZoneCellDelegate.h"

#include "GridSizes.h"
#include "ZoneGrid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace {

const char* const RowProperty = "zoneRow";

// The character a key types, as the old control codes: Ctrl+C 3, Backspace 8,
// Ctrl+V 22, Ctrl+X 24. Keys that type nothing (Delete, arrows) give none.
std::optional<QChar> typedCharacter(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Delete)
        return std::nullopt;
    if (key.key() == Qt::Key_Backspace)
        return QChar(8);
    if (key.modifiers() & Qt::ControlModifier) {
        if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
            return QChar(key.key() - Qt::Key_A + 1);
        return std::nullopt;
    }
    const QString text = key.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return std::nullopt;
    return text.at(0);
}

bool allowedInEntryDelay(QChar c)
{
    return c == QChar(3) || c == QChar(8) || c == QChar(22) || c == QChar(24) || c == u'#' || c == u'+'
        || (c >= u'0' && c <= u'9');
}

} // namespace

QWidget* ZoneCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setInputMask(GridZoneGetEditMask(index.row() + 1));
    editor->setFrame(false);
    editor->setProperty(RowProperty, index.row() + 1);
    return editor;
}

QString ZoneCellDelegate::GridZoneGetEditMask(int row)
{
    return row == ZoneGrid::RowSensitivity || row == ZoneGrid::RowEntry ? EditMask : QString();
}

void ZoneCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* line = static_cast<QLineEdit*>(editor);
    if (line->hasAcceptableInput())
        model->setData(index, line->text(), Qt::EditRole);
}

bool ZoneCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool leaving = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Tab
            || key.key() == Qt::Key_Backtab;
        if (leaving && !editor->hasAcceptableInput()) {
            QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), incompleteHint(), editor);
            return true;
        }
        if (GridZoneKeyPress(*editor, key))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

bool ZoneCellDelegate::GridZoneKeyPress(const QLineEdit& editor, const QKeyEvent& key) const
{
    const std::optional<QChar> typed = typedCharacter(key);
    if (!typed)
        return false;
    if (editor.property(RowProperty).toInt() == ZoneGrid::RowEntry && !allowedInEntryDelay(*typed))
        return true;
    // A full number cell takes no more typing; Delete makes room.
    return editor.text().size() >= GridSizes::ZoneNumberDigits;
}
