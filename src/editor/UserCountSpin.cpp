#include "UserCountSpin.h"

#include "GridSizes.h"

UserCountSpin::UserCountSpin(QWidget* parent)
    : QSpinBox(parent)
{
    setObjectName(QStringLiteral("UserCount"));
    setRange(0, GridSizes::MaxUsers);
    setValue(GridSizes::MaxUsers);
}

void UserCountSpin::stepBy(int steps)
{
    const int before = value();
    QSpinBox::stepBy(steps);
    if (steps < 0 && value() < before)
        Q_EMIT bottomClicked();
}
