#include "GridInput.h"
#include "ZoneGrid.h"
#include "ZoneCellDelegate.h"

#include <QLineEdit>
#include <QTest>

using GridInput::clickCell;

namespace {

// Rows 1-8 of one zone column, top to bottom.
using Column = QStringList;

void putColumn(ZoneGrid& grid, int zone, const Column& cells)
{
    for (int row = 1; row <= 8; ++row)
        grid.setCell(zone, row, cells.at(row - 1));
}

Column columnOf(const ZoneGrid& grid, int zone)
{
    Column cells;
    for (int row = 1; row <= 8; ++row)
        cells.append(grid.cell(zone, row));
    return cells;
}

} // namespace

class ZoneGridTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void captionsAndSizes();
    void markingRules_data();
    void markingRules();
    void numberCellsOpenOnlyWhereAllowed_data();
    void numberCellsOpenOnlyWhereAllowed();
    void keyboardNavigationActsLikeAClick();
    void editorTakesFourDigits();
    void incompleteEntryIsNotTaken();
    void fullCellTakesNoMoreTypingButDelete();
    void entryDelayRefusesOtherCharacters();

private:
    ZoneGrid* m_grid = nullptr;
};

void ZoneGridTest::init()
{
    m_grid = new ZoneGrid;
    m_grid->setKeyboardOff(true);
    m_grid->resize(m_grid->fullSize());
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
}

void ZoneGridTest::cleanup()
{
    delete m_grid;
}

void ZoneGridTest::captionsAndSizes()
{
    QCOMPARE(m_grid->objectName(), QStringLiteral("GridZone"));
    QCOMPARE(m_grid->gridColumns(), 9);
    QCOMPARE(m_grid->gridRows(), 9);
    QCOMPARE(m_grid->cell(0, 0), QStringLiteral("      ШС"));
    QCOMPARE(m_grid->cell(3, 0), QStringLiteral("   Z3"));
    QCOMPARE(m_grid->cell(8, 0), QStringLiteral("   K2"));
    QCOMPARE(m_grid->cell(0, 7), QStringLiteral("Вход, с"));
    QCOMPARE(m_grid->columnWidth(0), 118);
    QCOMPARE(m_grid->columnWidth(5), 55);
    QCOMPARE(m_grid->rowHeight(0), 18);
}

void ZoneGridTest::markingRules_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<Column>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<Column>("after");

    const QString p = QStringLiteral("+");
    const QString e;
    const QString ms = QStringLiteral("60");
    const QString d = QStringLiteral("25");

    QTest::newRow("clearing in-use clears the kind marks, siren and delay, keeps sensitivity")
        << 3 << Column{p, ms, e, p, p, p, d, e} << 1 << Column{e, ms, e, e, e, e, e, e};
    QTest::newRow("clearing in-use keeps an arming mark")
        << 3 << Column{p, ms, p, e, p, e, e, p} << 1 << Column{e, ms, e, e, e, e, e, p};
    QTest::newRow("setting in-use") << 3 << Column{e, ms, e, e, e, e, e, e} << 1 << Column{p, ms, e, e, e, e, e, e};
    QTest::newRow("24-hour clears interior, perimeter and delay")
        << 3 << Column{p, ms, e, p, e, p, d, e} << 3 << Column{p, ms, p, e, e, e, e, e};
    QTest::newRow("24-hour off") << 3 << Column{p, ms, p, e, e, e, e, e} << 3 << Column{p, ms, e, e, e, e, e, e};
    QTest::newRow("perimeter refused on a 24-hour zone")
        << 3 << Column{p, e, p, e, e, e, e, e} << 6 << Column{p, e, p, e, e, e, e, e};
    QTest::newRow("perimeter click on a 24-hour zone clears it")
        << 3 << Column{p, e, p, e, e, p, e, e} << 6 << Column{p, e, p, e, e, e, e, e};
    QTest::newRow("interior on a plain zone clears the delay")
        << 3 << Column{p, e, e, e, e, e, d, e} << 4 << Column{p, e, e, p, e, e, e, e};
    QTest::newRow("interior on a perimeter zone keeps the delay")
        << 3 << Column{p, e, e, e, e, p, d, e} << 4 << Column{p, e, e, p, e, p, d, e};
    QTest::newRow("interior clears 24-hour") << 3 << Column{p, e, p, e, e, e, e, e} << 4 << Column{p, e, e, p, e, e, e, e};
    QTest::newRow("perimeter on an interior zone clears the delay")
        << 3 << Column{p, e, e, p, e, e, d, e} << 6 << Column{p, e, e, p, e, p, e, e};
    QTest::newRow("siren on") << 4 << Column{p, e, e, e, e, e, e, e} << 5 << Column{p, e, e, e, p, e, e, e};
    QTest::newRow("siren off") << 4 << Column{p, e, e, e, p, e, e, e} << 5 << Column{p, e, e, e, e, e, e, e};
    QTest::newRow("a zone not in use ignores its marks")
        << 4 << Column{e, ms, e, e, e, e, e, e} << 5 << Column{e, ms, e, e, e, e, e, e};
    QTest::newRow("only Z1 can be an arming zone")
        << 2 << Column{p, e, e, e, e, e, e, e} << 8 << Column{p, e, e, e, e, e, e, e};
    QTest::newRow("arming Z1 clears the kind marks and delay")
        << 1 << Column{p, ms, p, p, p, p, d, e} << 8 << Column{p, ms, e, e, p, e, e, p};
    QTest::newRow("arming Z1 locks its siren") << 1 << Column{p, ms, e, e, e, e, e, p} << 5 << Column{p, ms, e, e, e, e, e, p};
    QTest::newRow("arming Z1 locks its in-use mark")
        << 1 << Column{p, ms, e, e, e, e, e, p} << 1 << Column{p, ms, e, e, e, e, e, p};
    QTest::newRow("arming Z1 is switched back by its own cell")
        << 1 << Column{p, ms, e, e, e, e, e, p} << 8 << Column{p, ms, e, e, e, e, e, e};
    QTest::newRow("K1 is locked without a keyboard")
        << 7 << Column{e, ms, e, p, p, e, e, e} << 1 << Column{e, ms, e, p, p, e, e, e};
    QTest::newRow("other kind marks are cleared by an arming mark click")
        << 1 << Column{p, e, e, e, e, e, e, e} << 3 << Column{p, e, p, e, e, e, e, e};
}

void ZoneGridTest::markingRules()
{
    QFETCH(int, zone);
    QFETCH(Column, before);
    QFETCH(int, row);
    QFETCH(Column, after);

    putColumn(*m_grid, zone, before);
    clickCell(*m_grid, zone, row);
    QCOMPARE(columnOf(*m_grid, zone), after);
    QVERIFY(!m_grid->isEditingAllowed());
}

void ZoneGridTest::numberCellsOpenOnlyWhereAllowed_data()
{
    QTest::addColumn<Column>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("editable");

    const QString p = QStringLiteral("+");
    const QString e;
    QTest::newRow("sensitivity of a zone in use") << Column{p, e, e, e, e, e, e, e} << 2 << true;
    QTest::newRow("sensitivity of a zone not in use") << Column{e, e, e, e, e, e, e, e} << 2 << false;
    QTest::newRow("delay of a plain zone") << Column{p, e, e, e, e, e, e, e} << 7 << true;
    QTest::newRow("delay of a perimeter zone") << Column{p, e, e, e, e, p, e, e} << 7 << true;
    QTest::newRow("delay of an interior zone") << Column{p, e, e, p, e, e, e, e} << 7 << false;
    QTest::newRow("delay of an interior-perimeter zone") << Column{p, e, e, p, e, p, e, e} << 7 << true;
    QTest::newRow("delay of a 24-hour zone") << Column{p, e, p, e, e, e, e, e} << 7 << false;
    QTest::newRow("a mark cell") << Column{p, e, e, e, e, e, e, e} << 5 << false;
}

void ZoneGridTest::numberCellsOpenOnlyWhereAllowed()
{
    QFETCH(Column, before);
    QFETCH(int, row);
    QFETCH(bool, editable);

    putColumn(*m_grid, 3, before);
    QLineEdit* editor = GridInput::openEditorAt(*m_grid, 3, row);
    QCOMPARE(editor != nullptr, editable);
    QCOMPARE(m_grid->isEditingAllowed(), editable);
}

void ZoneGridTest::keyboardNavigationActsLikeAClick()
{
    putColumn(*m_grid, 3, {QStringLiteral("+"), {}, {}, {}, {}, {}, {}, {}});
    clickCell(*m_grid, 3, 4);
    QCOMPARE(m_grid->cell(3, 4), QStringLiteral("+"));
    QTest::keyClick(m_grid, Qt::Key_Down);
    QCOMPARE(m_grid->cell(3, 5), QStringLiteral("+"));
    QTest::keyClick(m_grid, Qt::Key_Up);
    QCOMPARE(m_grid->cell(3, 4), QString());
}

void ZoneGridTest::editorTakesFourDigits()
{
    putColumn(*m_grid, 3, {QStringLiteral("+"), QStringLiteral("60"), {}, {}, {}, {}, {}, {}});
    QLineEdit* editor = GridInput::openEditorAt(*m_grid, 3, 2);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "004567");
    QCOMPARE(editor->text(), QStringLiteral("0045"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(m_grid->cell(3, 2), QStringLiteral("0045"));
}

void ZoneGridTest::incompleteEntryIsNotTaken()
{
    putColumn(*m_grid, 3, {QStringLiteral("+"), QStringLiteral("0060"), {}, {}, {}, {}, {}, {}});
    QLineEdit* editor = GridInput::openEditorAt(*m_grid, 3, 2);
    QVERIFY(editor);
    editor->clear();
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(m_grid->indexWidget(m_grid->currentIndex()), editor);
    QCOMPARE(m_grid->cell(3, 2), QStringLiteral("0060"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!m_grid->indexWidget(m_grid->currentIndex()));
    QCOMPARE(m_grid->cell(3, 2), QStringLiteral("0060"));
}

void ZoneGridTest::fullCellTakesNoMoreTypingButDelete()
{
    putColumn(*m_grid, 3, {QStringLiteral("+"), {}, {}, {}, {}, {}, QStringLiteral("0030"), {}});
    QLineEdit* editor = GridInput::openEditorAt(*m_grid, 3, 7);
    QVERIFY(editor);
    editor->setCursorPosition(4);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, "9");
    QCOMPARE(editor->text(), QStringLiteral("0030"));
    editor->setCursorPosition(3);
    QTest::keyClick(editor, Qt::Key_Delete);
    QCOMPARE(editor->text(), QStringLiteral("003"));
    QTest::keyClicks(editor, "5");
    QCOMPARE(editor->text(), QStringLiteral("0035"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(m_grid->cell(3, 7), QStringLiteral("0035"));
}

void ZoneGridTest::entryDelayRefusesOtherCharacters()
{
    putColumn(*m_grid, 3, {QStringLiteral("+"), {}, {}, {}, {}, {}, {}, {}});
    QLineEdit* editor = GridInput::openEditorAt(*m_grid, 3, 7);
    QVERIFY(editor);
    editor->clear();
    QTest::keyClicks(editor, "1a2b3c4");
    QCOMPARE(editor->text(), QStringLiteral("1234"));
}

QTEST_MAIN(ZoneGridTest)
#include "tst_ZoneGrid.moc"
