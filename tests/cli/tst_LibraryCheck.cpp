// zq22 library check: the newest version of every panel against a template,
// on SQLite and on PostgreSQL alike: one line per differing field naming the
// panel and its version, exit status 0 when every panel matches, 1 when one
// does not, 2 for a template or a library that cannot be read.
#include "CompanyStandard.h"
#include "Library.h"
#include "LibrarySchema.h"
#include "LibraryTexts.h"
#include "SampleConfigs.h"
#include "ScratchLibrary.h"
#include "TestFiles.h"
#include "Zq22Run.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Standard = CompanyStandard::json();
const QByteArray UnknownKey = R"({ "format": "zq22-config", "version": 1, "general": { "siren_tim_s": 60 } })";

// "0A01 matching" or "0A01 factory": a version of that panel that follows the
// standard, or the factory configuration.
ConfigImage versionImage(const QString& entry)
{
    const QStringList words = entry.split(QLatin1Char(' '));
    const auto account = static_cast<quint16>(words.at(0).toUInt(nullptr, 16));
    return words.at(1) == QLatin1String("matching") ? CompanyStandard::follower(account)
                                                    : SampleConfigs::factoryOfPanel(account);
}

QStringList linesOf(const QString& panel, int version, const QStringList& lines)
{
    QStringList prefixed;
    for (const QString& line : lines)
        prefixed << QStringLiteral("%1\t%2\t").arg(panel).arg(version) + line;
    return prefixed;
}

} // namespace

class LibraryCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase_data();
    void init();
    void cleanup();

    void linesAndExitStatus_data();
    void linesAndExitStatus();

private:
    std::unique_ptr<ScratchLibrary> m_scratch;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void LibraryCheckTest::initTestCase_data()
{
    addEngineRows();
}

void LibraryCheckTest::init()
{
    QFETCH_GLOBAL(ScratchLibrary::Engine, engine);
    m_dir = std::make_unique<QTemporaryDir>();
    m_scratch = std::make_unique<ScratchLibrary>();
    ZQ_SCRATCH_LIBRARY(*m_scratch, engine);
}

void LibraryCheckTest::cleanup()
{
    m_scratch.reset();
    m_dir.reset();
}

void LibraryCheckTest::linesAndExitStatus_data()
{
    QTest::addColumn<QStringList>("versions");   // in the order they are added
    QTest::addColumn<QByteArray>("standard");
    QTest::addColumn<bool>("newerLibrary");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("messages");   // %1: the library, %2: the template
    QTest::addColumn<int>("status");

    const QStringList twoPanels{"0A02 matching", "0A01 matching"};
    QTest::newRow("every panel matches") << twoPanels << Standard << false << QStringList{} << QStringList{} << 0;
    QTest::newRow("one panel differs")
        << QStringList{"0A02 factory", "0A01 matching", "0A03 matching"} << Standard << false
        << linesOf(QStringLiteral("0A02"), 1, CompanyStandard::factoryLines()) << QStringList{} << 1;
    QTest::newRow("panels in the order of their identifiers")
        << QStringList{"0A02 factory", "0A01 factory"} << Standard << false
        << linesOf(QStringLiteral("0A01"), 1, CompanyStandard::factoryLines())
               + linesOf(QStringLiteral("0A02"), 1, CompanyStandard::factoryLines())
        << QStringList{} << 1;
    QTest::newRow("only the newest version counts")
        << QStringList{"0A01 factory", "0A02 matching", "0A01 matching", "0A02 factory", "0A02 matching",
                       "0A02 factory"}
        << Standard << false << linesOf(QStringLiteral("0A02"), 4, CompanyStandard::factoryLines())
        << QStringList{} << 1;
    QTest::newRow("a library without panels")
        << QStringList{} << Standard << false << QStringList{}
        << QStringList{"zq22: %1: the library holds no panels"} << 0;
    QTest::newRow("a template with an unknown key")
        << twoPanels << UnknownKey << false << QStringList{}
        << QStringList{"zq22: %2: unknown key \"general.siren_tim_s\""} << 2;
    QTest::newRow("a library that cannot be opened")
        << twoPanels << Standard << true << QStringList{}
        << QStringList{"zq22: %1: "
                       + LibraryTexts::newerSchema(LibrarySchema::currentVersion() + 1, LibrarySchema::currentVersion())}
        << 2;
}

void LibraryCheckTest::linesAndExitStatus()
{
    QFETCH(QStringList, versions);
    QFETCH(QByteArray, standard);
    QFETCH(bool, newerLibrary);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, messages);
    QFETCH(int, status);

    {
        const auto library = Library::open(*LibraryUrl::parse(m_scratch->url()));
        QVERIFY2(library, qPrintable(library.error));
        QList<Library::NewVersion> added;
        for (const QString& entry : versions)
            added.append({versionImage(entry), {Operation::Added, entry, QStringLiteral("petrov"),
                                                QStringLiteral("laptop-7"), {}, QDateTime::currentDateTimeUtc()}});
        const auto recorded = (*library)->addVersions(added);
        QVERIFY2(recorded, qPrintable(recorded.error));
    }
    if (newerLibrary)
        QVERIFY2(m_scratch->runSql(QStringLiteral("INSERT INTO zq22_schema (version, applied)"
                                                 " VALUES (%1, '2030-01-01T00:00:00Z')")
                                      .arg(LibrarySchema::currentVersion() + 1)),
                 qPrintable(m_scratch->lastError()));
    const QString templatePath = m_dir->filePath(QStringLiteral("standard.json"));
    QVERIFY(writeFile(templatePath, standard));

    const Zq22Run run = Zq22Run::start({"library", "check", templatePath, "--library", m_scratch->url()});
    QCOMPARE(run.outLines(), lines);
    QStringList expected;
    for (const QString& message : messages)
        expected << QString(message).replace(QLatin1String("%1"), m_scratch->url()).replace(QLatin1String("%2"),
                                                                                            templatePath);
    QCOMPARE(run.errLines(), expected);
    QCOMPARE(run.exitCode, status);
}

QTEST_GUILESS_MAIN(LibraryCheckTest)
#include "tst_LibraryCheck.moc"
