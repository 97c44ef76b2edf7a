#include "VersionRecorder.h"

#include "LibraryTexts.h"
#include "LibraryTime.h"

#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

VersionRecorder::VersionRecorder(LibraryUrl url, Library::Options options)
    : m_url(std::move(url))
    , m_options(options)
    , m_operatorName(loginName())
{
}

LibraryResult<RecordedVersion> VersionRecorder::record(const ConfigImage& image, Operation operation,
                                                       const QString& how, const QString& note) const
{
    using Result = LibraryResult<RecordedVersion>;
    auto library = Library::open(m_url, m_options);
    if (!library)
        return Result::failure(LibraryTexts::notRecorded(library.error));
    const auto recorded = (*library)->addVersions({{image, here(operation, how, note, m_operatorName)}});
    if (!recorded)
        return Result::failure(LibraryTexts::notRecorded(recorded.error));
    return {recorded->constFirst(), QString()};
}

VersionOrigin VersionRecorder::here(Operation operation, const QString& how, const QString& note,
                                    const QString& operatorName)
{
    return {operation, how, operatorName, QSysInfo::machineHostName(), note, LibraryTime::nowUtc()};
}

QString VersionRecorder::serialRoute(const QString& port)
{
    return QStringLiteral("USB ") + port;
}

QString VersionRecorder::udpRoute(const QString& address, quint16 port)
{
    return QStringLiteral("UDP %1:%2").arg(address).arg(port);
}

QString VersionRecorder::loginName()
{
    for (const char* variable : {"LOGNAME", "USER", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
#ifdef Q_OS_UNIX
    // A service or a container may set none of them.
    if (const passwd* user = getpwuid(getuid()))
        return QString::fromLocal8Bit(user->pw_name);
#endif
    return {};
}
