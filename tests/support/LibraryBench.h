#pragma once

#include "ScratchLibrary.h"

#include <QList>
#include <QString>
#include <QTextStream>

#include <functional>

// What the library's benchmarks share.
namespace LibraryBench {

// A library's size, as a benchmark names it.
struct Size {
    const char* name;
    int panels;
    int versions;
};

// Fills a library: `versions` versions spread over `panels` panels (the
// panel n is named by n in hexadecimal, 50 is "0032"), each panel's versions
// sharing its one image, so that the rows are what is measured. Empty once
// filled; otherwise why not.
QString fill(const QString& url, int panels, int versions);

// Measures on SQLite, then on PostgreSQL when ZQ22_TEST_PG_URL names a server
// (scripts/with-postgres.sh sets it), saying so when it does not; the exit
// status: 0 when every measurement was made.
int onEachEngine(const std::function<bool(ScratchLibrary::Engine engine, const char* name)>& measure,
                 QTextStream& out);

double median(QList<double> times);
// "12.3 ms"
QString ms(double value);

} // namespace LibraryBench
