#include "TransferRecording.h"

#include "Console.h"
#include "LibraryAccess.h"

namespace {
const QString NoLibrary = QStringLiteral("no-library");
}

TransferRecording::TransferRecording(Console& console)
    : m_console(console)
{
}

QList<QCommandLineOption> TransferRecording::options()
{
    return {
        LibraryAccess::option(),
        QCommandLineOption(NoLibrary, QStringLiteral("Record no version in the library.")),
    };
}

std::optional<TransferRecording> TransferRecording::fromOptions(const QCommandLineParser& parsed, Console& console)
{
    TransferRecording recording(console);
    if (parsed.isSet(NoLibrary))
        return recording;
    const LibraryResult<LibraryUrl> url = LibraryAccess::url(parsed);
    if (!url) {
        console.fail(LibraryAccess::subject(parsed), url.error);
        return std::nullopt;
    }
    recording.m_subject = url->text();
    recording.m_recorder.emplace(*url);
    return recording;
}

void TransferRecording::record(const ConfigImage& image, Operation operation, const QString& how) const
{
    if (!m_recorder)
        return;
    const LibraryResult<RecordedVersion> recorded = m_recorder->record(image, operation, how);
    if (!recorded)
        m_console.fail(m_subject, recorded.error);
}
