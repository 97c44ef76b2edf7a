#include "TextsPage.h"

#include "FactoryTexts.h"
#include "StringGrid.h"
#include "TextCellDelegate.h"

#include <QBoxLayout>
#include <QTabWidget>

namespace {

StringGrid* textGrid(const char* name, int columns, int rows, std::initializer_list<int> widths,
                     TextCellDelegate::Mode mode)
{
    auto* grid = new StringGrid(QLatin1String(name), columns, rows);
    grid->setColumnWidths(widths);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new TextCellDelegate(mode, grid));
    return grid;
}

// A grid that shows all its rows keeps exactly its own height.
void fitHeight(StringGrid* grid)
{
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedHeight(grid->fullSize().height());
}

QWidget* sheet(const char* name, std::initializer_list<StringGrid*> grids)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    for (StringGrid* grid : grids)
        layout->addWidget(grid, grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ? 0 : 1);
    layout->addStretch();
    return page;
}

void putRows(StringGrid& grid, const QStringList& titles, const QList<QStringList>& rows)
{
    for (int column = 0; column < titles.size(); ++column)
        grid.setCell(column, 0, titles.at(column));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column)
            grid.setCell(column, row + 1, rows.at(row).at(column));
    }
}

QList<QStringList> rowsOf(const QList<FactoryTexts::Row>& texts)
{
    QList<QStringList> rows;
    for (const FactoryTexts::Row& row : texts)
        rows.append({row.label, row.text});
    return rows;
}

} // namespace

TextsPage::TextsPage(QWidget* parent)
    : QWidget(parent)
    , m_mesPageControl(new QTabWidget)
    , m_sysMesGrid(textGrid("SysMesGrid", 2, 12, {160, 404}, TextCellDelegate::Mode::OfferWhole))
    , m_alarmMesGrid(textGrid("AlarmMesGrid", 2, 17, {160, 385}, TextCellDelegate::Mode::OfferWhole))
    , m_armMesGrid(textGrid("ArmMesGrid", 3, 33, {162, 194, 188}, TextCellDelegate::Mode::OfferWhole))
    , m_grNameGrid(textGrid("GrNameGrid", 2, 9, {160, 404}, TextCellDelegate::Mode::ShortenStart))
    , m_statusGrid(textGrid("StatusGrid", 2, 5, {190, 373}, TextCellDelegate::Mode::ShortenStart))
{
    setObjectName(QStringLiteral("TextsPage"));
    fitHeight(m_sysMesGrid);
    fitHeight(m_grNameGrid);
    fitHeight(m_statusGrid);
    m_mesPageControl->setObjectName(QStringLiteral("MesPageControl"));
    m_mesPageControl->addTab(sheet("ZoneMesSheet", {m_sysMesGrid, m_alarmMesGrid}), tr("Шлейфы сигнализации"));
    m_mesPageControl->addTab(sheet("ArmedMesSheet", {m_armMesGrid}), tr("Постановка/Снятие"));
    m_mesPageControl->addTab(sheet("tsGR", {m_grNameGrid, m_statusGrid}), tr("Группы/Состояние"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_mesPageControl);
}

void TextsPage::putFactoryTexts()
{
    putSystemTexts();
    putAlarmTexts();
    putGroupNames();
    putStatusTexts();
    putArmTexts();
}

void TextsPage::putSystemTexts()
{
    putRows(*m_sysMesGrid, {tr("  Извещение"), tr("                Текст извещения")},
            rowsOf(FactoryTexts::systemTexts()));
}

void TextsPage::putAlarmTexts()
{
    putRows(*m_alarmMesGrid, {tr("    Шлейф"), tr("                Текст извещения")},
            rowsOf(FactoryTexts::alarmTexts()));
}

void TextsPage::putGroupNames()
{
    putRows(*m_grNameGrid, {tr("       Номер группы"), tr("                Наименование")},
            rowsOf(FactoryTexts::groupNames()));
}

void TextsPage::putStatusTexts()
{
    putRows(*m_statusGrid, {tr("          Состояние"), tr("                Описание")},
            rowsOf(FactoryTexts::statusTexts()));
}

void TextsPage::putArmTexts()
{
    const QList<FactoryTexts::Row> arm = FactoryTexts::armTexts();
    const QList<FactoryTexts::Row> disarm = FactoryTexts::disarmTexts();
    QList<QStringList> rows;
    for (qsizetype row = 0; row < arm.size(); ++row)
        rows.append({arm.at(row).label, arm.at(row).text, disarm.at(row).text});
    putRows(*m_armMesGrid, {tr("Пользователь №"), tr(" Постановка"), tr(" Снятие")}, rows);
}
