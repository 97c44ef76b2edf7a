// The window and its dialogs in the language this run is given (ZQ_TEST_LANGUAGE:
// ru, uk or en; ctest runs all three): every text the user reads is in that
// language, and fits where the window puts it. The panel's own data (the
// notification texts, the values) stays as the image holds it.
#include "Application.h"
#include "CompareDialog.h"
#include "CompareWindow.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "FileWindow.h"
#include "Library.h"
#include "LibraryDialog.h"
#include "LibrarySettings.h"
#include "LibrarySettingsDialog.h"
#include "GeneralPage.h"
#include "ReportContent.h"
#include "ReportDialog.h"
#include "ReportDocument.h"
#include "SampleConfigs.h"
#include "StringGrid.h"
#include "ZoneGrid.h"
#include "ZonesPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

using Language = Translations::Language;

namespace {

Language testLanguage()
{
    const QByteArray code = qgetenv("ZQ_TEST_LANGUAGE");
    if (code == "uk")
        return Language::Ukrainian;
    if (code == "en")
        return Language::English;
    return Language::Russian;
}

// A text left in Russian: in Ukrainian, a letter Ukrainian does not have; in
// English, any Cyrillic letter.
bool leftInRussian(const QString& text, Language language)
{
    for (QChar c : text) {
        if (language == Language::Ukrainian && QStringLiteral("ыэъёЫЭЪЁ").contains(c))
            return true;
        if (language == Language::English && c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    }
    return false;
}

QString pathOf(const QObject* object)
{
    QStringList names;
    for (; object; object = object->parent())
        names.prepend(object->objectName().isEmpty() ? QLatin1String(object->metaObject()->className())
                                                     : object->objectName());
    return names.join(QLatin1Char('/'));
}

// A text the user reads, where it is, and when it sits in a widget of its own
// size, the room it has there and the room it needs.
struct ShownText {
    QString where;
    QString text;
    int need = 0;   // 0: the text is laid out around it (menus, tips, titles)
    int room = 0;
};

// Every text of a widget and of the widgets in it, the data fields (line edits,
// spin boxes, the grids' text cells, the values beside captions) left out. The
// room of a text is measured only where it is in sight, laid out.
class TextWalk {
public:
    void walk(QWidget* top)
    {
        add(top, top->windowTitle());
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* widget : widgets) {
            m_measuring = widget->isVisible();
            visit(widget);
        }
    }

    void add(const QObject* where, const QString& text, int need = 0, int room = 0)
    {
        if (!text.trimmed().isEmpty())
            texts.append({pathOf(where), text, m_measuring ? need : 0, room});
    }

    QList<ShownText> texts;

private:
    bool m_measuring = true;

    void visit(QWidget* widget)
    {
        add(widget, widget->toolTip());
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const int room = label->contentsRect().width() - 2 * label->margin();
            // A field's caption shows its mnemonic underlined, not as an "&".
            QString shown = label->text();
            if (label->buddy())
                shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
            add(label, label->text(), label->wordWrap() ? 0 : metrics.horizontalAdvance(shown), room);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            add(box, box->text(), box->sizeHint().width(), box->width());
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            add(radio, radio->text(), radio->sizeHint().width(), radio->width());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            pushButton(button);
        } else if (auto* tool = qobject_cast<QToolButton*>(widget)) {
            // The buttons that show a text ("Сервис"); the others show an icon or an arrow.
            if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
                add(tool, tool->text(), tool->sizeHint().width(), tool->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            add(group, group->title(), metrics.horizontalAdvance(group->title()), group->width());
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            tabBar(tabs);
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            menuBar(bar);
        } else if (auto* grid = qobject_cast<StringGrid*>(widget)) {
            gridCaptions(grid);
        } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            treeCaptions(tree);
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            for (int row = 0; row < list->count(); ++row)
                add(list, list->item(row)->text());
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            headerCaptions(header);
        }
    }

    void pushButton(QPushButton* button)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        add(button, button->text(), button->fontMetrics().horizontalAdvance(button->text().remove(u'&')) + icon,
            room);
    }

    void tabBar(QTabBar* tabs)
    {
        const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i)) {
                add(tabs, tabs->tabText(i));
                continue;
            }
            // A tab is as wide as its text asks and lies wholly inside the bar.
            const QRect rect = tabs->tabRect(i);
            add(tabs, tabs->tabText(i), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) + space, rect.width());
            add(tabs, tabs->tabText(i), rect.right() + 1, tabs->width());
        }
    }

    // Every command of the bar in sight, none behind its "»" button, except
    // "Сервис", which its shortcuts reach wherever it is.
    void menuBar(QMenuBar* bar)
    {
        const auto* more = bar->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
        const int end = more && more->isVisible() ? more->x() : bar->width();
        for (QAction* item : bar->actions()) {
            const QRect rect = bar->actionGeometry(item);
            const bool mustShow = item->objectName() != QLatin1String("ItemService");
            add(item, item->text(), mustShow ? rect.right() + 1 : 0, end);
            if (item->menu())
                menu(item->menu());
        }
    }

    void menu(QMenu* menu)
    {
        for (QAction* item : menu->actions()) {
            // Each language is named in itself, on purpose.
            if (item->objectName().startsWith(QLatin1String("ItemLanguage_")))
                continue;
            add(item, item->text());
            if (item->menu())
                this->menu(item->menu());
        }
    }

    // The caption row and column; the other cells are data.
    void gridCaptions(StringGrid* grid)
    {
        const QFontMetrics metrics = grid->fontMetrics();
        const int padding = 2 * grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 2;
        for (int column = 0; column < grid->gridColumns(); ++column) {
            const QString text = grid->cell(column, 0);
            add(grid, text, metrics.horizontalAdvance(text) + padding, grid->columnWidth(column));
        }
        for (int row = 1; row < grid->gridRows(); ++row) {
            const QString text = grid->cell(0, row);
            add(grid, text, metrics.horizontalAdvance(text) + padding, grid->columnWidth(0));
        }
    }

    // The compare dialog's rows: a page and a caption, then two values, which are data.
    void treeCaptions(QTreeWidget* tree)
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            add(tree, tree->topLevelItem(i)->text(0));
            add(tree, tree->topLevelItem(i)->text(1));
        }
    }

    void headerCaptions(QHeaderView* header)
    {
        if (!header->model())
            return;
        for (int section = 0; section < header->count(); ++section)
            add(header, header->model()->headerData(section, header->orientation()).toString());
    }
};

// Brings a page forward, and the pages it lies on, also those whose tabs the
// window does not offer.
void bringForward(QWidget* page)
{
    for (QWidget* widget = page; widget->parentWidget(); widget = widget->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget()))
            stack->setCurrentWidget(widget);
    }
    QApplication::processEvents();
}

// The window, then every page and sub-page of it brought forward in turn.
void walkEveryPage(QWidget* window, TextWalk& walk)
{
    walk.walk(window);
    for (auto* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            bringForward(tabs->widget(i));
            walk.walk(tabs->widget(i));
        }
    }
}

} // namespace

class TranslatedWindowTest : public QObject {
    Q_OBJECT
public:
    explicit TranslatedWindowTest(Language language)
        : m_language(language)
    {
    }

private Q_SLOTS:
    void init();
    void cleanup();
    void windowSpeaksTheLanguage();
    void dialogsSpeakTheLanguage();
    void reportDocumentSpeaksTheLanguage();
    void boxesAndFileDialogsSpeakTheLanguage();
    void takingFieldsSpeaksTheLanguage();
    void everyTextFitsItsWidget();
    void tabsNameThePagesAsTheCatalogueDoes();

private:
    // The compare, report and library dialogs over the window, and the library's
    // settings: the compare one on a file away from the factory configuration in
    // a zone's type and a text, the library one showing a panel with a version read.
    QList<QWidget*> openDialogs();
    void verifyInTheLanguage(const QList<ShownText>& texts);

    Language m_language;
    std::unique_ptr<CompareWindow> m_shell;
};

void TranslatedWindowTest::init()
{
    m_shell = std::make_unique<CompareWindow>();
}

void TranslatedWindowTest::cleanup()
{
    m_shell.reset();
}

void TranslatedWindowTest::verifyInTheLanguage(const QList<ShownText>& texts)
{
    QVERIFY(!texts.isEmpty());
    QStringList russian;
    for (const ShownText& shown : texts) {
        if (leftInRussian(shown.text, m_language))
            russian << shown.where + QStringLiteral(": ") + shown.text;
    }
    QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QLatin1Char('\n'))));
}

QList<QWidget*> TranslatedWindowTest::openDialogs()
{
    const ConfigImage other = withValues(factoryImage(), {{QStringLiteral("zones[Z3].type"), QJsonArray{"Включен", "Периметр"}},
                                                          {QStringLiteral("texts.alarm[1]"), QStringLiteral("Тревога")},
                                                          {QStringLiteral("channels[1].kind"), 0}});
    m_shell->dialogs.answerOpen(m_shell->writeConfigFile(QStringLiteral("EC22.q22"), other));
    m_shell->item(QStringLiteral("ItemCompare"))->trigger();
    m_shell->item(QStringLiteral("ItemReport"))->trigger();
    const QString library = m_shell->path(QStringLiteral("library.sqlite"));
    m_shell->preferences.setValue(LibrarySettings::UrlKey, library);
    (*Library::open(*LibraryUrl::parse(library)))
        ->addVersions({{factoryImage(), {Operation::Read, QStringLiteral("USB /dev/ttyUSB0"), QStringLiteral("ivan"),
                                          QStringLiteral("pc"), QString(), QDateTime::currentDateTimeUtc()}}});
    m_shell->item(QStringLiteral("ItemLibrary"))->trigger();
    m_shell->window.libraryDialog()->choosePanel(QStringLiteral("EC22"));
    (new LibrarySettingsDialog(m_shell->preferences, m_shell->dialogs, m_shell->window.libraryDialog()))->show();
    QList<QWidget*> dialogs;
    for (QDialog* dialog : m_shell->window.findChildren<QDialog*>()) {
        if (dialog->isVisible())
            dialogs << dialog;
    }
    return dialogs;
}

void TranslatedWindowTest::windowSpeaksTheLanguage()
{
    TextWalk walk;
    walkEveryPage(&m_shell->window, walk);
    verifyInTheLanguage(walk.texts);
}

void TranslatedWindowTest::dialogsSpeakTheLanguage()
{
    const QList<QWidget*> dialogs = openDialogs();
    QCOMPARE(dialogs.size(), 4);
    TextWalk walk;
    for (QWidget* dialog : dialogs)
        walk.walk(dialog);
    // The operations of the library's history are the program's words, not data.
    const QAbstractItemModel* history =
        m_shell->window.findChild<QTableView*>(QStringLiteral("LibraryHistory"))->model();
    QCOMPARE(history->rowCount(), 1);
    walk.add(history, history->index(0, 1).data().toString());
    verifyInTheLanguage(walk.texts);
}

void TranslatedWindowTest::reportDocumentSpeaksTheLanguage()
{
    // A site's configuration, which fills every table, with each of the report's options.
    const ConfigImage site = SampleConfigs::siteWithSixZones();
    m_shell->dialogs.answerOpen(m_shell->writeConfigFile(QStringLiteral("EC22.q22"), site));
    m_shell->item(QStringLiteral("ItemLoad"))->trigger();
    // And a zone outside every group, so that the report names a check the pages fail.
    m_shell->window.zonesPage().gridZone().setCell(7, ZoneGrid::RowOn, StringGrid::Mark);
    m_shell->item(QStringLiteral("ItemReport"))->trigger();
    auto* dialog = m_shell->window.findChild<ReportDialog*>();
    QVERIFY(dialog);
    QVERIFY(!dialog->content().failedChecks.isEmpty());
    TextWalk dialogWalk;
    dialogWalk.walk(dialog);
    verifyInTheLanguage(dialogWalk.texts);
    // The panel's own texts are its data, and stay as it holds them; the
    // factory ones too, which the differences show beside the site's.
    QStringList data;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind == FieldKind::TextSlot || field.kind == FieldKind::Chars)
            data << FieldCatalogue::displayValue(field, site) << FieldCatalogue::displayValue(field, factoryImage());
    }
    data.removeAll(QString());
    const auto isData = [&data](const QString& text) { return data.contains(text.trimmed()); };

    for (const char* option : {"", "Detailed", "ShowPasswords", "OnlyNonFactory"}) {
        if (*option)
            dialog->findChild<QCheckBox*>(QLatin1String(option))->setChecked(true);
        const ReportContent& content = dialog->content();
        QVERIFY(!content.tables.isEmpty());
        TextWalk walk;
        for (const ReportContent::Table& table : content.tables) {
            walk.add(dialog, table.heading);
            for (const QString& column : table.columns)
                walk.add(dialog, column);
            for (const ReportContent::Row& row : table.rows) {
                for (const QString& cell : row.cells) {
                    if (!isData(cell))
                        walk.add(dialog, cell);
                }
            }
        }
        QString document = ReportDocument(content).document().toPlainText();
        for (const QString& text : std::as_const(data))
            document.remove(text);
        walk.add(dialog, document);
        verifyInTheLanguage(walk.texts);
    }
}

void TranslatedWindowTest::boxesAndFileDialogsSpeakTheLanguage()
{
    ScriptedDialogs& dialogs = m_shell->dialogs;
    dialogs.answerSave(std::nullopt);
    m_shell->item(QStringLiteral("ItemSave"))->trigger();
    dialogs.answerOpen(std::nullopt);
    m_shell->item(QStringLiteral("ItemLoad"))->trigger();
    dialogs.answerOpen(std::nullopt);
    m_shell->item(QStringLiteral("ItemCompare"))->trigger();
    dialogs.answerOpen(std::nullopt);
    m_shell->item(QStringLiteral("ItemApplyTemplate"))->trigger();
    dialogs.answer(Dialogs::Answer::No);
    m_shell->window.close();

    TextWalk walk;
    for (const Dialogs::FileRequest& request : dialogs.saveRequests() + dialogs.openRequests()) {
        walk.add(nullptr, request.title);
        for (const QString& filter : request.filters)
            walk.add(nullptr, filter);
    }
    QCOMPARE(dialogs.last().caption, QCoreApplication::translate("MainWindow", "Завершение работы"));
    for (const Dialogs::Message& box : dialogs.shown()) {
        walk.add(nullptr, box.text);
        walk.add(nullptr, box.caption);
    }
    verifyInTheLanguage(walk.texts);
}

void TranslatedWindowTest::takingFieldsSpeaksTheLanguage()
{
    // Pages ready to write, and a template that would break a user's tie and
    // carry the first group's exit delay into Z1.
    const ConfigImage pages = SampleConfigs::readyToWrite();
    m_shell->dialogs.answerOpen(m_shell->writeConfigFile(QStringLiteral("pages.q22"), pages));
    m_shell->item(QStringLiteral("ItemLoad"))->trigger();
    const QString standard = m_shell->writeConfigFile(
        QStringLiteral("standard.q22"),
        withValues(pages, {{QStringLiteral("groups[1].exit_delay_s"), 45}, {QStringLiteral("users[5].number"), 9}}));
    CompareDialog* dialog = m_shell->applyTemplate(standard);
    QVERIFY(dialog);
    auto* take = dialog->findChild<QPushButton*>(QStringLiteral("TakeChecked"));
    take->click();   // refused: the tie
    CompareWindow::row(dialog, QStringLiteral("users[5].number"))->setCheckState(0, Qt::Unchecked);
    take->click();   // taken, Z1 carried along
    QVERIFY(!dialog->findChild<QLabel*>(QStringLiteral("TakeResult"))->text().isEmpty());
    m_shell->window.generalPage().delaySiren()->setValue(90);
    m_shell->dialogs.answer(Dialogs::Answer::No);
    dialog->findChild<QPushButton*>(QStringLiteral("UndoTake"))->click();   // asks first: the pages were edited

    TextWalk walk;
    walk.walk(dialog);
    const QList<Dialogs::Message> boxes = m_shell->dialogs.shown();
    QCOMPARE(boxes.size(), 2);
    for (const Dialogs::Message& box : boxes) {
        walk.add(nullptr, box.text);
        walk.add(nullptr, box.caption);
    }
    verifyInTheLanguage(walk.texts);
}

void TranslatedWindowTest::everyTextFitsItsWidget()
{
    TextWalk walk;
    walkEveryPage(&m_shell->window, walk);
    for (QWidget* dialog : openDialogs())
        walk.walk(dialog);
    QStringList cut;
    for (const ShownText& shown : walk.texts) {
        if (shown.need > shown.room)
            cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(shown.where, shown.text).arg(shown.need).arg(shown.room);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    // The window keeps its size whatever its texts.
    QCOMPARE(m_shell->window.size(), QSize(582, 573));
}

void TranslatedWindowTest::tabsNameThePagesAsTheCatalogueDoes()
{
    // A row of the compare dialog brings its page forward by the page's caption.
    auto* pages = m_shell->window.findChild<QTabWidget*>(QStringLiteral("PageConfig"));
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    QCOMPARE(captions, FieldCatalogue::pages());
}

int main(int argc, char* argv[])
{
    // The program's own application object: its compact font is the one the texts must fit in.
    Application app(argc, argv);
    // Before the first text: the catalogue keeps the captions of the language it first met.
    const Language language = testLanguage();
    app.setLanguage(language);
    TranslatedWindowTest test(language);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TranslatedWindow.moc"
