#include "Library.h"

#include "ImageComparison.h"
#include "LibraryQuery.h"
#include "LibrarySchema.h"
#include "LibraryTexts.h"
#include "LibraryTime.h"
#include "PanelIdentifier.h"
#include "Transaction.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>

namespace {

// What a search looks through, folded so that any case finds it: SQLite's own
// lower() knows only ASCII, and the names are Russian.
QString searchText(const QString& identifier, const QString& name, const QString& address, const QString& contact,
                   const QString& notes)
{
    return QStringList{identifier, name, address, contact, notes}.join(QLatin1Char('\n')).toCaseFolded();
}

QString likePattern(const QString& search)
{
    QString escaped = search.toCaseFolded();
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString sha256Of(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

Library::Library(LibraryUrl url, std::unique_ptr<LibraryConnection> connection)
    : m_url(std::move(url))
    , m_connection(std::move(connection))
{
}

LibraryResult<std::unique_ptr<Library>> Library::open(const LibraryUrl& url, const Options& options)
{
    using Result = LibraryResult<std::unique_ptr<Library>>;
    auto connection = LibraryConnection::open(url, options);
    if (!connection)
        return Result::failure(connection.error);
    if (const auto error = LibrarySchema::bringUpToDate(**connection))
        return Result::failure(*error);
    return {std::unique_ptr<Library>(new Library(url, std::move(*connection))), QString()};
}

LibraryResult<QList<PanelSummary>> Library::panels(const QString& search) const
{
    return panels(search, 0, -1);
}

LibraryResult<QList<PanelSummary>> Library::panels(const QString& search, int offset, int count) const
{
    using Result = LibraryResult<QList<PanelSummary>>;
    const QString filter
        = search.isEmpty() ? QString() : QStringLiteral(" WHERE search_text LIKE :pattern ESCAPE '\\'");
    const QString page = count < 0 ? QString() : QStringLiteral(" LIMIT :count OFFSET :offset");
    LibraryQuery query(m_connection->database(),
                       QStringLiteral("SELECT identifier, name, address, version_count, last_change FROM panels")
                           + filter + QStringLiteral(" ORDER BY identifier") + page);
    if (!search.isEmpty())
        query.bind(QStringLiteral(":pattern"), likePattern(search));
    if (count >= 0)
        query.bind(QStringLiteral(":count"), count).bind(QStringLiteral(":offset"), offset);
    if (!query.exec())
        return Result::failure(reason(query.error()));
    QList<PanelSummary> panels;
    while (query.next())
        panels.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                       query.value(3).toInt(), LibraryTime::fromText(query.value(4).toString())});
    if (query.error().isValid())
        return Result::failure(reason(query.error()));
    return {panels, QString()};
}

LibraryResult<PanelDetails> Library::details(const QString& identifier) const
{
    using Result = LibraryResult<PanelDetails>;
    LibraryQuery query(m_connection->database(),
                       QStringLiteral("SELECT name, address, contact, notes, first_seen, last_seen, version_count,"
                                      " last_change FROM panels WHERE identifier = :identifier"));
    query.bind(QStringLiteral(":identifier"), identifier);
    if (!query.exec())
        return Result::failure(reason(query.error()));
    if (!query.next())
        return Result::failure(query.error().isValid() ? reason(query.error())
                                                       : LibraryTexts::unknownPanel(identifier));
    PanelDetails details;
    details.identifier = identifier;
    details.name = query.value(0).toString();
    details.address = query.value(1).toString();
    details.contact = query.value(2).toString();
    details.notes = query.value(3).toString();
    details.firstSeen = LibraryTime::fromText(query.value(4).toString());
    details.lastSeen = LibraryTime::fromText(query.value(5).toString());
    details.versions = query.value(6).toInt();
    details.lastChange = LibraryTime::fromText(query.value(7).toString());
    return {details, QString()};
}

std::optional<QString> Library::setDetails(const QString& identifier, const DetailsChange& change)
{
    Transaction transaction(m_connection->database());
    if (const auto error = transaction.beginError())
        return reason(*error);
    LibraryQuery& update = transaction.query(QStringLiteral("UPDATE panels SET name = COALESCE(:name, name),"
                                                            " address = COALESCE(:address, address),"
                                                            " contact = COALESCE(:contact, contact),"
                                                            " notes = COALESCE(:notes, notes)"
                                                            " WHERE identifier = :identifier"
                                                            " RETURNING name, address, contact, notes"));
    update.bindText(QStringLiteral(":name"), change.name)
        .bindText(QStringLiteral(":address"), change.address)
        .bindText(QStringLiteral(":contact"), change.contact)
        .bindText(QStringLiteral(":notes"), change.notes)
        .bind(QStringLiteral(":identifier"), identifier);
    if (!update.exec())
        return reason(update.error());
    if (!update.next())
        return update.error().isValid() ? reason(update.error()) : LibraryTexts::unknownPanel(identifier);
    const QString search = searchText(identifier, update.value(0).toString(), update.value(1).toString(),
                                      update.value(2).toString(), update.value(3).toString());
    LibraryQuery& searched =
        transaction.query(QStringLiteral("UPDATE panels SET search_text = :search WHERE identifier = :identifier"));
    searched.bind(QStringLiteral(":search"), search).bind(QStringLiteral(":identifier"), identifier);
    if (!searched.exec())
        return reason(searched.error());
    if (const auto error = transaction.commit())
        return reason(*error);
    return std::nullopt;
}

LibraryResult<QList<VersionEntry>> Library::history(const QString& identifier, Changes changes) const
{
    using Result = LibraryResult<QList<VersionEntry>>;
    QSqlDatabase& database = m_connection->database();
    LibraryQuery query(database, QStringLiteral("SELECT number, recorded, operation, how, operator_name, host, note,"
                                                " image FROM versions WHERE panel = :identifier ORDER BY number"));
    query.bind(QStringLiteral(":identifier"), identifier);
    if (!query.exec())
        return Result::failure(reason(query.error()));
    QList<VersionEntry> entries;
    while (query.next()) {
        VersionEntry entry;
        entry.number = query.value(0).toInt();
        entry.origin.time = LibraryTime::fromText(query.value(1).toString());
        entry.origin.operation = operationFromText(query.value(2).toString()).value_or(Operation::Added);
        entry.origin.how = query.value(3).toString();
        entry.origin.operatorName = query.value(4).toString();
        entry.origin.host = query.value(5).toString();
        entry.origin.note = query.value(6).toString();
        entry.imageSha256 = query.value(7).toString();
        entries.append(entry);
    }
    if (query.error().isValid())
        return Result::failure(reason(query.error()));
    if (entries.isEmpty())
        return Result::failure(missingPanelOrVersion(identifier, std::nullopt));
    if (changes == Changes::Left)
        return {entries, QString()};

    LibraryQuery images(database, QStringLiteral("SELECT DISTINCT images.sha256, images.bytes FROM versions"
                                                 " JOIN images ON images.sha256 = versions.image"
                                                 " WHERE versions.panel = :identifier"));
    images.bind(QStringLiteral(":identifier"), identifier);
    if (!images.exec())
        return Result::failure(reason(images.error()));
    QHash<QString, ConfigImage> bySha;
    while (images.next())
        bySha[images.value(0).toString()].assign(images.value(1).toByteArray());
    for (qsizetype i = 1; i < entries.size(); ++i) {
        const QString& before = entries[i - 1].imageSha256;
        const QString& after = entries[i].imageSha256;
        entries[i].changedFields =
            before == after ? 0 : static_cast<int>(compareImages(bySha.value(before), bySha.value(after)).size());
    }
    return {entries, QString()};
}

LibraryResult<ConfigImage> Library::image(const QString& identifier, int number) const
{
    using Result = LibraryResult<ConfigImage>;
    LibraryQuery query(m_connection->database(),
                       QStringLiteral("SELECT images.bytes FROM versions JOIN images ON images.sha256 = versions.image"
                                      " WHERE versions.panel = :identifier AND versions.number = :number"));
    query.bind(QStringLiteral(":identifier"), identifier).bind(QStringLiteral(":number"), number);
    if (!query.exec())
        return Result::failure(reason(query.error()));
    if (!query.next())
        return Result::failure(query.error().isValid() ? reason(query.error())
                                                       : missingPanelOrVersion(identifier, number));
    ConfigImage image;
    image.assign(query.value(0).toByteArray());
    return {image, QString()};
}

std::optional<QString> Library::eachNewestVersion(const std::function<void(const PanelVersion&)>& take) const
{
    // A panel's count is its newest number: the primary key finds that version.
    LibraryQuery query(m_connection->database(),
                       QStringLiteral("SELECT versions.panel, versions.number, images.bytes FROM panels"
                                      " JOIN versions ON versions.panel = panels.identifier"
                                      " AND versions.number = panels.version_count"
                                      " JOIN images ON images.sha256 = versions.image"
                                      " ORDER BY panels.identifier"));
    if (!query.exec())
        return reason(query.error());
    PanelVersion newest;
    while (query.next()) {
        newest.identifier = query.value(0).toString();
        newest.number = query.value(1).toInt();
        newest.image.assign(query.value(2).toByteArray());
        take(newest);
    }
    if (query.error().isValid())
        return reason(query.error());
    return std::nullopt;
}

QString Library::missingPanelOrVersion(const QString& identifier, std::optional<int> number) const
{
    const LibraryResult<PanelDetails> panel = details(identifier);
    if (!panel)
        return panel.error;
    return number ? LibraryTexts::unknownVersion(identifier, *number) : LibraryTexts::unknownPanel(identifier);
}

LibraryResult<QList<RecordedVersion>> Library::addVersions(const QList<NewVersion>& versions)
{
    using Result = LibraryResult<QList<RecordedVersion>>;
    Transaction transaction(m_connection->database());
    if (const auto error = transaction.beginError())
        return Result::failure(reason(*error));
    QSet<QString> storedImages;
    QList<RecordedVersion> recorded;
    for (const NewVersion& version : versions) {
        const LibraryResult<RecordedVersion> one = addVersion(transaction, version, storedImages);
        if (!one)
            return Result::failure(one.error);
        recorded.append(*one);
    }
    if (const auto error = transaction.commit())
        return Result::failure(reason(*error));
    return {recorded, QString()};
}

// The panel's row first: it is the change's first write, and on PostgreSQL it
// holds the row until the end, so that two programs recording the same panel
// take their numbers one after the other.
LibraryResult<RecordedVersion> Library::addVersion(Transaction& transaction, const NewVersion& version,
                                              QSet<QString>& storedImages)
{
    using Result = LibraryResult<RecordedVersion>;
    RecordedVersion recorded;
    recorded.identifier = panelIdentifier(version.image);
    const VersionOrigin& origin = version.origin;
    const QString time = LibraryTime::toText(origin.time);
    const bool seen = origin.operation != Operation::Added;

    LibraryQuery& panel =
        transaction.query(QStringLiteral("INSERT INTO panels (identifier, search_text, first_seen, last_seen,"
                                         " version_count, last_change)"
                                         " VALUES (:identifier, :search, :seen, :seen, 1, :time)"
                                         " ON CONFLICT (identifier) DO UPDATE SET"
                                         " first_seen = COALESCE(panels.first_seen, excluded.first_seen),"
                                         " last_seen = COALESCE(excluded.last_seen, panels.last_seen),"
                                         " version_count = panels.version_count + 1,"
                                         " last_change = excluded.last_change"
                                         " RETURNING version_count"));
    panel.bind(QStringLiteral(":identifier"), recorded.identifier)
        .bind(QStringLiteral(":search"), searchText(recorded.identifier, {}, {}, {}, {}))
        .bindText(QStringLiteral(":seen"), seen ? std::optional(time) : std::nullopt)
        .bind(QStringLiteral(":time"), time);
    if (!panel.exec() || !panel.next())
        return Result::failure(reason(panel.error()));
    recorded.number = panel.value(0).toInt();

    const QByteArray& bytes = version.image.bytes();
    const QString sha = sha256Of(bytes);
    if (!storedImages.contains(sha)) {
        LibraryQuery& image = transaction.query(QStringLiteral("INSERT INTO images (sha256, bytes)"
                                                               " VALUES (:sha, :bytes)"
                                                               " ON CONFLICT (sha256) DO NOTHING"));
        image.bind(QStringLiteral(":sha"), sha).bind(QStringLiteral(":bytes"), QVariant(bytes));
        if (!image.exec())
            return Result::failure(reason(image.error()));
        recorded.newImage = image.rowsAffected() > 0;
        storedImages.insert(sha);
    }

    LibraryQuery& row =
        transaction.query(QStringLiteral("INSERT INTO versions (panel, number, recorded, operation, how,"
                                         " operator_name, host, note, image) VALUES (:panel, :number, :recorded,"
                                         " :operation, :how, :operator, :host, :note, :image)"));
    row.bind(QStringLiteral(":panel"), recorded.identifier)
        .bind(QStringLiteral(":number"), recorded.number)
        .bind(QStringLiteral(":recorded"), time)
        .bind(QStringLiteral(":operation"), operationText(origin.operation))
        .bind(QStringLiteral(":how"), origin.how)
        .bind(QStringLiteral(":operator"), origin.operatorName)
        .bind(QStringLiteral(":host"), origin.host)
        .bind(QStringLiteral(":note"), origin.note)
        .bind(QStringLiteral(":image"), sha);
    if (!row.exec())
        return Result::failure(reason(row.error()));
    return {recorded, QString()};
}

LibraryResult<LibraryCounts> Library::counts() const
{
    using Result = LibraryResult<LibraryCounts>;
    LibraryQuery query(m_connection->database(),
                       QStringLiteral("SELECT (SELECT COUNT(*) FROM panels), (SELECT COUNT(*) FROM versions),"
                                      " (SELECT COUNT(*) FROM images)"));
    if (!query.exec() || !query.next())
        return Result::failure(reason(query.error()));
    return {LibraryCounts{query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()}, QString()};
}

LibraryResult<QStringList> Library::check() const
{
    using Result = LibraryResult<QStringList>;
    QSqlDatabase& database = m_connection->database();
    QStringList problems = m_connection->storageProblems();

    LibraryQuery images(database, QStringLiteral("SELECT sha256, bytes FROM images ORDER BY sha256"));
    if (!images.exec())
        return Result::failure(reason(images.error()));
    while (images.next()) {
        const QString sha = images.value(0).toString();
        if (sha256Of(images.value(1).toByteArray()) != sha)
            problems << LibraryTexts::imageAltered(sha);
    }

    LibraryQuery orphans(database, QStringLiteral("SELECT versions.panel, versions.number FROM versions"
                                                  " LEFT JOIN images ON images.sha256 = versions.image"
                                                  " WHERE images.sha256 IS NULL ORDER BY versions.panel,"
                                                  " versions.number"));
    if (!orphans.exec())
        return Result::failure(reason(orphans.error()));
    while (orphans.next())
        problems << LibraryTexts::imageMissing(orphans.value(0).toString(), orphans.value(1).toInt());

    // A panel's count is its newest number: versions are never taken away.
    LibraryQuery counted(database, QStringLiteral("SELECT panels.identifier, panels.version_count,"
                                                  " COUNT(versions.number), MAX(versions.number) FROM panels"
                                                  " LEFT JOIN versions ON versions.panel = panels.identifier"
                                                  " GROUP BY panels.identifier, panels.version_count"
                                                  " ORDER BY panels.identifier"));
    if (!counted.exec())
        return Result::failure(reason(counted.error()));
    while (counted.next()) {
        const int recorded = counted.value(1).toInt();
        const int rows = counted.value(2).toInt();
        if (rows != recorded || counted.value(3).toInt() != recorded)
            problems << LibraryTexts::countsDisagree(counted.value(0).toString(), rows, recorded);
    }
    return {problems, QString()};
}
