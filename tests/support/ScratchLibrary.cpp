#include "ScratchLibrary.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

constexpr int ClientMs = 30000;
const char* const ServerVariable = "ZQ22_TEST_PG_URL";

QString scratchName()
{
    static QAtomicInt counter;
    return QStringLiteral("zq22_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(counter.fetchAndAddRelaxed(1));
}

QString withDatabase(const QString& serverUrl, const QString& database)
{
    QUrl url(serverUrl);
    url.setPath(QLatin1Char('/') + database);
    return url.toString();
}

} // namespace

void addEngineRows()
{
    QTest::addColumn<ScratchLibrary::Engine>("engine");
    QTest::newRow("SQLite") << ScratchLibrary::Engine::Sqlite;
    QTest::newRow("PostgreSQL") << ScratchLibrary::Engine::Postgres;
}

ScratchLibrary::~ScratchLibrary()
{
    releaseWriteLock();
    if (!m_database.isEmpty())
        runClient(QStringLiteral("dropdb"), {QStringLiteral("--force"), QStringLiteral("--maintenance-db"),
                                             qEnvironmentVariable(ServerVariable), m_database});
}

bool ScratchLibrary::serverRequired()
{
    return !qEnvironmentVariableIsEmpty("ZQ22_TEST_PG_REQUIRED");
}

QString ScratchLibrary::create(Engine engine)
{
    m_engine = engine;
    if (engine == Engine::Sqlite) {
        m_folder = std::make_unique<QTemporaryDir>();
        m_url = m_folder->filePath(QStringLiteral("library.sqlite"));
        return m_folder->isValid() ? QString() : m_folder->errorString();
    }
    const QString server = qEnvironmentVariable(ServerVariable);
    if (server.isEmpty())
        return QStringLiteral("no PostgreSQL server: ZQ22_TEST_PG_URL is not set (scripts/with-postgres.sh sets it)");
    const QString name = scratchName();
    if (!runClient(QStringLiteral("createdb"), {QStringLiteral("--maintenance-db"), server, name}))
        return QStringLiteral("createdb %1 failed: %2").arg(name, m_lastError);
    m_database = name;
    m_url = withDatabase(server, name);
    return QString();
}

bool ScratchLibrary::runSql(const QString& sql)
{
    if (m_engine == Engine::Sqlite)
        return runClient(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), m_url, sql});
    return runClient(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                                              QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"), m_url,
                                              QStringLiteral("-c"), sql});
}

bool ScratchLibrary::runClient(const QString& program, const QStringList& arguments)
{
    QProcess client;
    client.start(program, arguments);
    const bool ended = client.waitForFinished(ClientMs);
    m_lastError = QString::fromLocal8Bit(client.readAllStandardError()).trimmed();
    if (!client.errorString().isEmpty() && client.error() != QProcess::UnknownError)
        m_lastError += QLatin1Char(' ') + client.errorString();
    return ended && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

bool ScratchLibrary::holdWriteLock()
{
    m_holder = QStringLiteral("holder-") + scratchName();
    QSqlDatabase database;
    if (m_engine == Engine::Sqlite) {
        database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_holder);
        database.setDatabaseName(m_url);
    } else {
        const QUrl url(m_url);
        database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_holder);
        database.setHostName(url.host());
        database.setPort(url.port());
        database.setUserName(url.userName());
        database.setDatabaseName(url.path().mid(1));
    }
    QSqlQuery update(database);
    const bool held = database.open() && database.transaction()
                      && update.exec(QStringLiteral("UPDATE panels SET name = name"));
    m_lastError = held ? QString() : database.lastError().text() + update.lastError().text();
    return held;
}

void ScratchLibrary::releaseWriteLock()
{
    if (m_holder.isEmpty())
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(m_holder, false);
        database.rollback();
        database.close();
    }
    QSqlDatabase::removeDatabase(m_holder);
    m_holder.clear();
}
