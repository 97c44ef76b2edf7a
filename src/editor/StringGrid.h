#pragma once

#include <QTableWidget>

#include <initializer_list>

// A grid of texts with one fixed caption row and one fixed caption column,
// addressed as (column, row) with row 0 and column 0 being the captions. Row 0
// is the horizontal header, so it stays in view while the grid scrolls; column
// 0 is a column of grey, read-only cells.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    static inline const QString Mark = QStringLiteral("+");

    StringGrid(const QString& name, int columns, int rows, QWidget* parent = nullptr);

    int gridColumns() const { return columnCount(); }
    int gridRows() const { return rowCount() + 1; }

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // A mark cell counts as set when its trimmed text is "+".
    bool isMarked(int column, int row) const { return cell(column, row).trimmed() == Mark; }
    bool isBlank(int column, int row) const { return cell(column, row).trimmed().isEmpty(); }

    void setColumnWidths(std::initializer_list<int> widths);
    void setAllColumnWidths(int width);
    // Grid column and row of the current cell, or -1.
    int gridColumn() const { return currentColumn(); }
    int gridRow() const { return currentRow() < 0 ? -1 : currentRow() + 1; }
    // Makes (column, row) the current cell; row must be at least 1.
    void setGridCurrent(int column, int row) { setCurrentCell(row - 1, column); }
    // The whole grid without scrolling, frame included.
    QSize fullSize() const;

Q_SIGNALS:
    // A text cell (column and row at least 1) clicked, or made current by the keyboard.
    void gridCellClicked(int column, int row);
    // A caption cell clicked: (column, 0) in the caption row, (0, row) in the caption column.
    void captionClicked(int column, int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
