#pragma once

#include "LibraryResult.h"
#include "LibraryUrl.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

#include <chrono>
#include <memory>

// One connection to a library's database through Qt SQL, opened the way its
// engine wants: SQLite with foreign keys on and a busy timeout, read-only when
// the file may not be written, and nothing done to a file that is no SQLite
// database; PostgreSQL with a connect timeout and a lock timeout. The
// connection is closed and released with the object.
class LibraryConnection final {
public:
    struct Options {
        // How long a change waits for another program's change to end.
        std::chrono::milliseconds lockTimeout{10000};
    };

    static LibraryResult<std::unique_ptr<LibraryConnection>> open(const LibraryUrl& url, const Options& options);
    ~LibraryConnection();

    LibraryConnection(const LibraryConnection&) = delete;
    LibraryConnection& operator=(const LibraryConnection&) = delete;

    QSqlDatabase& database() { return m_database; }
    LibraryUrl::Engine engine() const { return m_engine; }
    bool isReadOnly() const { return m_readOnly; }

    // Before the first table of a new library: SQLite keeps a write-ahead
    // log, so that readers never wait for a writer.
    std::optional<QString> prepareNewLibrary();

    // The engine's own check of what it stores; empty when sound.
    QStringList storageProblems();

    // An error of this connection in the library's words.
    QString reason(const QSqlError& error) const;

private:
    LibraryConnection(QString name, LibraryUrl::Engine engine, const Options& options);

    static LibraryResult<std::unique_ptr<LibraryConnection>> openSqlite(const LibraryUrl& url, const Options& options);
    static LibraryResult<std::unique_ptr<LibraryConnection>> openPostgres(const LibraryUrl& url,
                                                                          const Options& options);
    // SQLite opens lazily: the first statement tells whether the file can be read.
    std::optional<QSqlError> probeSqlite();

    QString m_name;
    LibraryUrl::Engine m_engine;
    Options m_options;
    QSqlDatabase m_database;
    bool m_readOnly = false;
};
