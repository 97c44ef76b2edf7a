#include "LibraryFill.h"

#include "Library.h"
#include "SampleConfigs.h"

namespace {
constexpr int Batch = 2000;
}

QString LibraryFill::fill(const QString& url, int panels, int versions)
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
