#include "GridInput.h"
#include "StringGrid.h"
#include "TextsPage.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using GridInput::openEditorAt;

class TextsPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void gridsSizesAndPages_data();
    void gridsSizesAndPages();
    void factoryTexts_data();
    void factoryTexts();
    void typingStopsAtThirtyCharacters_data();
    void typingStopsAtThirtyCharacters();
    void overLongTextStartsShortened_data();
    void overLongTextStartsShortened();

private:
    StringGrid& grid(const QString& name) { return *m_page->findChild<StringGrid*>(name); }
    TextsPage* m_page = nullptr;
};

void TextsPageTest::init()
{
    m_page = new TextsPage;
    m_page->resize(580, 470);
    m_page->putFactoryTexts();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TextsPageTest::cleanup()
{
    delete m_page;
}

void TextsPageTest::gridsSizesAndPages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("widths");

    QTest::newRow("system") << "SysMesGrid" << 0 << 12 << QList<int>{160, 404};
    QTest::newRow("alarm") << "AlarmMesGrid" << 0 << 17 << QList<int>{160, 385};
    QTest::newRow("arming") << "ArmMesGrid" << 1 << 33 << QList<int>{162, 194, 188};
    QTest::newRow("group names") << "GrNameGrid" << 2 << 9 << QList<int>{160, 404};
    QTest::newRow("states") << "StatusGrid" << 2 << 5 << QList<int>{190, 373};
}

void TextsPageTest::gridsSizesAndPages()
{
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(int, rows);
    QFETCH(QList<int>, widths);

    StringGrid& g = grid(name);
    QCOMPARE(g.gridRows(), rows);
    QCOMPARE(g.gridColumns(), widths.size());
    for (int column = 0; column < widths.size(); ++column)
        QCOMPARE(g.columnWidth(column), widths.at(column));
    QTabWidget& pages = m_page->mesPageControl();
    QVERIFY(pages.widget(page)->isAncestorOf(&g));
    QCOMPARE(pages.count(), 3);
    QCOMPARE(pages.tabText(1), QStringLiteral("Постановка/Снятие"));
}

void TextsPageTest::factoryTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    QTest::newRow("system caption") << "SysMesGrid" << 1 << 0 << "                Текст извещения";
    QTest::newRow("system label of row 7 is empty") << "SysMesGrid" << 0 << 7 << "";
    QTest::newRow("system text of row 7") << "SysMesGrid" << 1 << 7 << "Восст. ШС ТМР";
    QTest::newRow("system text of row 11") << "SysMesGrid" << 1 << 11 << "Связь с клав. восст.";
    QTest::newRow("alarm label") << "AlarmMesGrid" << 0 << 8 << "Тревога шлейф 8";
    QTest::newRow("restore text") << "AlarmMesGrid" << 1 << 9 << "Восст. ШС 1";
    QTest::newRow("arming caption") << "ArmMesGrid" << 0 << 0 << "Пользователь №";
    QTest::newRow("arming label") << "ArmMesGrid" << 0 << 32 << "      №32";
    QTest::newRow("arming text") << "ArmMesGrid" << 1 << 12 << "Пост. ключ/пользователь 12";
    QTest::newRow("disarming text") << "ArmMesGrid" << 2 << 1 << "Снят ключ/пользователь 1";
    QTest::newRow("group label") << "GrNameGrid" << 0 << 3 << "   № 3";
    QTest::newRow("group name keeps its space") << "GrNameGrid" << 1 << 8 << "ППК ";
    QTest::newRow("state label") << "StatusGrid" << 0 << 4 << "Без охраны, тревога ";
    QTest::newRow("state text") << "StatusGrid" << 1 << 2 << "Охр., тревога";
}

void TextsPageTest::factoryTexts()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(grid(name).cell(column, row), text);
}

void TextsPageTest::typingStopsAtThirtyCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::newRow("system") << "SysMesGrid" << 1;
    QTest::newRow("alarm") << "AlarmMesGrid" << 1;
    QTest::newRow("disarming") << "ArmMesGrid" << 2;
    QTest::newRow("group name") << "GrNameGrid" << 1;
    QTest::newRow("state") << "StatusGrid" << 1;
}

void TextsPageTest::typingStopsAtThirtyCharacters()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    StringGrid& g = grid(name);
    m_page->mesPageControl().setCurrentWidget(g.parentWidget());
    const QString thirty(30, u'a');
    g.setCell(column, 2, thirty);

    QLineEdit* editor = openEditorAt(g, column, 2);
    QVERIFY(editor);
    editor->end(false);
    QTest::keyClicks(editor, "xyz");
    QCOMPARE(editor->text(), thirty);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(g.cell(column, 2), QString(29, u'a'));
}

void TextsPageTest::overLongTextStartsShortened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("offered");
    QTest::newRow("name of 31") << "GrNameGrid" << 31 << 29;
    QTest::newRow("name of 30") << "GrNameGrid" << 30 << 30;
    QTest::newRow("state of 40") << "StatusGrid" << 40 << 29;
    QTest::newRow("state of 12") << "StatusGrid" << 12 << 12;
}

void TextsPageTest::overLongTextStartsShortened()
{
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(int, offered);
    StringGrid& g = grid(name);
    m_page->mesPageControl().setCurrentWidget(g.parentWidget());
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(u'a' + i % 26));
    g.setCell(1, 1, text);
    QLineEdit* editor = openEditorAt(g, 1, 1);
    QVERIFY(editor);
    QCOMPARE(editor->text(), text.left(offered));
}

QTEST_MAIN(TextsPageTest)
#include "tst_TextsPage.moc"
