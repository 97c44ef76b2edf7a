// A configuration file opened as a desktop program opens one: named on the
// command line or dropped on the window, loaded as "Загрузить" loads it.
#include "ConfigFile.h"
#include "FactoryImage.h"
#include "FileWindow.h"
#include "GeneralPage.h"
#include "TestFiles.h"

#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

namespace {

const QString FatalError = QStringLiteral("Возникла фатальная ошибка. Часть данных не загружена.");

// A configuration the window can write, away from the factory one.
ConfigImage sample()
{
    return withValues(factoryImage(), {{QStringLiteral("channels[1].account"), QStringLiteral("AB12")},
                                       {QStringLiteral("general.siren_time_s"), 60},
                                       {QStringLiteral("texts.alarm[1]"), QStringLiteral("Тревога на складе")}});
}

// A window not yet shown, so that it can be given files to open at start.
struct Unshown : TestPlatform {
    QTemporaryDir dir;
    MainWindow window{platform()};

    QString path(const QString& name) const { return dir.filePath(name); }
    void start(const QStringList& files)
    {
        window.setStartFiles(files);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }
    ConfigImage pagesImage() { return FileWindow::pagesImageOf(window); }
};

// Sends a drag of the files over the window and, when it is taken, the drop.
bool drop(MainWindow& window, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &dropped);
    QCoreApplication::processEvents();
    return true;
}

bool drop(MainWindow& window, const QString& path)
{
    return drop(window, QStringList{path});
}

} // namespace

class OpenFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileNamedAtStartIsLoaded();
    void badStartFileLeavesTheFactoryConfiguration_data();
    void badStartFileLeavesTheFactoryConfiguration();
    void unreadStartFileSaysWhyAndThatNothingLoaded_data();
    void unreadStartFileSaysWhyAndThatNothingLoaded();
    void droppedFileIsLoaded();
    void dropsThatAreRefused_data();
    void dropsThatAreRefused();
    void dropsRefusedWithAReason_data();
    void dropsRefusedWithAReason();
    void droppedFileThatFailsLeavesThePages();
};

void OpenFilesTest::fileNamedAtStartIsLoaded()
{
    Unshown shell;
    QVERIFY(!ConfigFile::write(shell.path("AB12.q22"), sample()));
    shell.start({shell.path("AB12.q22")});
    QVERIFY(shell.dialogs.shown().isEmpty());
    QCOMPARE(shell.window.generalPage().editAccount()->text(), QStringLiteral("AB12"));
    QVERIFY(shell.pagesImage() == sample());
}

void OpenFilesTest::badStartFileLeavesTheFactoryConfiguration_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");   // what the one box shown says
    QTest::newRow("cut short") << QStringList{"short.q22"} << FatalError;
    QTest::newRow("missing") << QStringList{"absent.q22"} << FatalError;
    QTest::newRow("not a configuration file") << QStringList{"notes.txt"}
                                              << QStringLiteral("не является файлом конфигурации");
    QTest::newRow("two files") << QStringList{"short.q22", "notes.txt"}
                               << QStringLiteral("Укажите один файл конфигурации");
}

void OpenFilesTest::badStartFileLeavesTheFactoryConfiguration()
{
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    Unshown shell;
    QVERIFY(writeFile(shell.path("short.q22"), QByteArray("ZQ.32U") + sample().bytes().left(300)));
    QVERIFY(writeFile(shell.path("notes.txt"), QByteArray("ZQ.32U") + sample().bytes()));
    QStringList files;
    for (const QString& name : names)
        files << shell.path(name);
    shell.start(files);
    QCOMPARE(shell.dialogs.shown().size(), 1);
    QVERIFY2(shell.dialogs.last().text.contains(message), qPrintable(shell.dialogs.last().text));
    QVERIFY(shell.pagesImage() == factoryImage());
}

void OpenFilesTest::unreadStartFileSaysWhyAndThatNothingLoaded_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << "absent.q22" << "нет такого файла";
    QTest::newRow("folder") << "folder.q22" << "не является обычным файлом";
    QTest::newRow("empty") << "empty.q22" << "файл пуст";
}

void OpenFilesTest::unreadStartFileSaysWhyAndThatNothingLoaded()
{
    QFETCH(QString, name);
    QFETCH(QString, cause);
    Unshown shell;
    QVERIFY(QDir(shell.dir.path()).mkdir(QStringLiteral("folder.q22")));
    QVERIFY(writeFile(shell.path("empty.q22"), QByteArray()));

    shell.start({shell.path(name)});
    QCOMPARE(shell.dialogs.texts(),
             QStringList{FatalError + QStringLiteral("\n%1: %2\nНичего не загружено: на страницах заводские установки.")
                                          .arg(shell.path(name), cause)});
    QCOMPARE(shell.dialogs.last().caption, QStringLiteral("Загрузка конфигурации"));
    QVERIFY(shell.pagesImage() == factoryImage());
}

void OpenFilesTest::droppedFileIsLoaded()
{
    FileWindow shell;
    QVERIFY(drop(shell.window, shell.writeConfigFile(QStringLiteral("AB12.q22"), sample())));
    QVERIFY(shell.dialogs.shown().isEmpty());
    QVERIFY(shell.pagesImage() == sample());
}

void OpenFilesTest::dropsThatAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("transferRunning");
    QTest::newRow("not a .q22 file") << "AB12.txt" << false;
    QTest::newRow("while a transfer runs") << "AB12.q22" << true;
}

void OpenFilesTest::dropsThatAreRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, transferRunning);
    FileWindow shell;
    QVERIFY(writeFile(shell.path(name), QByteArray("ZQ.32U") + sample().bytes()));
    if (transferRunning)
        shell.window.DisableAll();
    QVERIFY(!drop(shell.window, shell.path(name)));
    QVERIFY(shell.pagesImage() == factoryImage());
}

// Taken, so that the installer is told why nothing was loaded.
void OpenFilesTest::dropsRefusedWithAReason_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");
    QTest::newRow("two files") << QStringList{"AB12.q22", "EC22.q22"}
                               << "Укажите один файл конфигурации, а не 2.";
    QTest::newRow("a JSON file") << QStringList{"AB12.json"}
                                 << "Файл %1 не является файлом конфигурации (*.q22). Конфигурация не загружена.";
}

void OpenFilesTest::dropsRefusedWithAReason()
{
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    FileWindow shell;
    QStringList paths;
    for (const QString& name : names)
        paths << (name.endsWith(QStringLiteral(".json")) ? shell.writeJsonFile(name, sample())
                                                         : shell.writeConfigFile(name, sample()));

    QVERIFY(drop(shell.window, paths));
    QCOMPARE(shell.dialogs.texts(), QStringList{message.arg(paths.constFirst())});
    QCOMPARE(shell.dialogs.last().caption, QStringLiteral("Загрузка конфигурации"));
    QVERIFY(shell.pagesImage() == factoryImage());
}

void OpenFilesTest::droppedFileThatFailsLeavesThePages()
{
    FileWindow shell;
    shell.window.generalPage().delaySiren()->setValue(45);
    const ConfigImage before = shell.pagesImage();
    QVERIFY(writeFile(shell.path("short.q22"), QByteArray("ZQ.32U") + sample().bytes().left(300)));
    QVERIFY(drop(shell.window, shell.path("short.q22")));
    QCOMPARE(shell.dialogs.texts(),
             QStringList{FatalError + QStringLiteral("\n%1: в файле 306 байт, а в файле конфигурации их 9425")
                                          .arg(shell.path("short.q22"))});
    QVERIFY(shell.pagesImage() == before);
}

QTEST_MAIN(OpenFilesTest)
#include "tst_OpenFiles.moc"
