#include "CheckGroup.h"

#include <QCheckBox>
#include <QVBoxLayout>

CheckGroup::CheckGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent)
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* box = new QCheckBox(items[i]);
        layout->addWidget(box);
        m_items.append(box);
        connect(box, &QCheckBox::toggled, this, [this, i](bool checked) { Q_EMIT itemToggled(i, checked); });
    }
}

bool CheckGroup::isChecked(int item) const
{
    return m_items.at(item)->isChecked();
}

void CheckGroup::setChecked(int item, bool checked)
{
    m_items.at(item)->setChecked(checked);
}
