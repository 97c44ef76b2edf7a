// Builds a small library (100 panels, 1,000 versions), a big one (10,000
// panels, 200,000 versions) and one with the big one's panels but a twentieth
// of its versions, then times zq22 library list and library history on each,
// every run a whole process as a script starts it, and prints the ratios of
// their times (the median of several runs each, measured side by side). A
// panel's history and the list's cost per panel should not grow with the
// number of versions: the indexes and the panels' own counters carry them.
// The list prints every panel, so it grows with their number. On SQLite, and
// on PostgreSQL when ZQ22_TEST_PG_URL names a server: run it as
// scripts/with-postgres.sh build/<dir>/bin/bench_library_size.
#include "LibraryBench.h"
#include "ScratchLibrary.h"
#include "Zq22Run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

using LibraryBench::median;
using LibraryBench::ms;
using LibraryBench::Size;

constexpr int Runs = 7;

constexpr Size Small{"small", 100, 1000};
constexpr Size Panels{"10,000 panels", 10000, 10000};
constexpr Size Big{"big", 10000, 200000};

QTextStream out(stdout);

bool fill(const QString& url, const Size& size)
{
    const QString problem = LibraryBench::fill(url, size.panels, size.versions);
    if (!problem.isEmpty())
        out << problem << Qt::endl;
    return problem.isEmpty();
}

struct Command {
    const char* name;
    QStringList arguments;
};

// The median time of each library's runs, in milliseconds, taken in turn.
QList<double> times(const Command& command, const QList<ScratchLibrary*>& libraries, bool& ok)
{
    QList<QList<double>> runs(libraries.size());
    for (int run = 0; run < Runs; ++run) {
        for (qsizetype i = 0; i < libraries.size(); ++i) {
            QElapsedTimer elapsed;
            elapsed.start();
            const Zq22Run zq22 =
                Zq22Run::start(command.arguments + QStringList{QStringLiteral("--library"), libraries[i]->url()});
            runs[i].append(elapsed.nsecsElapsed() / 1e6);
            if (zq22.exitCode != 0) {
                out << command.name << ": failed: " << zq22.err << Qt::endl;
                ok = false;
            }
        }
    }
    QList<double> medians;
    for (const QList<double>& library : runs)
        medians << median(library);
    return medians;
}

bool measure(ScratchLibrary::Engine engine, const char* engineName)
{
    ScratchLibrary small;
    ScratchLibrary panels;
    ScratchLibrary big;
    const QList<std::pair<ScratchLibrary*, Size>> libraries = {{&small, Small}, {&panels, Panels}, {&big, Big}};
    QElapsedTimer filling;
    filling.start();
    for (const auto& [scratch, size] : libraries) {
        const QString problem = scratch->create(engine);
        if (!problem.isEmpty()) {
            out << engineName << ": " << problem << Qt::endl;
            return false;
        }
        if (!fill(scratch->url(), size))
            return false;
    }
    out << engineName << ": libraries built in " << QString::number(filling.elapsed() / 1000.0, 'f', 1) << " s"
        << Qt::endl;

    bool ok = true;
    const QList<double> list =
        times({"library list", {QStringLiteral("library"), QStringLiteral("list")}}, {&small, &panels, &big}, ok);
    const QList<double> history = times(
        {"library history", {QStringLiteral("library"), QStringLiteral("history"), QStringLiteral("0032")}},
        {&small, &big}, ok);
    if (!ok)
        return false;
    out << engineName << " library history: small " << ms(history[0]) << ", big " << ms(history[1])
        << ", ratio " << QString::number(history[1] / history[0], 'f', 2) << Qt::endl;
    out << engineName << " library list:    small " << ms(list[0]) << ", big " << ms(list[2]) << ", ratio "
        << QString::number(list[2] / list[0], 'f', 2) << " (a hundred times the panels printed)" << Qt::endl;
    out << engineName << " library list:    10,000 panels with 10,000 versions " << ms(list[1]) << ", with 200,000 "
        << ms(list[2]) << ", ratio " << QString::number(list[2] / list[1], 'f', 2) << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return LibraryBench::onEachEngine(measure, out);
}
