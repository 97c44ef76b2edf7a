#include "Transaction.h"

Transaction::Transaction(QSqlDatabase& database)
    : m_database(database)
{
    m_open = m_database.transaction();
    if (!m_open)
        m_beginError = m_database.lastError();
}

Transaction::~Transaction()
{
    if (m_open)
        m_database.rollback();
    m_queries.clear();
}

LibraryQuery& Transaction::query(const QString& sql)
{
    std::unique_ptr<LibraryQuery>& query = m_queries[sql];
    if (query)
        query->finish();
    else
        query = std::make_unique<LibraryQuery>(m_database, sql);
    return *query;
}

std::optional<QSqlError> Transaction::commit()
{
    if (!m_open)
        return m_beginError;
    m_open = false;
    for (const auto& [sql, query] : m_queries)
        query->finish();
    if (m_database.commit())
        return std::nullopt;
    const QSqlError error = m_database.lastError();
    m_database.rollback();
    return error;
}
