#include "ZoneGrid.h"

#include "GridSizes.h"
#include "ZoneCellDelegate.h"

ZoneGrid::ZoneGrid(QWidget* parent)
    : StringGrid(QStringLiteral("GridZone"), GridSizes::ZoneColumns, GridSizes::ZoneRows, parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColumnWidth(0, GridSizes::ZoneCaptionWidth);
    for (int zone = 1; zone < GridSizes::ZoneColumns; ++zone)
        setColumnWidth(zone, GridSizes::ZoneColumnWidth);
    setItemDelegate(new ZoneCellDelegate(this));

    setCell(0, 0, tr("      ШС"));
    for (int zone = 1; zone <= 6; ++zone)
        setCell(zone, 0, QStringLiteral("   Z%1").arg(zone));
    setCell(FirstKeyboardZone, 0, QStringLiteral("   K1"));
    setCell(LastKeyboardZone, 0, QStringLiteral("   K2"));
    const QStringList rowCaptions = {
        tr("Включен"), tr("Чувствит., мс"), tr("Круглосуточный"), tr("Интерьер"),
        tr("Сирена"),  tr("Периметр"),      tr("Вход, с"),        tr("Постановочный"),
    };
    for (int row = RowOn; row <= RowArming; ++row)
        setCell(0, row, rowCaptions.at(row - 1));

    connect(this, &StringGrid::gridCellClicked, this, &ZoneGrid::GridZoneClick);
}

void ZoneGrid::setEditingAllowed(bool allowed)
{
    setEditTriggers(allowed ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed
                            : QAbstractItemView::NoEditTriggers);
}

void ZoneGrid::clearRows(int zone, std::initializer_list<int> rows)
{
    for (int row : rows)
        setCell(zone, row, QString());
}

void ZoneGrid::GridZoneClick()
{
    const int x = gridColumn();
    const int y = gridRow();
    setEditingAllowed(false);
    if (x < 1 || y < 1)
        return;
    if ((x == FirstKeyboardZone || x == LastKeyboardZone) && m_keyboardOff)
        return;
    // An arming Z1 is switched back only through its own "Постановочный" cell.
    if (x == ArmingZone && isMarked(x, RowArming) && y != RowArming)
        return;

    if (y == RowOn) {
        if (isMarked(x, RowOn)) {
            clearRows(x, {Row24Hour, RowSiren, RowEntry, RowPerimeter, RowInterior, RowOn});
        } else {
            setCell(x, RowOn, Mark);
        }
        return;
    }
    if (!isInUse(x))
        return;

    switch (y) {
    case RowSensitivity:
        setEditingAllowed(true);
        break;
    case Row24Hour:
        clearRows(x, {RowArming});
        if (isMarked(x, Row24Hour)) {
            clearRows(x, {Row24Hour, RowEntry});
        } else {
            clearRows(x, {RowInterior, RowPerimeter});
            setCell(x, Row24Hour, Mark);
            clearRows(x, {RowEntry});
        }
        break;
    case RowInterior:
        clearRows(x, {RowArming});
        setCell(x, RowInterior, isBlank(x, RowInterior) ? Mark : QString());
        clearRows(x, {Row24Hour});
        if (!isMarked(x, RowPerimeter))
            clearRows(x, {RowEntry});
        break;
    case RowSiren:
        setCell(x, RowSiren, isMarked(x, RowSiren) ? QString() : Mark);
        break;
    case RowPerimeter:
        clearRows(x, {RowArming});
        setCell(x, RowPerimeter, isBlank(x, RowPerimeter) && isBlank(x, Row24Hour) ? Mark : QString());
        if (isMarked(x, RowInterior))
            clearRows(x, {RowEntry});
        break;
    case RowEntry:
        if ((isBlank(x, Row24Hour) && isBlank(x, RowInterior))
            || (isMarked(x, RowPerimeter) && isMarked(x, RowInterior)))
            setEditingAllowed(true);
        break;
    case RowArming:
        if (x != ArmingZone)
            break;
        if (isBlank(x, RowArming)) {
            setCell(x, RowArming, Mark);
            clearRows(x, {Row24Hour, RowEntry, RowPerimeter, RowInterior});
        } else {
            clearRows(x, {RowArming});
        }
        break;
    default:
        break;
    }
}
