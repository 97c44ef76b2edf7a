#pragma once

#include "LibraryResult.h"

#include <QString>

// Where a library lives, the same for both programs: an SQLite file (a path),
// or a PostgreSQL database named as postgresql://USER@HOST[:PORT]/DB. A URL
// never holds a password: libpq finds it in ~/.pgpass or PGPASSWORD.
class LibraryUrl {
public:
    enum class Engine { Sqlite, Postgres };

    // An empty text names the default library.
    static LibraryResult<LibraryUrl> parse(const QString& text);
    // The one file both programs use unless told otherwise:
    // $XDG_DATA_HOME/zq22lite/library.sqlite (~/.local/share/zq22lite/library.sqlite).
    static LibraryUrl defaultLibrary();

    Engine engine() const { return m_engine; }
    bool isDefault() const { return m_isDefault; }
    // SQLite: the file, as an absolute path.
    const QString& path() const { return m_path; }
    // PostgreSQL: an empty user is libpq's own choice (the login name), an
    // empty host its local socket, port 0 its default port.
    const QString& user() const { return m_user; }
    const QString& host() const { return m_host; }
    int port() const { return m_port; }
    const QString& database() const { return m_database; }

    // As a person would write it again: the path, or the URL.
    QString text() const;

private:
    Engine m_engine = Engine::Sqlite;
    bool m_isDefault = false;
    QString m_path;
    QString m_user;
    QString m_host;
    int m_port = 0;
    QString m_database;
};
