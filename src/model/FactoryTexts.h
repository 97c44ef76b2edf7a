#pragma once

#include <QList>
#include <QString>

// The notification texts the panel leaves the factory with, one row per text
// slot, each with the label its row carries on the texts page (spacing kept as
// the grids show it). The page puts them into its grids; the factory image and
// the field catalogue read them from here, so all three say the same.
namespace FactoryTexts {

struct Row {
    QString label;
    QString text;
};

QList<Row> systemTexts();
QList<Row> alarmTexts();
QList<Row> armTexts();
QList<Row> disarmTexts();
QList<Row> groupNames();
QList<Row> statusTexts();

} // namespace FactoryTexts
