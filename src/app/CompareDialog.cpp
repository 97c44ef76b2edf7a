#include "CompareDialog.h"

#include "DocumentOutput.h"
#include "Preferences.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTreeWidget>

namespace {

constexpr int OpeningHeight = 460;
constexpr int ClearGap = 8;   // between the dialog and the field it moved off

constexpr int PageColumn = 0;
constexpr int CaptionColumn = 1;

QLabel* wrappedLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

QPushButton* button(QDialogButtonBox* box, const char* name, const QString& text)
{
    QPushButton* added = box->addButton(text, QDialogButtonBox::ActionRole);
    added->setObjectName(QLatin1String(name));
    added->setAutoDefault(false);
    return added;
}

QString notesText(const QStringList& notes)
{
    QString text = CompareDialog::tr("Страницы не проходят проверку перед записью:");
    for (const QString& note : notes)
        text += QStringLiteral("\n• ") + note;
    return text;
}

QString countText(qsizetype count)
{
    return count == 0 ? CompareDialog::tr("Различий нет") : CompareDialog::tr("Различий: %1").arg(count);
}

// The rectangle moved as little as it takes to lie within `screen`.
QRect within(QRect rect, const QRect& screen)
{
    rect.moveLeft(std::max(screen.left(), std::min(rect.left(), screen.right() + 1 - rect.width())));
    rect.moveTop(std::max(screen.top(), std::min(rect.top(), screen.bottom() + 1 - rect.height())));
    return rect;
}

} // namespace

CompareDialog::CompareDialog(Comparison comparison, Dialogs& dialogs, Preferences& preferences,
                             const QString& folder, QWidget* parent)
    : QDialog(parent)
    , m_comparison(std::move(comparison))
    , m_dialogs(dialogs)
    , m_preferences(preferences)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(m_comparison.title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel("CompareFile", m_comparison.subject));
    m_rowsArea = new QWidget;
    (new QVBoxLayout(m_rowsArea))->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rowsArea, 1);
    fillRows();
    m_notShown = wrappedLabel("FieldNotShown", QString());
    m_notShown->hide();
    layout->addWidget(m_notShown);

    auto* takeRow = new QHBoxLayout;
    m_tickAll = new QCheckBox(tr("Все"));
    m_tickAll->setObjectName(QStringLiteral("TickAll"));
    m_tickAll->setTristate(true);   // to show that only some rows are ticked
    m_tickAll->setToolTip(tr("Отметить все строки или снять все отметки"));
    // A click, not a change of state: the state itself follows the rows.
    connect(m_tickAll, &QCheckBox::clicked, this, [this] { tickAll(tickedKeys().size() < m_comparison.rows.size()); });
    m_take = new QPushButton(tr("Взять отмеченные"));
    m_take->setObjectName(QStringLiteral("TakeChecked"));
    m_take->setAutoDefault(false);
    m_take->setToolTip(tr("Отмеченные значения переходят на страницы, остальное на страницах остаётся как есть"));
    connect(m_take, &QPushButton::clicked, this, [this] { Q_EMIT takeWanted(tickedKeys()); });
    m_undo = new QPushButton(tr("Отменить"));
    m_undo->setObjectName(QStringLiteral("UndoTake"));
    m_undo->setAutoDefault(false);
    m_undo->setToolTip(tr("Вернуть страницы такими, какими они были до того, как значения были взяты"));
    connect(m_undo, &QPushButton::clicked, this, &CompareDialog::undoWanted);
    m_takeResult = wrappedLabel("TakeResult", QString());
    takeRow->addWidget(m_tickAll);
    takeRow->addWidget(m_take);
    takeRow->addWidget(m_undo);
    takeRow->addWidget(m_takeResult, 1);
    layout->addLayout(takeRow);
    offerButtons();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    QPushButton* copy = button(buttons, "CopyList", tr("Копировать"));
    copy->setToolTip(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
    connect(copy, &QPushButton::clicked, this, &CompareDialog::copyList);
    connect(button(buttons, "PrintList", tr("Печать…")), &QPushButton::clicked, this, &CompareDialog::printList);
    connect(button(buttons, "SaveListPdf", tr("Сохранить в PDF…")), &QPushButton::clicked, this,
            &CompareDialog::saveListPdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Ctrl+C copies the whole list, wherever the focus is in the dialog.
    auto* copyAction = new QAction(this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &CompareDialog::copyList);
    addAction(copyAction);

    m_openedAt = openingSize();
    resize(m_openedAt);
}

CompareDialog::~CompareDialog()
{
    // Only a size the user chose is kept; the one the dialog worked out is worked out anew.
    if (size() != m_openedAt)
        m_preferences.setValue(SizeKey, size());
}

void CompareDialog::fillRows()
{
    // Everything below the subject is the comparison's: made anew each time it changes.
    qDeleteAll(m_rowsArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    m_table = nullptr;
    auto* layout = static_cast<QVBoxLayout*>(m_rowsArea->layout());
    if (!m_comparison.notes.isEmpty()) {
        QLabel* notes = wrappedLabel("FailedCheck", notesText(m_comparison.notes));
        notes->setStyleSheet(QStringLiteral("color: red;"));
        layout->addWidget(notes);
    }

    const bool none = m_comparison.rows.isEmpty();
    layout->addWidget(wrappedLabel(none ? "NoDifferences" : "DifferenceCount", countText(m_comparison.rows.size())),
                      none ? 1 : 0, none ? Qt::AlignCenter : Qt::Alignment());
    if (none)
        return;
    m_table = new QTreeWidget;
    m_table->setObjectName(QStringLiteral("Differences"));
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setHeaderLabels(headings());
    for (const FieldDifference& row : std::as_const(m_comparison.rows)) {
        auto* item = new QTreeWidgetItem(m_table, {row.field->page, row.field->fullCaption(), row.valueA, row.valueB});
        item->setData(PageColumn, KeyRole, row.field->key);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool ticked = m_ticks.value(row.field->key, m_comparison.rowsTicked);
        item->setCheckState(PageColumn, ticked ? Qt::Checked : Qt::Unchecked);
    }
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_table, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        Q_EMIT fieldWanted(item->data(PageColumn, KeyRole).toString());
    });
    // A tick is remembered by its field, so that it outlasts the rows made anew.
    connect(m_table, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (column != PageColumn)
            return;
        m_ticks.insert(item->data(PageColumn, KeyRole).toString(), item->checkState(PageColumn) == Qt::Checked);
        offerButtons();
    });
    layout->addWidget(m_table, 1);
}

QStringList CompareDialog::tickedKeys() const
{
    QStringList keys;
    for (int i = 0; m_table && i < m_table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_table->topLevelItem(i);
        if (item->checkState(PageColumn) == Qt::Checked)
            keys << item->data(PageColumn, KeyRole).toString();
    }
    return keys;
}

void CompareDialog::tickAll(bool ticked)
{
    for (int i = 0; m_table && i < m_table->topLevelItemCount(); ++i)
        m_table->topLevelItem(i)->setCheckState(PageColumn, ticked ? Qt::Checked : Qt::Unchecked);
    offerButtons();
}

void CompareDialog::offerButtons()
{
    const qsizetype ticked = tickedKeys().size();
    {
        const QSignalBlocker blocker(m_tickAll);
        m_tickAll->setCheckState(ticked == 0                          ? Qt::Unchecked
                                 : ticked == m_comparison.rows.size() ? Qt::Checked
                                                                      : Qt::PartiallyChecked);
    }
    m_tickAll->setEnabled(!m_comparison.rows.isEmpty());
    m_take->setEnabled(m_takingOffered && ticked != 0);
    m_undo->setEnabled(m_takingOffered && m_undoOffered);
}

void CompareDialog::setTakingOffered(bool offered)
{
    m_takingOffered = offered;
    offerButtons();
}

void CompareDialog::showComparison(Comparison comparison)
{
    m_comparison = std::move(comparison);
    m_notShown->hide();
    fillRows();
    offerButtons();
}

void CompareDialog::showTaken(Comparison now, int taken, const QStringList& carried)
{
    m_undoOffered = true;
    showComparison(std::move(now));
    m_takeResult->setText((QStringList{tr("Взято полей: %1.").arg(taken)} + carried).join(u'\n'));
}

void CompareDialog::showUndone(Comparison now)
{
    m_undoOffered = false;
    showComparison(std::move(now));
    m_takeResult->setText(tr("Взятие отменено: страницы такие, как были до него."));
}

QStringList CompareDialog::headings() const
{
    return {tr("Страница"), tr("Параметр"), m_comparison.nameA, m_comparison.nameB};
}

QSize CompareDialog::openingSize() const
{
    QSize size = m_preferences.value(SizeKey).toSize();
    if (!size.isValid()) {
        int width = layout()->contentsMargins().left() + layout()->contentsMargins().right();
        if (m_table) {
            m_table->header()->resizeSections(QHeaderView::ResizeToContents);
            width += m_table->header()->length() + 2 * m_table->frameWidth()
                     + m_table->verticalScrollBar()->sizeHint().width();
        }
        size = {std::max(width, sizeHint().width()), OpeningHeight};
    }
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
    return size.boundedTo(screen->availableGeometry().size());
}

QString CompareDialog::listText() const
{
    QStringList lines{headings().join(u'\t')};
    for (const FieldDifference& row : m_comparison.rows)
        lines.append(QStringList{row.field->page, row.field->fullCaption(), row.valueA, row.valueB}.join(u'\t'));
    return lines.join(u'\n') + u'\n';
}

void CompareDialog::copyList()
{
    QApplication::clipboard()->setText(listText());
}

void CompareDialog::fillDocument(QTextDocument& document) const
{
    const auto escaped = [](const QString& text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<h3>%1</h3><p>%2</p>").arg(escaped(m_comparison.title), escaped(m_comparison.subject));
    if (!m_comparison.notes.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(notesText(m_comparison.notes)).replace(u'\n', QStringLiteral("<br>")));
    html += QStringLiteral("<p>%1</p>").arg(escaped(countText(m_comparison.rows.size())));
    if (!m_comparison.rows.isEmpty()) {
        html += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
        for (const QString& heading : headings())
            html += QStringLiteral("<th align=\"left\">%1</th>").arg(escaped(heading));
        html += QStringLiteral("</tr></thead>");
        for (const FieldDifference& row : m_comparison.rows) {
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                        .arg(escaped(row.field->page), escaped(row.field->fullCaption()), escaped(row.valueA),
                             escaped(row.valueB));
        }
        html += QStringLiteral("</table>");
    }
    document.setMetaInformation(QTextDocument::DocumentTitle, m_comparison.title);
    document.setHtml(html);
}

void CompareDialog::printList()
{
    QTextDocument list;
    fillDocument(list);
    DocumentOutput::print(list, m_comparison.title, m_dialogs);
}

void CompareDialog::saveListPdf()
{
    QTextDocument list;
    fillDocument(list);
    DocumentOutput::savePdf(list,
                            {tr("Сохранение списка различий"), m_folder, m_comparison.title,
                             {tr("Документы PDF (*.pdf)")}, QStringLiteral("pdf")},
                            m_comparison.title, m_dialogs);
}

void CompareDialog::fieldShown(const std::optional<QRect>& where)
{
    if (where) {
        m_notShown->hide();
        keepClearOf(*where);
        return;
    }
    const QTreeWidgetItem* row = m_table ? m_table->currentItem() : nullptr;
    m_notShown->setText(tr("«%1» на страницах не показывается.").arg(row ? row->text(CaptionColumn) : QString()));
    m_notShown->show();
}

void CompareDialog::keepClearOf(const QRect& area)
{
    const QRect frame = frameGeometry();
    if (!frame.intersects(area))
        return;
    const QRect screen = this->screen()->availableGeometry();
    // Beside the field, then above or below it: the first place that leaves it clear.
    const QList<QPoint> corners = {
        {area.right() + 1 + ClearGap, frame.top()},
        {area.left() - ClearGap - frame.width(), frame.top()},
        {frame.left(), area.bottom() + 1 + ClearGap},
        {frame.left(), area.top() - ClearGap - frame.height()},
    };
    QRect best = frame;
    qint64 bestOverlap = qint64(area.width()) * area.height() + 1;
    for (const QPoint& corner : corners) {
        const QRect moved = within(QRect(corner, frame.size()), screen);
        const QRect overlap = moved & area;
        const qint64 covered = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
        if (covered < bestOverlap) {
            best = moved;
            bestOverlap = covered;
        }
    }
    move(best.topLeft());
}
