#pragma once

class QLineEdit;
class StringGrid;

// Clicks and keys on a string grid as a user gives them, in grid coordinates
// (row 0 and column 0 are the captions).
namespace GridInput {

void clickCell(StringGrid& grid, int column, int row);
void clickCaption(StringGrid& grid, int column);
// Opens the cell editor on the current cell with F2; null when none opened.
QLineEdit* openEditor(StringGrid& grid);
QLineEdit* openEditorAt(StringGrid& grid, int column, int row);

} // namespace GridInput
