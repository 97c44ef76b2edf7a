#include "GridInput.h"

#include "StringGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

namespace GridInput {

void clickCell(StringGrid& grid, int column, int row)
{
    const QRect rect = grid.visualItemRect(grid.item(row - 1, column));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rect.center());
}

void clickCaption(StringGrid& grid, int column)
{
    QHeaderView* header = grid.horizontalHeader();
    const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
}

QLineEdit* openEditor(StringGrid& grid)
{
    QTest::keyClick(&grid, Qt::Key_F2);
    return qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
}

QLineEdit* openEditorAt(StringGrid& grid, int column, int row)
{
    clickCell(grid, column, row);
    return openEditor(grid);
}

} // namespace GridInput
