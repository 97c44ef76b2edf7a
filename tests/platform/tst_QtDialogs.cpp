#include "EnglishSystem.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

// Answers the port chooser once it is up: types the text and accepts, or cancels.
void answerChooser(const std::optional<QString>& typed)
{
    QTimer::singleShot(0, [typed] {
        auto* chooser = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        if (typed) {
            chooser->setTextValue(*typed);
            chooser->accept();
        } else {
            chooser->reject();
        }
    });
}

// The file dialog's rows once it has read its folder: each row's name, size, type and date.
using Rows = QMap<QString, QStringList>;

void readFileDialogRows(Rows& rows, int expected)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &rows, expected] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* view = dialog ? dialog->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
        if (!view || view->model()->rowCount(view->rootIndex()) < expected)
            return;
        for (int row = 0; row < expected; ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << view->model()->index(row, column, view->rootIndex()).data().toString();
            rows.insert(cells.constFirst(), cells.mid(1));
        }
        poll->deleteLater();
        dialog->reject();
    });
    poll->start(20);
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portChooser_data();
    void portChooser();
    void fileDialogSpeaksTheDialogsLanguage();
};

void QtDialogsTest::portChooser_data()
{
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<std::optional<QString>>("port");
    QTest::newRow("typed pseudo-terminal") << std::optional<QString>("/dev/pts/7") << std::optional<QString>("/dev/pts/7");
    QTest::newRow("listed port with description")
        << std::optional<QString>("/dev/ttyUSB0 — USB Serial") << std::optional<QString>("/dev/ttyUSB0");
    QTest::newRow("nothing typed") << std::optional<QString>("  ") << std::optional<QString>();
    QTest::newRow("cancelled") << std::optional<QString>() << std::optional<QString>();
}

void QtDialogsTest::portChooser()
{
    QFETCH(std::optional<QString>, typed);
    QFETCH(std::optional<QString>, port);
    QtDialogs dialogs;
    answerChooser(typed);
    QCOMPARE(dialogs.choosePort(), port);
}

void QtDialogsTest::fileDialogSpeaksTheDialogsLanguage()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Объект 7")));
    QFile file(dir.filePath(QStringLiteral("1A2B.q22")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("ZQ.32U") + QByteArray(9419, '\0'));
    file.close();
    const QLocale pagesLocale = QLocale();

    QtDialogs dialogs;
    Rows rows;
    readFileDialogRows(rows, 2);
    QCOMPARE(dialogs.openFile({QString(), dir.path(), QString(), {QStringLiteral("Все файлы (*)")}, QString()}),
             std::nullopt);

    QCOMPARE(rows.size(), 2);
    const QStringList folder = rows.value(QStringLiteral("Объект 7"));
    const QStringList configuration = rows.value(QStringLiteral("1A2B.q22"));
    QCOMPARE(folder.value(1), QStringLiteral("Папка"));
    QCOMPARE(configuration.value(0), QStringLiteral("9,2 КБ"));
    QCOMPARE(configuration.value(1), QStringLiteral("Неизвестно"));
    // "dd.MM.yyyy HH:mm", not "11 Dec 2026 03:07:00".
    const QRegularExpression russianDate(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"));
    for (const QStringList& row : {folder, configuration})
        QVERIFY2(russianDate.match(row.value(2)).hasMatch(), qPrintable(row.value(2)));
    // The dialog's language is its own: the rest of the program keeps its locale.
    QCOMPARE(QLocale(), pagesLocale);
}

int main(int argc, char* argv[])
{
    // The dialogs speak Russian all the same.
    return runOnAnEnglishSystem<QApplication, QtDialogsTest>(argc, argv);
}
#include "tst_QtDialogs.moc"
