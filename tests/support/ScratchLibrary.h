#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A new, empty library for one test on the engine it asks for: an SQLite file
// in a temporary folder, or a database of its own on the PostgreSQL server the
// tests are given by ZQ22_TEST_PG_URL (scripts/with-postgres.sh starts one and
// sets it). Where ZQ22_TEST_PG_REQUIRED is set, as ./test.sh sets it, a test
// on PostgreSQL without a server fails instead of being skipped.
class ScratchLibrary {
public:
    enum class Engine { Sqlite, Postgres };

    ScratchLibrary() = default;
    ~ScratchLibrary();
    ScratchLibrary(const ScratchLibrary&) = delete;
    ScratchLibrary& operator=(const ScratchLibrary&) = delete;

    // Empty once the library's place is ready; otherwise why it is not.
    QString create(Engine engine);
    static bool serverRequired();

    Engine engine() const { return m_engine; }
    // As --library and the window take it: the file, or the database's URL.
    QString url() const { return m_url; }
    // SQLite: the folder the file is in.
    QString folder() const { return m_folder ? m_folder->path() : QString(); }

    // What the program never does, for a test that needs it done: SQL run by
    // the engine's own client (sqlite3, psql). False, with the client's
    // message in lastError(), when it fails.
    bool runSql(const QString& sql);
    const QString& lastError() const { return m_lastError; }

    // Another program's change left open: a transaction that has written to
    // the panels and holds its lock until released.
    bool holdWriteLock();
    void releaseWriteLock();

private:
    bool runClient(const QString& program, const QStringList& arguments);

    Engine m_engine = Engine::Sqlite;
    QString m_url;
    QString m_database;   // PostgreSQL: the scratch database's name
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_holder;     // the connection that holds the lock
    QString m_lastError;
};

// Makes the scratch library, or skips the test (fails it where a server is required).
#define ZQ_SCRATCH_LIBRARY(scratch, engine)                                                                           \
    do {                                                                                                               \
        const QString scratchProblem = (scratch).create(engine);                                                       \
        if (!scratchProblem.isEmpty()) {                                                                               \
            if (ScratchLibrary::serverRequired())                                                                      \
                QFAIL(qPrintable(scratchProblem));                                                                     \
            QSKIP(qPrintable(scratchProblem));                                                                         \
        }                                                                                                              \
    } while (false)

// Every test of a library runs once on each engine: the test's initTestCase_data.
void addEngineRows();
