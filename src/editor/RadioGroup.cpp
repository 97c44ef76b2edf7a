#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    const int rows = (items.size() + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        m_buttons->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || id == m_index)
            return;
        m_index = id;
        Q_EMIT itemIndexChanged(id);
    });
}

int RadioGroup::count() const
{
    return static_cast<int>(m_buttons->buttons().size());
}

void RadioGroup::setItemIndex(int index)
{
    if (index == m_index)
        return;
    if (index < 0 || index >= count()) {
        // No selection: an exclusive group cannot uncheck its last button by itself.
        m_buttons->setExclusive(false);
        if (QAbstractButton* checked = m_buttons->checkedButton())
            checked->setChecked(false);
        m_buttons->setExclusive(true);
        m_index = -1;
        Q_EMIT itemIndexChanged(-1);
        return;
    }
    m_buttons->button(index)->setChecked(true);
}
