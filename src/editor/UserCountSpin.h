#pragma once

#include <QSpinBox>

// UserCount: tells a step down by the arrow apart from a typed value.
class UserCountSpin final : public QSpinBox {
    Q_OBJECT
public:
    explicit UserCountSpin(QWidget* parent = nullptr);

    void stepBy(int steps) override;

Q_SIGNALS:
    // The down arrow has lowered the value by one step; value() is the new count.
    void bottomClicked();
};
