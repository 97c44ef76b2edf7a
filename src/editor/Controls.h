#pragma once

#include <QString>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

// Small makers for the named controls of the pages: every control carries its
// name as objectName, and every label is its field's buddy.
namespace Controls {

constexpr int NoLimit = -1;

QLineEdit* lineEdit(const char* name, int maxLength = NoLimit, const QString& text = {});
QLabel* label(const char* name, const QString& text, QWidget* buddy);
QSpinBox* spinEdit(const char* name, int minimum, int maximum, int step, int value);
QCheckBox* checkBox(const char* name, const QString& text);
QGroupBox* group(const char* name, const QString& caption);

// Appends a row "label | field" to a two-column grid and returns the label.
QLabel* addRow(QGridLayout* grid, const char* labelName, const QString& labelText, QWidget* field);

} // namespace Controls
