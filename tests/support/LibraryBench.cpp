#include "LibraryBench.h"

#include "Library.h"
#include "SampleConfigs.h"

#include <algorithm>

namespace {
constexpr int Batch = 2000;
}

QString LibraryBench::fill(const QString& url, int panels, int versions)
{
    auto library = Library::open(*LibraryUrl::parse(url));
    if (!library)
        return QStringLiteral("cannot open %1: %2").arg(url, library.error);
    QList<ConfigImage> images;
    for (int panel = 0; panel < panels; ++panel)
        images << SampleConfigs::factoryOfPanel(static_cast<quint16>(panel));
    QList<Library::NewVersion> batch;
    for (int version = 0; version < versions; ++version) {
        batch.append({images.at(version % panels),
                      {Operation::Read, QStringLiteral("USB /dev/ttyUSB0"), QStringLiteral("bench"),
                       QStringLiteral("bench"), QString(), QDateTime::currentDateTimeUtc()}});
        if (batch.size() == Batch || version + 1 == versions) {
            const auto added = (*library)->addVersions(batch);
            if (!added)
                return QStringLiteral("cannot add to %1: %2").arg(url, added.error);
            batch.clear();
        }
    }
    return {};
}

int LibraryBench::onEachEngine(const std::function<bool(ScratchLibrary::Engine, const char*)>& measure,
                               QTextStream& out)
{
    bool ok = measure(ScratchLibrary::Engine::Sqlite, "SQLite    ");
    if (qEnvironmentVariableIsEmpty("ZQ22_TEST_PG_URL"))
        out << "PostgreSQL: skipped, ZQ22_TEST_PG_URL is not set (scripts/with-postgres.sh sets it)" << Qt::endl;
    else
        ok = measure(ScratchLibrary::Engine::Postgres, "PostgreSQL") && ok;
    return ok ? 0 : 1;
}

double LibraryBench::median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

QString LibraryBench::ms(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" ms");
}
