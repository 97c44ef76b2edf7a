#include "VersionRecording.h"

#include "Dialogs.h"
#include "LibrarySettings.h"
#include "LibraryTexts.h"
#include "VersionRecorder.h"

namespace {

QString howOf(const LinkHost::Route& route)
{
    return route.serialPort.isEmpty() ? VersionRecorder::udpRoute(route.address, route.port)
                                      : VersionRecorder::serialRoute(route.serialPort);
}

// The library's reasons are lines to follow a colon; a box begins with a capital.
QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

} // namespace

VersionRecording::VersionRecording(Preferences& preferences, Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_dialogs(dialogs)
{
}

void VersionRecording::recordTransfer(const ConfigImage& image, LinkHost::Transfer transfer,
                                      const LinkHost::Route& route)
{
    if (!LibrarySettings(m_preferences).recording())
        return;
    record(image, transfer == LinkHost::Transfer::Read ? Operation::Read : Operation::Write, howOf(route));
}

bool VersionRecording::recordPages(const ConfigImage& image)
{
    return record(image, Operation::Added, PagesRoute);
}

bool VersionRecording::record(const ConfigImage& image, Operation operation, const QString& how)
{
    const LibrarySettings settings(m_preferences);
    const LibraryResult<LibraryUrl> url = settings.url();
    auto result = LibraryResult<RecordedVersion>::failure(LibraryTexts::notRecorded(url.error));
    if (url) {
        VersionRecorder recorder(*url);
        recorder.setOperatorName(settings.operatorName());
        result = recorder.record(image, operation, how);
    }
    if (!result) {
        tell(m_dialogs, result.error);
        return false;
    }
    Q_EMIT recorded(*result);
    return true;
}

void VersionRecording::tell(Dialogs& dialogs, const QString& reason)
{
    dialogs.message(Dialogs::Message::error(sentence(reason), caption()));
}
