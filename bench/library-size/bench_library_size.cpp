// Builds a small library (100 panels, 1,000 versions) and a big one (10,000
// panels, 200,000 versions), then times zq22 library list and library history
// on each, every run a whole process as a script starts it, and prints the
// big library's time over the small one's (the median of several runs each,
// measured side by side). The indexes and the panels' own counters should keep
// the ratio at 2 or below. On SQLite, and on PostgreSQL when ZQ22_TEST_PG_URL
// names a server: run it as scripts/with-postgres.sh build/<dir>/bin/bench_library_size.
#include "Library.h"
#include "SampleConfigs.h"
#include "ScratchLibrary.h"
#include "Zq22Run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int Runs = 7;
constexpr int Batch = 2000;

struct Size {
    const char* name;
    int panels;
    int versions;
};

constexpr Size Small{"100 panels, 1,000 versions", 100, 1000};
constexpr Size Big{"10,000 panels, 200,000 versions", 10000, 200000};

QTextStream out(stdout);

// Each panel's versions share its one image: the rows are what is measured.
bool fill(const QString& url, const Size& size)
{
    auto library = Library::open(*LibraryUrl::parse(url));
    if (!library) {
        out << "cannot open " << url << ": " << library.error << Qt::endl;
        return false;
    }
    QList<ConfigImage> images;
    for (int panel = 0; panel < size.panels; ++panel)
        images << SampleConfigs::factoryOfPanel(static_cast<quint16>(panel));
    QList<Library::NewVersion> batch;
    for (int version = 0; version < size.versions; ++version) {
        batch.append({images.at(version % size.panels),
                      {Operation::Read, QStringLiteral("USB /dev/ttyUSB0"), QStringLiteral("bench"),
                       QStringLiteral("bench"), QString(), QDateTime::currentDateTimeUtc()}});
        if (batch.size() == Batch || version + 1 == size.versions) {
            const auto added = (*library)->add(batch);
            if (!added) {
                out << "cannot add to " << url << ": " << added.error << Qt::endl;
                return false;
            }
            batch.clear();
        }
    }
    return true;
}

double medianMs(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

bool measure(ScratchLibrary::Engine engine, const char* engineName)
{
    ScratchLibrary small;
    ScratchLibrary big;
    for (ScratchLibrary* scratch : {&small, &big}) {
        const QString problem = scratch->create(engine);
        if (!problem.isEmpty()) {
            out << engineName << ": " << problem << Qt::endl;
            return false;
        }
    }
    QElapsedTimer filling;
    filling.start();
    if (!fill(small.url(), Small) || !fill(big.url(), Big))
        return false;
    out << engineName << ": libraries built in " << QString::number(filling.elapsed() / 1000.0, 'f', 1) << " s"
        << Qt::endl;

    const QList<QPair<const char*, QStringList>> commands = {
        {"library list   ", {QStringLiteral("library"), QStringLiteral("list")}},
        {"library history", {QStringLiteral("library"), QStringLiteral("history"), QStringLiteral("0032")}},
    };
    for (const auto& [name, arguments] : commands) {
        QList<double> smallMs;
        QList<double> bigMs;
        for (int run = 0; run < Runs; ++run) {
            for (auto [scratch, times] : {std::pair{&small, &smallMs}, std::pair{&big, &bigMs}}) {
                QElapsedTimer elapsed;
                elapsed.start();
                const Zq22Run zq22 = Zq22Run::start(arguments + QStringList{QStringLiteral("--library"), scratch->url()});
                times->append(elapsed.nsecsElapsed() / 1e6);
                if (zq22.exitCode != 0) {
                    out << engineName << " " << name << ": failed: " << zq22.err << Qt::endl;
                    return false;
                }
            }
        }
        out << engineName << " " << name << ": small " << QString::number(medianMs(smallMs), 'f', 1) << " ms, big "
            << QString::number(medianMs(bigMs), 'f', 1) << " ms, ratio "
            << QString::number(medianMs(bigMs) / medianMs(smallMs), 'f', 2) << Qt::endl;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    bool ok = measure(ScratchLibrary::Engine::Sqlite, "SQLite    ");
    if (qEnvironmentVariableIsEmpty("ZQ22_TEST_PG_URL"))
        out << "PostgreSQL: skipped, ZQ22_TEST_PG_URL is not set (scripts/with-postgres.sh sets it)" << Qt::endl;
    else
        ok = measure(ScratchLibrary::Engine::Postgres, "PostgreSQL") && ok;
    return ok ? 0 : 1;
}
