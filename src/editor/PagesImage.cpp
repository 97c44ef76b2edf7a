#include "PagesImage.h"

#include "FieldCatalogue.h"

#include <QCoreApplication>

PagesImage PagesImage::build(const GeneralPage& general, const ZonesPage& zones, const TextsPage& texts)
{
    PagesImage pages;
    ImageBuilder builder(pages.image, general, zones, texts);
    builder.build();
    pages.failedChecks = builder.failedChecks();
    pages.unreadable = builder.unreadable();
    return pages;
}

std::optional<QString> PagesImage::unreadableText(const CatalogueField& field) const
{
    const ImageLayout::Field bytes = field.layoutField();
    for (const ImageBuilder::Unreadable& entry : unreadable) {
        if (entry.field.offset < bytes.end() && bytes.offset < entry.field.end())
            return entry.text;
    }
    return std::nullopt;
}

QString PagesImage::unreadableValue(const QString& text)
{
    return text.isEmpty() ? QCoreApplication::translate("PagesImage", "не читается: поле пусто")
                          : QCoreApplication::translate("PagesImage", "не читается: «%1»").arg(text);
}
