#pragma once

#include <QCoreApplication>
#include <QString>

// The reasons the library gives, one line each without a full stop, in the
// program's own words: the window puts them into its boxes, zq22 after the
// library's name ("zq22: LIBRARY: reason").
class LibraryTexts final {
    Q_DECLARE_TR_FUNCTIONS(LibraryTexts)

public:
    // The URL.
    static QString unknownScheme(const QString& scheme);
    static QString passwordInUrl();
    static QString parametersInUrl();
    static QString noDatabaseInUrl();
    static QString badUrl();

    // Opening.
    static QString noFolder(const QString& folder);
    static QString isFolder();
    static QString notSqlite();
    static QString foreignDatabase();
    static QString newerSchema(int found, int known);
    static QString noDriver(const QString& engine, const QString& package);
    static QString cannotCreate(const QString& reason);
    static QString cannotUpgrade(const QString& reason);

    // Working.
    static QString readOnly();
    static QString busy(int seconds);
    static QString diskFull();
    static QString notPermitted(const QString& reason);
    static QString badIdentifier(const QString& text);
    static QString unknownPanel(const QString& identifier);
    static QString unknownVersion(const QString& identifier, int number);
    static QString onlyOneVersion(const QString& identifier);
    static QString notRecorded(const QString& reason);

    // What a check finds.
    static QString damaged(const QString& reason);
    static QString imageMissing(const QString& identifier, int number);
    static QString imageAltered(const QString& sha256);
    static QString countsDisagree(const QString& identifier, int counted, int recorded);
};
