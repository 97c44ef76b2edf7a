#include "PagesImage.h"

#include "FieldCatalogue.h"
#include "ImageBuilder.h"

PagesImage PagesImage::build(const GeneralPage& general, const ZonesPage& zones, const TextsPage& texts)
{
    PagesImage pages;
    ImageBuilder builder(pages.image, general, zones, texts);
    pages.complete = builder.build() == ImageBuilder::Result::Complete;
    pages.failedCheck = builder.failedCheck();
    pages.written = builder.written();
    return pages;
}

bool PagesImage::reached(const CatalogueField& field) const
{
    if (complete)
        return true;
    for (int offset = field.offset - 1; offset < field.offset - 1 + field.size; ++offset) {
        if (written.testBit(offset))
            return true;
    }
    return false;
}
