// zq22 library and the versions zq22 read and write record, on SQLite and on
// PostgreSQL alike: end to end against the virtual panel, the commands'
// columns, several programs adding at once, and a program killed mid-change.
#include "ConfigFile.h"
#include "ConfigJson.h"
#include "FactoryImage.h"
#include "Library.h"
#include "PanelIdentifier.h"
#include "RefusedImages.h"
#include "SampleConfigs.h"
#include "ScratchLibrary.h"
#include "TestFiles.h"
#include "VirtualPanel.h"
#include "Zq22Run.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

constexpr int Differences = 1;
constexpr int Refused = 2;
constexpr int Processes = 8;
constexpr int FilesEach = 50;
constexpr int ProcessMs = 120000;

const QString SirenLine = QStringLiteral("Общие установки\tВкл. сирены, с\tgeneral.siren_time_s\t20\t60");
const QString Z3Line = QStringLiteral("Шлейфы сигнализации\tТип\tzones[Z3].type\t\tВключен, Мгновенный");
const QRegularExpression IsoTime(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));

// A different image of one of a few panels for every number.
ConfigImage numbered(int number)
{
    ConfigImage image = SampleConfigs::factoryOfPanel(static_cast<quint16>(0x0A00 + number % 5));
    image.setChars(ImageLayout::smsPhone(1), QByteArray::number(number));
    return image;
}

} // namespace

class LibraryCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase_data();
    void initTestCase();
    void init();
    void cleanup();

    void readRecordsTheImageOnce();
    void writeRecordsAVersion();
    void diffNamesTheChangedFields_data();
    void diffNamesTheChangedFields();
    void listAndHistoryColumns();
    void addTakesEveryFileOrNone();
    void eightProgramsAddingAtOnceLoseNothing();
    void aProgramKilledWhileItRecordsLeavesTheLibraryWhole();

private:
    std::unique_ptr<Library> openLibrary();
    QString file(const QString& name, const ConfigImage& image);
    Zq22Run zq22(const QStringList& arguments);

    std::unique_ptr<ScratchLibrary> m_scratch;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void LibraryCommandsTest::initTestCase_data()
{
    addEngineRows();
}

void LibraryCommandsTest::initTestCase()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
}

void LibraryCommandsTest::init()
{
    QFETCH_GLOBAL(ScratchLibrary::Engine, engine);
    m_dir = std::make_unique<QTemporaryDir>();
    m_scratch = std::make_unique<ScratchLibrary>();
    ZQ_SCRATCH_LIBRARY(*m_scratch, engine);
}

void LibraryCommandsTest::cleanup()
{
    m_scratch.reset();
    m_dir.reset();
}

std::unique_ptr<Library> LibraryCommandsTest::openLibrary()
{
    auto library = Library::open(*LibraryUrl::parse(m_scratch->url()));
    if (!library)
        qWarning("%s", qPrintable(library.error));
    return library ? std::move(*library) : nullptr;
}

QString LibraryCommandsTest::file(const QString& name, const ConfigImage& image)
{
    const QString path = m_dir->filePath(name);
    return SampleConfigs::write(path, image) ? path : QString();
}

Zq22Run LibraryCommandsTest::zq22(const QStringList& arguments)
{
    return Zq22Run::start(arguments + QStringList{QStringLiteral("--library"), m_scratch->url()});
}

void LibraryCommandsTest::readRecordsTheImageOnce()
{
    const QByteArray image = SampleConfigs::scatteredBytes(5);
    const QString held = m_dir->filePath(QStringLiteral("held.q22"));
    QVERIFY(writeFile(held, ConfigFile::Signature + image));
    VirtualPanel panel;
    QVERIFY2(panel.start({held}), qPrintable(panel.errors()));

    for (const QString& name : {QStringLiteral("first.q22"), QStringLiteral("second.q22")}) {
        const Zq22Run read = zq22({"read", "--port", panel.devicePath(), "-o", m_dir->filePath(name)});
        QVERIFY2(read.exitCode == 0, qPrintable(read.err));
        QCOMPARE(read.errLines().constLast(),
                 QStringLiteral("zq22: %1: Чтение конфигурации ППК 1A2B выполнено.").arg(panel.devicePath()));
    }

    const QString exported = m_dir->filePath(QStringLiteral("exported.q22"));
    const Zq22Run run = zq22({"library", "export", "1A2B", "-o", exported});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(readFile(exported), ConfigFile::Signature + image);
    const Zq22Run json = zq22({"library", "export", "1a2b", "--version", "1"});
    QVERIFY2(json.exitCode == 0, qPrintable(json.err));
    ConfigImage read;
    read.assign(image);
    QCOMPARE(json.out, ConfigJson::write(read));
    const Zq22Run piped = zq22({"library", "export", "1A2B", "-o", "-"});
    QVERIFY2(piped.exitCode == 0, qPrintable(piped.err));
    QCOMPARE(piped.out, ConfigFile::Signature + image);

    const auto library = openLibrary();
    QVERIFY(library);
    const auto counts = library->counts();
    QCOMPARE(counts->versions, 2);
    QCOMPARE(counts->images, 1);
    const auto history = library->history(QStringLiteral("1A2B"));
    QCOMPARE(history->size(), 2);
    QCOMPARE(history->at(1).origin.operation, Operation::Read);
    QCOMPARE(history->at(1).origin.how, QStringLiteral("USB ") + panel.devicePath());
}

void LibraryCommandsTest::writeRecordsAVersion()
{
    const ConfigImage image = RefusedImages::accepted();
    const QString identifier = panelIdentifier(image);
    VirtualPanel panel;
    QVERIFY2(panel.start({}), qPrintable(panel.errors()));

    const Zq22Run write = zq22({"write", "--port", panel.devicePath(), file(QStringLiteral("shop.q22"), image)});
    QVERIFY2(write.exitCode == 0, qPrintable(write.err));

    const Zq22Run history = zq22({"library", "history", identifier});
    QVERIFY2(history.exitCode == 0, qPrintable(history.err));
    QCOMPARE(history.outLines().size(), 1);
    const QStringList columns = history.outLines().constFirst().split(QLatin1Char('\t'));
    QCOMPARE(columns.value(0), QStringLiteral("1"));
    QCOMPARE(columns.value(2), QStringLiteral("write"));
    QCOMPARE(columns.value(3), QStringLiteral("USB ") + panel.devicePath());
    const auto library = openLibrary();
    QVERIFY(library);
    QCOMPARE(library->image(identifier, 1)->bytes(), image.bytes());
}

void LibraryCommandsTest::diffNamesTheChangedFields_data()
{
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");

    const QStringList turnedBack{QStringLiteral("Общие установки\tВкл. сирены, с\tgeneral.siren_time_s\t60\t20"),
                                 QStringLiteral("Шлейфы сигнализации\tТип\tzones[Z3].type\tВключен, Мгновенный\t")};
    // Versions 1 and 3 are the factory configuration, 2 has Z3 on and the siren at 60 s.
    QTest::newRow("the two newest") << QStringList{} << turnedBack << Differences;
    QTest::newRow("one against the newest") << QStringList{"1"} << QStringList{} << 0;
    QTest::newRow("two named") << QStringList{"1", "2"} << QStringList{SirenLine, Z3Line} << Differences;
    QTest::newRow("the other way round") << QStringList{"2", "1"} << turnedBack << Differences;
}

void LibraryCommandsTest::diffNamesTheChangedFields()
{
    QFETCH(QStringList, versions);
    QFETCH(QStringList, lines);
    QFETCH(int, status);

    const ConfigImage factory = SampleConfigs::factoryOfPanel(0x1A2B);
    ConfigImage edited = SampleConfigs::factoryWithZ3OnAndSirenAt60();
    edited.setValue(ImageLayout::channelField(ImageLayout::SmsRecord, ImageLayout::Channel::Account), 0x1A2B);
    const Zq22Run add
        = zq22({"library", "add", file("a.q22", factory), file("b.json", edited), file("c.q22", factory)});
    QVERIFY2(add.exitCode == 0, qPrintable(add.err));

    const Zq22Run run = zq22(QStringList{"library", "diff", "1A2B"} + versions);
    QCOMPARE(run.exitCode, status);
    QCOMPARE(run.outLines(), lines);
    QVERIFY(run.err.isEmpty());
}

void LibraryCommandsTest::listAndHistoryColumns()
{
    const Zq22Run add = zq22({"library", "add", "--note", "из\tархива", file("old.q22", numbered(0)),
                              file("other.q22", numbered(1)), file("new.q22", numbered(5))});
    QVERIFY2(add.exitCode == 0, qPrintable(add.err));
    QCOMPARE(add.outLines(), (QStringList{"0A00\t1\t" + m_dir->filePath("old.q22"),
                                          "0A01\t1\t" + m_dir->filePath("other.q22"),
                                          "0A00\t2\t" + m_dir->filePath("new.q22")}));
    const Zq22Run set = zq22({"library", "set", "0a00", "--name", "Аптека", "--address", "ул. Мира, 1", "--contact",
                              "Иванов"});
    QVERIFY2(set.exitCode == 0, qPrintable(set.err));

    const Zq22Run list = zq22({"library", "list"});
    QVERIFY2(list.exitCode == 0, qPrintable(list.err));
    QCOMPARE(list.outLines().size(), 2);
    QStringList first = list.outLines().at(0).split(QLatin1Char('\t'));
    QVERIFY2(IsoTime.match(first.takeLast()).hasMatch(), qPrintable(list.outLines().at(0)));
    QCOMPARE(first, (QStringList{"0A00", "Аптека", "ул. Мира, 1", "2"}));
    QVERIFY(list.outLines().at(1).startsWith(QStringLiteral("0A01\t\t\t1\t")));

    const Zq22Run found = zq22({"library", "list", "--search", "ИВАН"});
    QCOMPARE(found.outLines().size(), 1);
    QVERIFY(found.outLines().constFirst().startsWith(QStringLiteral("0A00\t")));

    const Zq22Run history = zq22({"library", "history", "0A00"});
    QVERIFY2(history.exitCode == 0, qPrintable(history.err));
    QCOMPARE(history.outLines().size(), 2);
    QStringList columns = history.outLines().at(1).split(QLatin1Char('\t'));
    QCOMPARE(columns.size(), 6);
    QVERIFY2(IsoTime.match(columns.takeAt(1)).hasMatch(), qPrintable(history.outLines().at(1)));
    QCOMPARE(columns.mid(0, 3), (QStringList{"2", "added", m_dir->filePath("new.q22")}));
    // A tab in a note stays inside its column.
    QCOMPARE(columns.at(4), QStringLiteral("из\\x09архива"));
}

void LibraryCommandsTest::addTakesEveryFileOrNone()
{
    const QString broken = m_dir->filePath(QStringLiteral("broken.q22"));
    QVERIFY(writeFile(broken, QByteArrayLiteral("ZQ.32U too short")));

    const Zq22Run add = zq22({"library", "add", file("a.q22", numbered(0)), broken});
    QCOMPARE(add.exitCode, Refused);
    QCOMPARE(add.errLines(), QStringList{QStringLiteral("zq22: %1: the file has 16 bytes, a configuration file has %2")
                                             .arg(broken)
                                             .arg(ConfigFile::FileSize)});
    const auto library = openLibrary();
    QVERIFY(library);
    QCOMPARE(library->counts()->versions, 0);
}

void LibraryCommandsTest::eightProgramsAddingAtOnceLoseNothing()
{
    QList<QStringList> batches;
    for (int process = 0; process < Processes; ++process) {
        QStringList arguments{"library", "add", "--library", m_scratch->url()};
        for (int i = 0; i < FilesEach; ++i) {
            const int number = process * FilesEach + i;
            arguments << file(QStringLiteral("%1.q22").arg(number), numbered(number));
        }
        batches << arguments;
    }
    std::vector<std::unique_ptr<QProcess>> running;
    for (const QStringList& arguments : batches) {
        running.push_back(std::make_unique<QProcess>());
        running.back()->start(Zq22Run::program(), arguments);
    }
    for (const auto& process : running) {
        QVERIFY(process->waitForFinished(ProcessMs));
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                 process->readAllStandardError().constData());
    }

    const auto library = openLibrary();
    QVERIFY(library);
    const auto counts = library->counts();
    QCOMPARE(counts->versions, Processes * FilesEach);
    QCOMPARE(counts->images, Processes * FilesEach);
    QCOMPARE(library->check()->join(QLatin1Char('\n')), QString());
    // Each panel's numbers run from 1 without a gap.
    for (const PanelSummary& panel : *library->panels()) {
        const auto history = library->history(panel.identifier);
        for (qsizetype i = 0; i < history->size(); ++i)
            QCOMPARE(history->at(i).number, int(i + 1));
        QCOMPARE(panel.versions, Processes * FilesEach / 5);
    }
}

void LibraryCommandsTest::aProgramKilledWhileItRecordsLeavesTheLibraryWhole()
{
    constexpr int Files = 200;
    constexpr int Rounds = 6;
    QStringList arguments{"library", "add", "--library", m_scratch->url()};
    for (int number = 0; number < Files; ++number)
        arguments << file(QStringLiteral("%1.q22").arg(number), numbered(number));

    // A whole run tells how long the change takes here; the kills fall within it.
    QElapsedTimer whole;
    whole.start();
    const Zq22Run first = Zq22Run::start(arguments);
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    const qint64 wholeMs = std::max<qint64>(whole.elapsed(), 20);

    int cut = 0;
    for (int round = 0; round < Rounds; ++round) {
        QProcess process;
        process.start(Zq22Run::program(), arguments);
        QVERIFY(process.waitForStarted());
        QTest::qSleep(static_cast<int>(wholeMs * (15 + QRandomGenerator::global()->bounded(80)) / 100));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished(ProcessMs));

        const auto library = openLibrary();
        QVERIFY(library);
        const auto problems = library->check();
        QVERIFY2(problems, qPrintable(problems.error));
        QCOMPARE(problems->join(QLatin1Char('\n')), QString());
        // The change is there whole or not at all.
        const int versions = library->counts()->versions;
        QCOMPARE(versions % Files, 0);
        cut += versions == (round + 1) * Files ? 0 : 1;
    }
    qInfo("%d of %d runs killed before their change was committed (a whole run: %lld ms)", cut, Rounds, wholeMs);
}

QTEST_GUILESS_MAIN(LibraryCommandsTest)
#include "tst_LibraryCommands.moc"
