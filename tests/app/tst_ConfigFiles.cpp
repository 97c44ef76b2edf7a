#include "TestFiles.h"
#include "PrivateMount.h"
#include "NonRegularFiles.h"
#include "ConfigFile.h"
#include "ConfigFiles.h"
#include "ConfigImage.h"
#include "FixedSettingsStore.h"
#include "QtSettingsStore.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

ConfigImage sampleImage()
{
    ConfigImage image;
    for (int p = 1; p <= ConfigImage::Size; ++p)
        image.setByteAt(p, static_cast<std::uint8_t>(p * 31 + 7));
    return image;
}

// The files commands with a scripted user and a record of what the pages saw.
struct Fixture {
    QTemporaryDir dir;
    ConfigImage image;
    ScriptedDialogs dialogs;
    FixedSettingsStore settings;
    ConfigFiles files{image, dialogs, settings};
    int restored = 0;
    bool verSimReadOnly = false;
    ConfigImage imageAtRestore;

    QString path(const QString& name) const { return dir.filePath(name); }
    void load(const QString& path)
    {
        dialogs.answerOpen(path);
        files.ItemLoadClick({[this] { verSimReadOnly = true; },
                             [this] {
                                 ++restored;
                                 imageAtRestore = image;
                             }});
    }
};

// A writer on the far side of a named pipe: it waits for a reader and then
// offers a whole, valid configuration. A load that opens the pipe would take it.
class PipeWriter {
public:
    explicit PipeWriter(const QString& path)
        : m_path(QFile::encodeName(path))
        , m_thread([this] {
            const int fd = ::open(m_path.constData(), O_WRONLY);
            if (fd < 0)
                return;
            const QByteArray file = ConfigFile::Signature + sampleImage().bytes();
            [[maybe_unused]] const auto written = ::write(fd, file.constData(), static_cast<size_t>(file.size()));
            ::close(fd);
        })
    {
    }
    // A reader that never blocks lets a writer still waiting for one go.
    ~PipeWriter()
    {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
        m_thread.join();
        if (fd >= 0)
            ::close(fd);
    }

private:
    QByteArray m_path;
    std::thread m_thread;
};

// Whether a file dialog's filter entry, "Caption (pattern pattern)", shows a file of that name.
bool entryShows(const QString& entry, const QString& name)
{
    const QString patterns = entry.section(u'(', -1).chopped(1);
    for (const QString& pattern : patterns.split(u' ', Qt::SkipEmptyParts)) {
        if (QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive).match(name).hasMatch())
            return true;
    }
    return false;
}

const QString FatalError = QStringLiteral("Возникла фатальная ошибка. Часть данных не загружена.");
const QString SaveFailed = QStringLiteral("Не удалось сохранить конфигурацию в файл %1.\n%2");
const QString FormatQuestion = QStringLiteral("Формат файла не соответствует типу устройства! Загрузить файл конфигурации?");

} // namespace

class ConfigFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedFileIsSignatureAndImage();
    void saveDialogProposesTheIdentifierInThePresetFolder();
    void cancelledSaveWritesNothing();
    void fileDialogsShowTheProgramsOwnFiles_data();
    void fileDialogsShowTheProgramsOwnFiles();
    void failedSaveKeepsThePreviousFile();
    void saveIntoAMissingFolderSaysWhy();
    void saveNeverReplacesANonRegularFile_data();
    void saveNeverReplacesANonRegularFile();
    void saveThroughALinkKeepsTheLink();
    void saveOntoAReadOnlyFileSystemNamesIt();
    void loadRestoresWhatWasSaved();
    void loadDecisions_data();
    void loadDecisions();
    void shortFileIsAFatalErrorAndKeepsWhatWasRead();
    void fatalErrorNamesTheFileAndTheCause_data();
    void fatalErrorNamesTheFileAndTheCause();
    void namedPipeIsRefusedUnopened();
    void errorWhileRestoringIsAFatalError();
    void cancelledLoadChangesNothing();
    void presetFolderFromTheSystemSettings();
};

void ConfigFilesTest::savedFileIsSignatureAndImage()
{
    Fixture f;
    f.image = sampleImage();
    f.dialogs.answerSave(f.path("EC22.q22"));
    QVERIFY(f.files.saveImage(QStringLiteral("EC22")));
    const QByteArray bytes = readFile(f.path("EC22.q22"));
    QCOMPARE(bytes.size(), 9425);
    QCOMPARE(bytes.left(6), QByteArray::fromHex("5A512E333255"));
    QCOMPARE(bytes.mid(6), f.image.bytes());
    QVERIFY(f.dialogs.shown().isEmpty());
}

void ConfigFilesTest::saveDialogProposesTheIdentifierInThePresetFolder()
{
    Fixture f;
    f.settings.set(ConfigFiles::SettingsKey, ConfigFiles::FolderValue, f.dir.path());
    f.files.readPresetFolder();
    f.files.saveImage(QStringLiteral("EC22"));
    QCOMPARE(f.dialogs.saveRequests().size(), 1);
    const Dialogs::FileRequest& asked = f.dialogs.saveRequests().constFirst();
    QCOMPARE(asked.title, QStringLiteral("Сохранение конфигурации"));
    QCOMPARE(asked.fileName, QStringLiteral("EC22"));
    QCOMPARE(asked.folder, f.dir.path());
    QCOMPARE(asked.defaultSuffix, QStringLiteral("q22"));
    QCOMPARE(asked.filters.constFirst(), QStringLiteral("Конфигурации Зорвел Lite (*.q22)"));
}

void ConfigFilesTest::fileDialogsShowTheProgramsOwnFiles_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("shownFirst");   // names the first entry, selected at opening, shows
    const QStringList saved = {"1A2B.q22", "EC22.q22", "objekt 7.q22"};
    QTest::newRow("Сохранить") << "save" << saved;
    QTest::newRow("Загрузить") << "load" << saved;
    QTest::newRow("Сравнить с файлом") << "compare" << saved + QStringList{"EC22.json"};
}

void ConfigFilesTest::fileDialogsShowTheProgramsOwnFiles()
{
    QFETCH(QString, dialog);
    QFETCH(QStringList, shownFirst);
    Fixture f;
    if (dialog == "save") {
        f.files.saveImage(QStringLiteral("1A2B"));
    } else if (dialog == "load") {
        f.dialogs.answerOpen(std::nullopt);
        f.files.ItemLoadClick({[] {}, [] {}});
    } else {
        f.files.chooseFileToCompare();
    }
    const QList<Dialogs::FileRequest>& requests = dialog == "save" ? f.dialogs.saveRequests() : f.dialogs.openRequests();
    QCOMPARE(requests.size(), 1);
    const QStringList filters = requests.constFirst().filters;
    QVERIFY2(filters.constFirst().startsWith(QStringLiteral("Конфигурации Зорвел Lite (")), qPrintable(filters.constFirst()));
    for (const QString& name : shownFirst)
        QVERIFY2(entryShows(filters.constFirst(), name), qPrintable(name));
    QVERIFY(!entryShows(filters.constFirst(), QStringLiteral("report.pdf")));
    // The last entry shows every file, a name without an extension too.
    QVERIFY(filters.constLast().startsWith(QStringLiteral("Все файлы (")));
    for (const QString& name : {QStringLiteral("EC22"), QStringLiteral("backup.bin"), QStringLiteral("1A2B.q22")})
        QVERIFY2(entryShows(filters.constLast(), name), qPrintable(name));
}

void ConfigFilesTest::cancelledSaveWritesNothing()
{
    Fixture f;
    f.dialogs.answerSave(std::nullopt);
    QVERIFY(!f.files.saveImage(QStringLiteral("EC22")));
    QVERIFY(QDir(f.dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(f.dialogs.shown().isEmpty());
}

void ConfigFilesTest::failedSaveKeepsThePreviousFile()
{
    Fixture f;
    const QString target = f.path("EC22.q22");
    QVERIFY(writeFile(target, "previous configuration"));
    f.image = sampleImage();
    f.dialogs.answerSave(target);

    // A file-size limit makes the disk refuse the new file half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = f.files.saveImage(QStringLiteral("EC22"));
    setrlimit(RLIMIT_FSIZE, &saved);

    QVERIFY(!written);
    QCOMPARE(readFile(target), QByteArray("previous configuration"));
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.dialogs.last().caption, QStringLiteral("Сохранение конфигурации"));
    QCOMPARE(f.dialogs.last().icon, Dialogs::Icon::Stop);
    QVERIFY(f.dialogs.last().text.contains(target));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("EC22.q22")});
}

void ConfigFilesTest::saveIntoAMissingFolderSaysWhy()
{
    Fixture f;
    f.dialogs.answerSave(f.path("missing/EC22.q22"));
    QVERIFY(!f.files.saveImage(QStringLiteral("EC22")));
    QCOMPARE(f.dialogs.shown().size(), 1);
    QVERIFY(f.dialogs.last().text.startsWith(QStringLiteral("Не удалось сохранить конфигурацию")));
    QCOMPARE(f.dialogs.last().text,
             SaveFailed.arg(f.path("missing/EC22.q22"), QStringLiteral("нет папки ") + f.path("missing")));
}

void ConfigFilesTest::saveNeverReplacesANonRegularFile_data()
{
    QTest::addColumn<NonRegularFile>("kind");
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<QString>("kindName");
    QTest::newRow("named pipe") << NonRegularFile::NamedPipe << false << "named pipe";
    QTest::newRow("character device") << NonRegularFile::CharacterDevice << false << "character device";
    QTest::newRow("socket") << NonRegularFile::Socket << false << "socket";
    QTest::newRow("link to a named pipe") << NonRegularFile::NamedPipe << true << "named pipe";
}

void ConfigFilesTest::saveNeverReplacesANonRegularFile()
{
    QFETCH(NonRegularFile, kind);
    QFETCH(bool, throughLink);
    QFETCH(QString, kindName);

    Fixture f;
    const QString chosen = nonRegularTarget(f.dir.path(), kind, throughLink);
    if (chosen.isEmpty())
        QSKIP("this user may not make it here");
    f.image = sampleImage();
    f.dialogs.answerSave(chosen);

    QVERIFY(!f.files.saveImage(QStringLiteral("EC22")));
    QCOMPARE(f.dialogs.texts(), QStringList{SaveFailed.arg(chosen, QStringLiteral("не является обычным файлом"))});
    QCOMPARE(f.dialogs.last().caption, QStringLiteral("Сохранение конфигурации"));
    QCOMPARE(kindOf(f.path("odd")), kindName);
    QCOMPARE(kindOf(chosen), throughLink ? QStringLiteral("symbolic link") : kindName);
}

void ConfigFilesTest::saveThroughALinkKeepsTheLink()
{
    Fixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("kept")));
    QVERIFY(writeFile(f.path("kept/EC22.q22"), "previous configuration"));
    QVERIFY(QFile::link(f.path("kept/EC22.q22"), f.path("EC22.q22")));
    f.image = sampleImage();
    f.dialogs.answerSave(f.path("EC22.q22"));

    QVERIFY(f.files.saveImage(QStringLiteral("EC22")));
    QCOMPARE(kindOf(f.path("EC22.q22")), QStringLiteral("symbolic link"));
    QCOMPARE(readFile(f.path("kept/EC22.q22")), ConfigFile::bytesOf(f.image));
    QVERIFY(f.dialogs.shown().isEmpty());
}

void ConfigFilesTest::saveOntoAReadOnlyFileSystemNamesIt()
{
    Fixture f;
    PrivateMount mount(f.dir.path());
    if (!mount.isMounted())
        QSKIP("needs the right to mount a file system");
    const QString target = f.path("EC22.q22");
    QVERIFY(writeFile(target, "previous configuration"));
    QVERIFY(mount.makeReadOnly());
    f.image = sampleImage();
    f.dialogs.answerSave(target);

    QVERIFY(!f.files.saveImage(QStringLiteral("EC22")));
    QCOMPARE(f.dialogs.texts(),
             QStringList{SaveFailed.arg(target, QStringLiteral("файловая система %1 доступна только для чтения")
                                                    .arg(f.dir.path()))});
    QCOMPARE(readFile(target), QByteArray("previous configuration"));
}

void ConfigFilesTest::loadRestoresWhatWasSaved()
{
    Fixture f;
    f.image = sampleImage();
    const ConfigImage saved = f.image;
    f.dialogs.answerSave(f.path("EC22.q22"));
    QVERIFY(f.files.saveImage(QStringLiteral("EC22")));
    f.image.clear();
    f.load(f.path("EC22.q22"));
    QCOMPARE(f.restored, 1);
    QVERIFY(f.imageAtRestore == saved);
    QVERIFY(f.verSimReadOnly);
    QVERIFY(f.dialogs.shown().isEmpty());
}

void ConfigFilesTest::loadDecisions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<QList<Dialogs::Answer>>("answers");
    QTest::addColumn<QString>("shown");   // the one box shown, or empty
    QTest::addColumn<bool>("loaded");

    const QList<Dialogs::Answer> none;
    const QString warnNotConfig = QStringLiteral("не является файлом конфигурации");
    QTest::newRow("matching signature") << "EC22.q22" << QByteArray("ZQ.32U") << none << QString() << true;
    QTest::newRow("bytes 3 and 4 not compared") << "EC22.q22" << QByteArray("ZQxy2U") << none << QString() << true;
    QTest::newRow("foreign signature, Yes") << "EC22.q22" << QByteArray("AB.32U") << QList{Dialogs::Answer::Yes}
                                            << FormatQuestion << true;
    QTest::newRow("foreign signature, No") << "EC22.q22" << QByteArray("ZQ.31U") << QList{Dialogs::Answer::No}
                                           << FormatQuestion << false;
    QTest::newRow("upper-case extension") << "EC22.Q22" << QByteArray("ZQ.32U") << none << QString() << true;
    QTest::newRow("not a configuration file") << "backup.bin" << QByteArray("ZQ.32U") << none << warnNotConfig << false;
    QTest::newRow("folder named .q22") << "old.q22/backup.bin" << QByteArray("ZQ.32U") << none << QString() << true;
}

void ConfigFilesTest::loadDecisions()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, signature);
    QFETCH(QList<Dialogs::Answer>, answers);
    QFETCH(QString, shown);
    QFETCH(bool, loaded);

    Fixture f;
    QDir(f.dir.path()).mkpath(QFileInfo(f.path(name)).path());
    const ConfigImage sample = sampleImage();
    QVERIFY(writeFile(f.path(name), signature + sample.bytes()));
    for (Dialogs::Answer answer : answers)
        f.dialogs.answer(answer);
    f.image.setByteAt(1, 0xEE);

    f.load(f.path(name));

    QCOMPARE(f.restored, loaded ? 1 : 0);
    if (loaded)
        QVERIFY(f.image == sample);
    else
        QCOMPARE(f.image.bytes(), QByteArray(9419, '\0'));
    if (shown.isEmpty()) {
        QVERIFY(f.dialogs.shown().isEmpty());
    } else {
        QCOMPARE(f.dialogs.shown().size(), 1);
        QVERIFY(f.dialogs.last().text.contains(shown));
        QCOMPARE(f.dialogs.last().caption, QStringLiteral("Загрузка конфигурации"));
    }
}

void ConfigFilesTest::shortFileIsAFatalErrorAndKeepsWhatWasRead()
{
    Fixture f;
    QVERIFY(writeFile(f.path("short.q22"), QByteArray("ZQ.32U") + QByteArray(94, '\x07')));
    f.load(f.path("short.q22"));
    QCOMPARE(f.restored, 0);
    QCOMPARE(f.dialogs.texts(), QStringList{FatalError + QStringLiteral("\n%1: в файле 100 байт, а в файле конфигурации их 9425")
                                                             .arg(f.path("short.q22"))});
    QCOMPARE(f.dialogs.last().icon, Dialogs::Icon::Stop);
    QCOMPARE(f.image.bytes(), QByteArray(94, '\x07') + QByteArray(9419 - 94, '\0'));
}

void ConfigFilesTest::fatalErrorNamesTheFileAndTheCause_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << "absent.q22" << "нет такого файла";
    QTest::newRow("folder") << "folder.q22" << "не является обычным файлом";
    QTest::newRow("empty") << "empty.q22" << "файл пуст";
    QTest::newRow("signature only") << "signature.q22" << "в файле 6 байт, а в файле конфигурации их 9425";
}

void ConfigFilesTest::fatalErrorNamesTheFileAndTheCause()
{
    QFETCH(QString, name);
    QFETCH(QString, cause);
    Fixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("folder.q22")));
    QVERIFY(writeFile(f.path("empty.q22"), QByteArray()));
    QVERIFY(writeFile(f.path("signature.q22"), ConfigFile::Signature));

    f.load(f.path(name));
    QCOMPARE(f.restored, 0);
    QCOMPARE(f.dialogs.texts(), QStringList{FatalError + QStringLiteral("\n%1: %2").arg(f.path(name), cause)});
    QCOMPARE(f.dialogs.last().caption, QStringLiteral("Загрузка конфигурации"));
}

void ConfigFilesTest::namedPipeIsRefusedUnopened()
{
    Fixture f;
    const QString pipe = f.path("x.q22");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    {
        PipeWriter writer(pipe);
        f.load(pipe);
    }
    QCOMPARE(f.restored, 0);
    QCOMPARE(f.dialogs.texts(), QStringList{FatalError + QStringLiteral("\n%1: не является обычным файлом").arg(pipe)});
    QCOMPARE(f.dialogs.last().caption, QStringLiteral("Загрузка конфигурации"));
}

void ConfigFilesTest::errorWhileRestoringIsAFatalError()
{
    Fixture f;
    QVERIFY(writeFile(f.path("EC22.q22"), QByteArray("ZQ.32U") + sampleImage().bytes()));
    f.dialogs.answerOpen(f.path("EC22.q22"));
    f.files.ItemLoadClick({[] {}, [] { throw std::runtime_error("restore failed"); }});
    QCOMPARE(f.dialogs.texts(), QStringList{FatalError});
}

void ConfigFilesTest::cancelledLoadChangesNothing()
{
    Fixture f;
    f.image.setByteAt(5, 0x55);
    f.dialogs.answerOpen(std::nullopt);
    f.files.ItemLoadClick({[&f] { f.verSimReadOnly = true; }, [&f] { ++f.restored; }});
    QCOMPARE(f.image.byteAt(5), 0x55);
    QVERIFY(!f.verSimReadOnly);
    QCOMPARE(f.restored, 0);
}

void ConfigFilesTest::presetFolderFromTheSystemSettings()
{
    QTemporaryDir system;
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, system.path());
    QtSettingsStore store;
    QCOMPARE(store.readString(ConfigFiles::SettingsKey, ConfigFiles::FolderValue), std::nullopt);

    QDir(system.path()).mkpath(QStringLiteral("QUORIX"));
    QVERIFY(writeFile(system.filePath("QUORIX/Configs.ini"), "[Zorvel]\nOther=1\n"));
    QCOMPARE(store.readString(ConfigFiles::SettingsKey, ConfigFiles::FolderValue), std::nullopt);

    QVERIFY(writeFile(system.filePath("QUORIX/Configs.ini"), "[Zorvel/Zorvel22]\nDirZorv22=/srv/configs\n"));
    QCOMPARE(store.readString(ConfigFiles::SettingsKey, ConfigFiles::FolderValue), QStringLiteral("/srv/configs"));

    QVERIFY(writeFile(system.filePath("QUORIX/Configs.ini"), "[Zorvel/Zorvel22]\nOther=1\n"));
    QCOMPARE(store.readString(ConfigFiles::SettingsKey, ConfigFiles::FolderValue), QString());
}

QTEST_GUILESS_MAIN(ConfigFilesTest)
#include "tst_ConfigFiles.moc"
