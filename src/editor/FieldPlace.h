#pragma once

#include <QModelIndex>
#include <QPointer>
#include <QRect>
#include <QString>

class GeneralPage;
class QAbstractItemView;
class QWidget;
class TextsPage;
class ZonesPage;

// Where the pages show a field of the catalogue: its own control and, in a
// grid, its cell. Some fields have none (the layout mark, a zone's marker),
// and some controls are never in sight (the panel identifier, EditMac).
class FieldPlace final {
public:
    static FieldPlace of(const QString& key, const GeneralPage& general, const ZonesPage& zones,
                         const TextsPage& texts);

    // Whether the control comes into sight once the pages around it are in front.
    bool canBeShown() const;
    // Puts every page around the control in front (a page whose tab is hidden
    // too), gives it the focus and makes its cell the current one; answers
    // where it is on the screen.
    QRect show() const;

private:
    QPointer<QWidget> m_control;
    QAbstractItemView* m_grid = nullptr;   // when the field is a cell of the control
    QModelIndex m_cell;                    // invalid for a row the grid lacks
};
