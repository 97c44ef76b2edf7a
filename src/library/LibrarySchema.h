#pragma once

#include <QString>

#include <optional>

class LibraryConnection;

// The tables of a library, the same for SQLite and PostgreSQL, created on
// first use and carried forward by numbered migrations. zq22_schema holds one
// row per migration applied; a library whose newest row is above what this
// program knows is refused and left as it is.
namespace LibrarySchema {

// The newest schema this program knows.
int currentVersion();

// Creates the tables in an empty database or brings older ones up to date.
// Refuses a database that holds another program's tables.
std::optional<QString> bringUpToDate(LibraryConnection& connection);

} // namespace LibrarySchema
