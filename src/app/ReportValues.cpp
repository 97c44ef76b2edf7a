#include "ReportValues.h"

#include "FieldCatalogue.h"

#include <QRegularExpression>

ReportValues::ReportValues(const PagesImage& pages, bool showPasswords)
    : m_pages(pages)
    , m_showPasswords(showPasswords)
{
}

QString ReportValues::of(const CatalogueField& field) const
{
    const bool masked = isSecret(field) && !m_showPasswords;
    // The image holds zero there: its value would be made up.
    if (const std::optional<QString> text = m_pages.unreadableText(field))
        return PagesImage::unreadableValue(masked && !text->isEmpty() ? mask() : *text);
    const ConfigImage& image = m_pages.image;
    const QString shown = FieldCatalogue::displayValue(field, image);
    const bool empty = shown.trimmed().isEmpty()
                       || (field.kind == FieldKind::Ipv4 && image.value(field.layoutField()) == 0);
    if (empty)
        return none();
    return masked ? mask() : shown;
}

QString ReportValues::of(const QString& key) const
{
    const CatalogueField* field = FieldCatalogue::find(key);
    Q_ASSERT(field);
    return of(*field);
}

bool ReportValues::isSecret(const CatalogueField& field)
{
    static const QStringList secrets = {
        QStringLiteral("wifi.password"),
        QStringLiteral("general.block_phone"),
        QStringLiteral("general.unblock_phone"),
        QStringLiteral("update.phone"),
    };
    return secrets.contains(field.key);
}

bool ReportValues::isInternal(const CatalogueField& field)
{
    static const QRegularExpression internal(QStringLiteral(
        "^(general\\.layout_mark|update\\.firmware_version|channels\\[1\\]\\.test_period_s"
        "|zones\\[\\w+\\]\\.(marker|number|class)|users\\[\\d+\\]\\.number|channels\\[\\d+\\]\\.mac_number)$"));
    return internal.match(field.key).hasMatch();
}
