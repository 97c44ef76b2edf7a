#include "LibraryConnection.h"

#include "LibraryTexts.h"
#include "RegularFile.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>

namespace {

const QString SqliteDriver = QStringLiteral("QSQLITE");
const QString PostgresDriver = QStringLiteral("QPSQL");
const QByteArray SqliteHeader = QByteArrayLiteral("SQLite format 3\0");

// libpq's own wait when the environment sets none.
constexpr int ConnectTimeoutSeconds = 10;

// The SQLite result codes the library tells apart (the primary codes, which
// Qt's driver reports).
namespace SqliteCode {
constexpr int Busy = 5;
constexpr int Locked = 6;
constexpr int ReadOnly = 8;
constexpr int Corrupt = 11;
constexpr int Full = 13;
constexpr int CantOpen = 14;
constexpr int NotADatabase = 26;
} // namespace SqliteCode

// PostgreSQL's SQLSTATE codes the library tells apart.
const QString LockNotAvailable = QStringLiteral("55P03");
const QString ReadOnlyTransaction = QStringLiteral("25006");
const QString InsufficientPrivilege = QStringLiteral("42501");
const QString DiskFull = QStringLiteral("53100");

QString connectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("zq22-library-%1").arg(counter.fetchAndAddRelaxed(1));
}

// A driver's message on one line: the server's text, or Qt's when there is none.
QString oneLine(const QSqlError& error)
{
    QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    return text.simplified();
}

int sqliteCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xFF;
}

// Refuses, before SQLite sees it, a file that is not an SQLite database: SQLite
// would take a foreign file for an empty database and write into it. Told in
// the window's words, as every reason of the library.
std::optional<QString> notSqliteFile(const QString& path)
{
    QFile file(path);
    if (const auto error = RegularFile::openForReading(file))
        return error->shownText;
    const QByteArray header = file.read(SqliteHeader.size());
    if (header.isEmpty() && file.atEnd())
        return std::nullopt;   // an empty file is an empty database
    if (header != SqliteHeader)
        return LibraryTexts::notSqlite();
    return std::nullopt;
}

// A value of a libpq connection string, for inside single quotes.
QString conninfoQuoted(QString value)
{
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
}

QString sqliteUri(const QString& path, bool immutable)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)
           + (immutable ? QStringLiteral("?mode=ro&immutable=1") : QStringLiteral("?mode=ro"));
}

} // namespace

LibraryConnection::LibraryConnection(QString name, LibraryUrl::Engine engine, const Options& options)
    : m_name(std::move(name))
    , m_engine(engine)
    , m_options(options)
{
}

LibraryConnection::~LibraryConnection()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

LibraryResult<std::unique_ptr<LibraryConnection>> LibraryConnection::open(const LibraryUrl& url,
                                                                          const Options& options)
{
    return url.engine() == LibraryUrl::Engine::Sqlite ? openSqlite(url, options) : openPostgres(url, options);
}

LibraryResult<std::unique_ptr<LibraryConnection>> LibraryConnection::openSqlite(const LibraryUrl& url,
                                                                                const Options& options)
{
    using Result = LibraryResult<std::unique_ptr<LibraryConnection>>;
    if (!QSqlDatabase::isDriverAvailable(SqliteDriver))
        return Result::failure(LibraryTexts::noDriver(QStringLiteral("SQLite"), QStringLiteral("libqt6sql6-sqlite")));
    const QFileInfo file(url.path());
    if (file.isDir())
        return Result::failure(LibraryTexts::isFolder());
    const QString folder = file.absolutePath();
    if (!file.exists() && url.isDefault())
        QDir().mkpath(folder);
    if (!QFileInfo(folder).isDir())
        return Result::failure(LibraryTexts::noFolder(folder));
    if (file.exists())
        if (const auto refusal = notSqliteFile(file.filePath()))
            return Result::failure(*refusal);

    // The log beside the file needs the folder to be writable as well.
    const bool writable = QFileInfo(folder).isWritable() && (!file.exists() || file.isWritable());
    std::unique_ptr<LibraryConnection> connection(
        new LibraryConnection(connectionName(), LibraryUrl::Engine::Sqlite, options));
    connection->m_readOnly = !writable;
    QSqlDatabase& database = connection->m_database;
    database = QSqlDatabase::addDatabase(SqliteDriver, connection->m_name);
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(options.lockTimeout.count());
    if (writable) {
        database.setConnectOptions(busy);
        database.setDatabaseName(file.absoluteFilePath());
    } else {
        database.setConnectOptions(busy + QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        database.setDatabaseName(sqliteUri(file.absoluteFilePath(), false));
    }
    if (!database.open())
        return Result::failure(connection->reason(database.lastError()));
    std::optional<QSqlError> error = connection->probeSqlite();
    if (error && !writable
        && (sqliteCode(*error) == SqliteCode::CantOpen || sqliteCode(*error) == SqliteCode::ReadOnly)) {
        // A library in a folder this user may not write has no shared-memory
        // file to read its log through, which SQLite cannot make; a library
        // that is not being written needs none.
        database.close();
        database.setDatabaseName(sqliteUri(file.absoluteFilePath(), true));
        error = database.open() ? connection->probeSqlite() : database.lastError();
    }
    if (error)
        return Result::failure(connection->reason(*error));
    QSqlQuery foreignKeys(database);
    if (!foreignKeys.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        return Result::failure(connection->reason(foreignKeys.lastError()));
    return {std::move(connection), QString()};
}

std::optional<QSqlError> LibraryConnection::probeSqlite()
{
    QSqlQuery probe(m_database);
    if (probe.exec(QStringLiteral("PRAGMA schema_version")) && probe.next())
        return std::nullopt;
    return probe.lastError();
}

LibraryResult<std::unique_ptr<LibraryConnection>> LibraryConnection::openPostgres(const LibraryUrl& url,
                                                                                  const Options& options)
{
    using Result = LibraryResult<std::unique_ptr<LibraryConnection>>;
    if (!QSqlDatabase::isDriverAvailable(PostgresDriver))
        return Result::failure(LibraryTexts::noDriver(QStringLiteral("PostgreSQL"), QStringLiteral("libqt6sql6-psql")));
    std::unique_ptr<LibraryConnection> connection(
        new LibraryConnection(connectionName(), LibraryUrl::Engine::Postgres, options));
    QSqlDatabase& database = connection->m_database;
    database = QSqlDatabase::addDatabase(PostgresDriver, connection->m_name);
    database.setHostName(url.host());
    if (url.port() != 0)
        database.setPort(url.port());
    database.setDatabaseName(url.database());
    database.setUserName(url.user());
    // The password stays libpq's business (~/.pgpass, PGPASSWORD), and so does
    // the connect timeout when the environment sets one (PGCONNECT_TIMEOUT).
    QStringList settings{
        QStringLiteral("application_name='%1'").arg(conninfoQuoted(QCoreApplication::applicationName())),
        QStringLiteral("options='-c lock_timeout=%1'").arg(options.lockTimeout.count()),
    };
    if (qEnvironmentVariableIsEmpty("PGCONNECT_TIMEOUT"))
        settings << QStringLiteral("connect_timeout=%1").arg(ConnectTimeoutSeconds);
    database.setConnectOptions(settings.join(QLatin1Char(';')));
    if (!database.open())
        return Result::failure(connection->reason(database.lastError()));
    return {std::move(connection), QString()};
}

std::optional<QString> LibraryConnection::prepareNewLibrary()
{
    if (m_engine != LibraryUrl::Engine::Sqlite)
        return std::nullopt;
    QSqlQuery journal(m_database);
    if (!journal.exec(QStringLiteral("PRAGMA journal_mode = WAL")))
        return reason(journal.lastError());
    return std::nullopt;
}

QStringList LibraryConnection::storageProblems()
{
    if (m_engine != LibraryUrl::Engine::Sqlite)
        return {};   // the server keeps its own storage whole
    QStringList problems;
    QSqlQuery integrity(m_database);
    if (!integrity.exec(QStringLiteral("PRAGMA integrity_check")))
        return {reason(integrity.lastError())};
    while (integrity.next()) {
        const QString line = integrity.value(0).toString();
        if (line != QLatin1String("ok"))
            problems << LibraryTexts::damaged(line);
    }
    QSqlQuery foreignKeys(m_database);
    if (!foreignKeys.exec(QStringLiteral("PRAGMA foreign_key_check")))
        return problems << reason(foreignKeys.lastError());
    while (foreignKeys.next())
        problems << LibraryTexts::damaged(QStringLiteral("%1: %2 → %3")
                                              .arg(foreignKeys.value(0).toString(), foreignKeys.value(1).toString(),
                                                   foreignKeys.value(2).toString()));
    return problems;
}

QString LibraryConnection::reason(const QSqlError& error) const
{
    const int lockSeconds = static_cast<int>((m_options.lockTimeout.count() + 999) / 1000);
    if (m_engine == LibraryUrl::Engine::Sqlite) {
        switch (sqliteCode(error)) {
        case SqliteCode::Busy:
        case SqliteCode::Locked:
            return LibraryTexts::busy(lockSeconds);
        case SqliteCode::ReadOnly:
            return LibraryTexts::readOnly();
        case SqliteCode::Full:
            return LibraryTexts::diskFull();
        case SqliteCode::Corrupt:
        case SqliteCode::NotADatabase:
            return LibraryTexts::damaged(oneLine(error));
        default:
            return oneLine(error);
        }
    }
    const QString state = error.nativeErrorCode();
    if (state == LockNotAvailable)
        return LibraryTexts::busy(lockSeconds);
    if (state == ReadOnlyTransaction)
        return LibraryTexts::readOnly();
    if (state == InsufficientPrivilege)
        return LibraryTexts::notPermitted(oneLine(error));
    if (state == DiskFull)
        return LibraryTexts::diskFull();
    return oneLine(error);
}
