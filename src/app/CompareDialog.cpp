#include "CompareDialog.h"

#include "DocumentOutput.h"
#include "Preferences.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
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

QString captionOf(const CatalogueField& field)
{
    return field.section.isEmpty() ? field.caption : field.section + QStringLiteral(" — ") + field.caption;
}

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
    if (!m_comparison.notes.isEmpty()) {
        QLabel* notes = wrappedLabel("FailedCheck", notesText(m_comparison.notes));
        notes->setStyleSheet(QStringLiteral("color: red;"));
        layout->addWidget(notes);
    }

    const bool none = m_comparison.rows.isEmpty();
    layout->addWidget(wrappedLabel(none ? "NoDifferences" : "DifferenceCount", countText(m_comparison.rows.size())),
                      none ? 1 : 0, none ? Qt::AlignCenter : Qt::Alignment());
    if (!none) {
        m_table = new QTreeWidget;
        m_table->setObjectName(QStringLiteral("Differences"));
        m_table->setRootIsDecorated(false);
        m_table->setUniformRowHeights(true);
        m_table->setHeaderLabels(headings());
        for (const FieldDifference& row : std::as_const(m_comparison.rows)) {
            auto* item = new QTreeWidgetItem(m_table, {row.field->page, captionOf(*row.field), row.valueA, row.valueB});
            item->setData(PageColumn, KeyRole, row.field->key);
        }
        m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        connect(m_table, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
            Q_EMIT fieldWanted(item->data(PageColumn, KeyRole).toString());
        });
        layout->addWidget(m_table, 1);
    }
    m_notShown = wrappedLabel("FieldNotShown", QString());
    m_notShown->hide();
    layout->addWidget(m_notShown);

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
        lines.append(QStringList{row.field->page, captionOf(*row.field), row.valueA, row.valueB}.join(u'\t'));
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
                        .arg(escaped(row.field->page), escaped(captionOf(*row.field)), escaped(row.valueA),
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
