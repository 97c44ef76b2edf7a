#include "LibraryQuery.h"

LibraryQuery::LibraryQuery(const QSqlDatabase& database, const QString& sql)
    : m_query(database)
    , m_sql(sql)
{
    m_query.setForwardOnly(true);
}

LibraryQuery& LibraryQuery::bind(const QString& placeholder, const QVariant& value)
{
    if (!m_bound) {
        m_bound = true;
        m_prepared = m_query.prepare(m_sql);
    }
    m_query.bindValue(placeholder, value);
    return *this;
}

LibraryQuery& LibraryQuery::bind(const QString& placeholder, const QString& text)
{
    return bind(placeholder, QVariant(text.isNull() ? QStringLiteral("") : text));
}

LibraryQuery& LibraryQuery::bindText(const QString& placeholder, const std::optional<QString>& text)
{
    return text ? bind(placeholder, *text) : bind(placeholder, QVariant(QMetaType::fromType<QString>()));
}

bool LibraryQuery::exec()
{
    if (!m_bound)
        return m_query.exec(m_sql);
    return m_prepared && m_query.exec();
}
