#include "StringGrid.h"

#include "GridSizes.h"

#include <QHeaderView>
#include <QKeyEvent>

StringGrid::StringGrid(const QString& name, int columns, int rows, QWidget* parent)
    : QTableWidget(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    QHeaderView* top = horizontalHeader();
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setMinimumSectionSize(1);
    top->setFixedHeight(GridSizes::RowHeight);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->setHighlightSections(false);
    QHeaderView* side = verticalHeader();
    side->hide();
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setMinimumSectionSize(1);
    side->setDefaultSectionSize(GridSizes::RowHeight);
    // Rows and columns come after the headers are fixed: a header that gets its
    // sections while it may still size them measures every caption first.
    setColumnCount(columns);
    setRowCount(rows - 1);

    for (int column = 0; column < columns; ++column) {
        setHorizontalHeaderItem(column, new QTableWidgetItem);
        for (int row = 0; row < rowCount(); ++row) {
            auto* item = new QTableWidgetItem;
            if (column == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            }
            setItem(row, column, item);
        }
    }

    connect(top, &QHeaderView::sectionClicked, this, [this](int column) { Q_EMIT captionClicked(column, 0); });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 0)
            Q_EMIT captionClicked(0, row + 1);
        else
            Q_EMIT gridCellClicked(column, row + 1);
    });
}

QString StringGrid::cell(int column, int row) const
{
    const QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return it ? it->text() : QString();
}

void StringGrid::setCell(int column, int row, const QString& text)
{
    QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    if (it)
        it->setText(text);
}

void StringGrid::setColumnWidths(std::initializer_list<int> widths)
{
    int column = 0;
    for (int width : widths)
        setColumnWidth(column++, width);
}

void StringGrid::setAllColumnWidths(int width)
{
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, width);
}

QSize StringGrid::fullSize() const
{
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column)
        width += columnWidth(column);
    int height = 2 * frameWidth() + horizontalHeader()->height();
    for (int row = 0; row < rowCount(); ++row)
        height += rowHeight(row);
    return {width, height};
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && after.column() > 0 && state() != QAbstractItemView::EditingState)
        Q_EMIT gridCellClicked(after.column(), after.row() + 1);
}
