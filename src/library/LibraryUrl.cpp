#include "LibraryUrl.h"

#include "LibraryTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString SchemeMark = QStringLiteral("://");
const QStringList PostgresSchemes = {QStringLiteral("postgresql"), QStringLiteral("postgres")};

} // namespace

LibraryUrl LibraryUrl::defaultLibrary()
{
    LibraryUrl url;
    url.m_isDefault = true;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    url.m_path = QDir(data).filePath(QStringLiteral("zq22lite/library.sqlite"));
    return url;
}

LibraryResult<LibraryUrl> LibraryUrl::parse(const QString& text)
{
    if (text.isEmpty())
        return {defaultLibrary(), QString()};
    const qsizetype mark = text.indexOf(SchemeMark);
    if (mark < 0) {
        LibraryUrl url;
        url.m_path = QFileInfo(text).absoluteFilePath();
        return {url, QString()};
    }
    const QString scheme = text.left(mark);
    if (!PostgresSchemes.contains(scheme, Qt::CaseInsensitive))
        return LibraryResult<LibraryUrl>::failure(LibraryTexts::unknownScheme(scheme));

    const QUrl parsed(text, QUrl::StrictMode);
    if (!parsed.isValid())
        return LibraryResult<LibraryUrl>::failure(LibraryTexts::badUrl());
    if (!parsed.password().isEmpty() || parsed.userInfo().contains(QLatin1Char(':')))
        return LibraryResult<LibraryUrl>::failure(LibraryTexts::passwordInUrl());
    if (parsed.hasQuery() || parsed.hasFragment())
        return LibraryResult<LibraryUrl>::failure(LibraryTexts::parametersInUrl());
    const QString database = parsed.path().mid(1);
    if (database.isEmpty() || database.contains(QLatin1Char('/')))
        return LibraryResult<LibraryUrl>::failure(LibraryTexts::noDatabaseInUrl());

    LibraryUrl url;
    url.m_engine = Engine::Postgres;
    url.m_user = parsed.userName();
    url.m_host = parsed.host();
    url.m_port = parsed.port(0);
    url.m_database = database;
    return {url, QString()};
}

QString LibraryUrl::text() const
{
    if (m_engine == Engine::Sqlite)
        return m_path;
    QString text = QStringLiteral("postgresql://");
    if (!m_user.isEmpty())
        text += QString::fromLatin1(QUrl::toPercentEncoding(m_user)) + QLatin1Char('@');
    text += m_host.contains(QLatin1Char(':')) ? QLatin1Char('[') + m_host + QLatin1Char(']') : m_host;
    if (m_port != 0)
        text += QLatin1Char(':') + QString::number(m_port);
    return text + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(m_database));
}
