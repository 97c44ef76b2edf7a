#pragma once

#include "StringGrid.h"

// GridZone: one column per zone (Z1-Z6, K1, K2), one row per property. Marks
// are toggled by clicking; only the two number rows can be typed into, and
// only right after a click that allows it.
class ZoneGrid final : public StringGrid {
    Q_OBJECT
public:
    enum Row { RowOn = 1, RowSensitivity, Row24Hour, RowInterior, RowSiren, RowPerimeter, RowEntry, RowArming };
    static constexpr int FirstKeyboardZone = 7;
    static constexpr int LastKeyboardZone = 8;
    static constexpr int ArmingZone = 1;

    explicit ZoneGrid(QWidget* parent = nullptr);

    // Whether "Отключена" is chosen on the keyboard switch: K1 and K2 are then locked.
    void setKeyboardOff(bool off) { m_keyboardOff = off; }
    bool isInUse(int zone) const { return !isBlank(zone, RowOn); }
    bool isEditingAllowed() const { return editTriggers() != QAbstractItemView::NoEditTriggers; }

public Q_SLOTS:
    void GridZoneClick();

private:
    void setEditingAllowed(bool allowed);
    void clearRows(int zone, std::initializer_list<int> rows);

    bool m_keyboardOff = false;
};
