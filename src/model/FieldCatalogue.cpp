#include "FieldCatalogue.h"

namespace FieldCatalogue {

const QList<CatalogueField>& fields()
{
    static const QList<CatalogueField> table{
        {QStringLiteral("reserved.image"), QString(), QString(), QString(), 1, ImageLayout::ImageSize,
         FieldKind::Reserved, 1, {}},
    };
    return table;
}

const CatalogueField* find(const QString& key)
{
    for (const CatalogueField& field : fields()) {
        if (field.key == key)
            return &field;
    }
    return nullptr;
}

QString displayValue(const CatalogueField& field, const ConfigImage& image)
{
    return QString::fromLatin1(image.bytes().mid(field.offset - 1, field.size).toHex());
}

} // namespace FieldCatalogue
