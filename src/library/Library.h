#pragma once

#include "LibraryConnection.h"
#include "LibraryRecords.h"
#include "LibraryResult.h"
#include "LibraryUrl.h"

#include "ConfigImage.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class Transaction;

// The panel library: every panel's configurations and their history, on
// SQLite or PostgreSQL alike. Versions are only ever added; each change is
// one transaction; an image is stored once, by its SHA-256. Each call says
// why it failed, in one line of the library's words.
class Library final {
public:
    using Options = LibraryConnection::Options;

    // Opens the library, creating it or bringing its schema up to date.
    static LibraryResult<std::unique_ptr<Library>> open(const LibraryUrl& url, const Options& options = {});

    const LibraryUrl& url() const { return m_url; }
    // A library this user may not write: it can still be listed and exported.
    bool isReadOnly() const { return m_connection->isReadOnly(); }

    // The panels in identifier order; with a search, those whose identifier,
    // name, address, contact or notes hold it, whatever the case.
    LibraryResult<QList<PanelSummary>> panels(const QString& search = {}) const;
    // Only `count` of them from the one at `offset` on, in the same order: a
    // long list is read as far as it is looked at.
    LibraryResult<QList<PanelSummary>> panels(const QString& search, int offset, int count) const;
    LibraryResult<PanelDetails> details(const QString& identifier) const;
    std::optional<QString> setDetails(const QString& identifier, const DetailsChange& change);

    enum class Changes { Left, Counted };
    // Oldest first. Counted: each version also says how many fields differ
    // from the version before, which reads the panel's images.
    LibraryResult<QList<VersionEntry>> history(const QString& identifier, Changes changes = Changes::Left) const;
    LibraryResult<ConfigImage> image(const QString& identifier, int number) const;

    struct PanelVersion {
        QString identifier;
        int number = 0;
        ConfigImage image;
    };
    // Every panel's newest version, in identifier order, in one query: one
    // moment's library, handed over a row at a time so that a large library
    // is never held whole. Why it stopped, or nothing.
    std::optional<QString> eachNewestVersion(const std::function<void(const PanelVersion&)>& take) const;

    struct NewVersion {
        ConfigImage image;
        VersionOrigin origin;
    };
    // Each image as a version of the panel its identifier names, all in one
    // transaction: every one of them is recorded, or none.
    LibraryResult<QList<RecordedVersion>> addVersions(const QList<NewVersion>& versions);

    LibraryResult<LibraryCounts> counts() const;
    // What is wrong with the library: the engine's own check, then every
    // version's image there and matching its SHA-256, and every panel's count
    // matching its history. Empty when sound.
    LibraryResult<QStringList> check() const;

private:
    Library(LibraryUrl url, std::unique_ptr<LibraryConnection> connection);

    LibraryResult<RecordedVersion> addVersion(Transaction& transaction, const NewVersion& version,
                                          QSet<QString>& storedImages);
    QString missingPanelOrVersion(const QString& identifier, std::optional<int> number) const;
    QString reason(const QSqlError& error) const { return m_connection->reason(error); }

    LibraryUrl m_url;
    std::unique_ptr<LibraryConnection> m_connection;
};
