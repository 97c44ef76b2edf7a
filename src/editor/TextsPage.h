#pragma once

#include <QWidget>

class QTabWidget;
class StringGrid;

// The content of SheetMes: the notification texts in five grids on the three
// pages of MesPageControl.
class TextsPage final : public QWidget {
    Q_OBJECT
public:
    explicit TextsPage(QWidget* parent = nullptr);

    QTabWidget& mesPageControl() const { return *m_mesPageControl; }
    StringGrid& sysMesGrid() const { return *m_sysMesGrid; }
    StringGrid& alarmMesGrid() const { return *m_alarmMesGrid; }
    StringGrid& armMesGrid() const { return *m_armMesGrid; }
    StringGrid& grNameGrid() const { return *m_grNameGrid; }
    StringGrid& statusGrid() const { return *m_statusGrid; }

    // The factory captions, labels and texts of all five grids.
    void putFactoryTexts();

private:
    void putSystemTexts();
    void putAlarmTexts();
    void putGroupNames();
    void putStatusTexts();
    void putArmTexts();

    QTabWidget* m_mesPageControl;
    StringGrid* m_sysMesGrid;
    StringGrid* m_alarmMesGrid;
    StringGrid* m_armMesGrid;
    StringGrid* m_grNameGrid;
    StringGrid* m_statusGrid;
};
