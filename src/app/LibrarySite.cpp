#include "LibrarySite.h"

#include "Library.h"
#include "LibrarySettings.h"
#include "PanelKey.h"

ReportContent::Site LibrarySite::of(const LibrarySettings& settings, const QString& panel)
{
    const LibraryResult<LibraryUrl> url = settings.url();
    const LibraryResult<QString> identifier = PanelKey::parse(panel);
    if (!url || !identifier)
        return {};
    const auto library = Library::open(*url);
    if (!library)
        return {};
    const LibraryResult<PanelDetails> details = (*library)->details(*identifier);
    if (!details)
        return {};
    return {details->name, details->address, details->contact};
}
