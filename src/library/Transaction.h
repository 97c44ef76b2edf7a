#pragma once

#include "LibraryQuery.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <map>
#include <memory>
#include <optional>

// One change of the library, whole or not at all: begun when made, rolled
// back when it goes unless committed. Its first statement must write, so that
// SQLite takes the write lock at once (waiting its busy timeout) and never has
// to upgrade a read lock, which another writer could make fail at once.
class Transaction final {
public:
    explicit Transaction(QSqlDatabase& database);
    ~Transaction();

    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Why it could not begin; none when it did.
    std::optional<QSqlError> beginError() const { return m_beginError; }
    // A statement of this change, prepared once however often it runs. It
    // lives as long as the change: PostgreSQL frees a prepared statement only
    // outside a failed transaction.
    LibraryQuery& query(const QString& sql);
    std::optional<QSqlError> commit();

private:
    QSqlDatabase& m_database;
    std::optional<QSqlError> m_beginError;
    bool m_open = false;
    std::map<QString, std::unique_ptr<LibraryQuery>> m_queries;
};
