#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

// One statement of the library's SQL, its values bound by name. Its rows are
// read once, forward only, so that neither engine keeps them all. A statement
// without values is not prepared: PostgreSQL prepares no CREATE TABLE.
class LibraryQuery final {
public:
    LibraryQuery(const QSqlDatabase& database, const QString& sql);

    LibraryQuery& bind(const QString& placeholder, const QVariant& value);
    // A text, even an empty one, is bound as text (Qt's drivers would take a
    // null QString for NULL).
    LibraryQuery& bind(const QString& placeholder, const QString& text);
    // A text that may be missing, bound as NULL then.
    LibraryQuery& bindText(const QString& placeholder, const std::optional<QString>& text);

    bool exec();
    bool next() { return m_query.next(); }
    QVariant value(int column) const { return m_query.value(column); }
    int rowsAffected() const { return m_query.numRowsAffected(); }
    QSqlError error() const { return m_query.lastError(); }
    // Done with its rows: SQLite commits no transaction while a statement is under way.
    void finish() { m_query.finish(); }

private:
    QSqlQuery m_query;
    QString m_sql;
    bool m_bound = false;
    bool m_prepared = false;
};
