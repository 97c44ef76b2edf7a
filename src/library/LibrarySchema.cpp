#include "LibrarySchema.h"

#include "LibraryConnection.h"
#include "LibraryQuery.h"
#include "LibraryTexts.h"
#include "LibraryTime.h"
#include "Transaction.h"

#include <QList>
#include <QStringList>

namespace {

const QString SchemaTable = QStringLiteral("zq22_schema");

// Each migration, in order: its statements run in one transaction with the
// row that records it. The SQL is what both engines accept alike: TEXT and
// INTEGER, natural keys rather than generated ones, and BYTEA for the image,
// which SQLite stores as the blob it is given.
const QList<QStringList> Migrations = {
    {
        QStringLiteral("CREATE TABLE zq22_schema ("
                       " version INTEGER NOT NULL PRIMARY KEY,"
                       " applied TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE panels ("
                       " identifier TEXT NOT NULL PRIMARY KEY CHECK (length(identifier) = 4),"
                       " name TEXT NOT NULL DEFAULT '',"
                       " address TEXT NOT NULL DEFAULT '',"
                       " contact TEXT NOT NULL DEFAULT '',"
                       " notes TEXT NOT NULL DEFAULT '',"
                       " search_text TEXT NOT NULL DEFAULT '',"
                       " first_seen TEXT,"
                       " last_seen TEXT,"
                       " version_count INTEGER NOT NULL DEFAULT 0,"
                       " last_change TEXT)"),
        QStringLiteral("CREATE TABLE images ("
                       " sha256 TEXT NOT NULL PRIMARY KEY CHECK (length(sha256) = 64),"
                       " bytes BYTEA NOT NULL)"),
        QStringLiteral("CREATE TABLE versions ("
                       " panel TEXT NOT NULL REFERENCES panels (identifier),"
                       " number INTEGER NOT NULL CHECK (number >= 1),"
                       " recorded TEXT NOT NULL,"
                       " operation TEXT NOT NULL CHECK (operation IN ('read', 'write', 'added')),"
                       " how TEXT NOT NULL,"
                       " operator_name TEXT NOT NULL,"
                       " host TEXT NOT NULL,"
                       " note TEXT NOT NULL,"
                       " image TEXT NOT NULL REFERENCES images (sha256),"
                       " PRIMARY KEY (panel, number))"),
    },
};

// Tables of the engine's own that any database may hold.
bool isEngineTable(const QString& name)
{
    return name.startsWith(QLatin1String("sqlite_"));
}

struct Found {
    std::optional<int> version;   // none: the database holds no table of ours
    QString error;
};

std::optional<int> askedVersion(LibraryConnection& connection, QSqlError& failure)
{
    LibraryQuery query(connection.database(), QStringLiteral("SELECT MAX(version) FROM zq22_schema"));
    if (query.exec() && query.next())
        return query.value(0).toInt();
    failure = query.error();
    return std::nullopt;
}

// A library of ours says its version in one statement; the tables are looked
// at only when it cannot (a server is asked as little as may be).
Found schemaVersion(LibraryConnection& connection)
{
    QSqlError failure;
    if (const auto version = askedVersion(connection, failure))
        return {version, QString()};
    QStringList tables = connection.database().tables(QSql::Tables);
    tables.removeIf(isEngineTable);
    if (tables.isEmpty())
        return {0, QString()};
    if (!tables.contains(SchemaTable))
        return {std::nullopt, LibraryTexts::foreignDatabase()};
    // Another program has just made the library: it answers now.
    if (const auto version = askedVersion(connection, failure))
        return {version, QString()};
    return {std::nullopt, connection.reason(failure)};
}

std::optional<QString> migrate(LibraryConnection& connection, int version)
{
    Transaction transaction(connection.database());
    if (const auto error = transaction.beginError())
        return connection.reason(*error);
    for (const QString& statement : Migrations.at(version - 1)) {
        LibraryQuery& query = transaction.query(statement);
        if (!query.exec())
            return connection.reason(query.error());
    }
    LibraryQuery& record =
        transaction.query(QStringLiteral("INSERT INTO zq22_schema (version, applied) VALUES (:version, :applied)"));
    record.bind(QStringLiteral(":version"), version).bind(QStringLiteral(":applied"), LibraryTime::now());
    if (!record.exec())
        return connection.reason(record.error());
    if (const auto error = transaction.commit())
        return connection.reason(*error);
    return std::nullopt;
}

} // namespace

namespace LibrarySchema {

int currentVersion()
{
    return static_cast<int>(Migrations.size());
}

std::optional<QString> bringUpToDate(LibraryConnection& connection)
{
    Found found = schemaVersion(connection);
    if (!found.version)
        return found.error;
    if (*found.version > currentVersion())
        return LibraryTexts::newerSchema(*found.version, currentVersion());
    if (*found.version == 0)
        if (const auto error = connection.prepareNewLibrary())
            return LibraryTexts::cannotCreate(*error);
    while (*found.version < currentVersion()) {
        const int next = *found.version + 1;
        const std::optional<QString> failed = migrate(connection, next);
        // Another program may have taken the same step meanwhile: then it is done.
        found = schemaVersion(connection);
        if (!found.version)
            return found.error;
        if (failed && *found.version < next)
            return next == 1 ? LibraryTexts::cannotCreate(*failed) : LibraryTexts::cannotUpgrade(*failed);
    }
    return std::nullopt;
}

} // namespace LibrarySchema
