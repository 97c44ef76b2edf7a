#include "Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace Controls {

namespace {

void name(QWidget* widget, const char* objectName)
{
    if (objectName)
        widget->setObjectName(QLatin1String(objectName));
}

} // namespace

QLineEdit* lineEdit(const char* objectName, int maxLength, const QString& text)
{
    auto* edit = new QLineEdit;
    name(edit, objectName);
    if (maxLength != NoLimit)
        edit->setMaxLength(maxLength);
    edit->setText(text);
    return edit;
}

QLabel* label(const char* objectName, const QString& text, QWidget* buddy)
{
    auto* caption = new QLabel(text);
    name(caption, objectName);
    caption->setBuddy(buddy);
    return caption;
}

QSpinBox* spinEdit(const char* objectName, int minimum, int maximum, int step, int value)
{
    auto* spin = new QSpinBox;
    name(spin, objectName);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    return spin;
}

QCheckBox* checkBox(const char* objectName, const QString& text)
{
    auto* box = new QCheckBox(text);
    name(box, objectName);
    return box;
}

QGroupBox* group(const char* objectName, const QString& caption)
{
    auto* box = new QGroupBox(caption);
    name(box, objectName);
    return box;
}

QLabel* addRow(QGridLayout* grid, const char* labelName, const QString& labelText, QWidget* field)
{
    const int row = grid->rowCount();
    QLabel* caption = label(labelName, labelText, field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    return caption;
}

} // namespace Controls
