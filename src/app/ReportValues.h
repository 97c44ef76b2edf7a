#pragma once

#include "PagesImage.h"

#include <QString>

struct CatalogueField;

// How a report shows a field of the pages' image: as the pages show it, a dash
// where it holds nothing, a field the image cannot hold as unreadable with its
// text, and a password or code as a mask unless asked otherwise.
class ReportValues final {
public:
    ReportValues(const PagesImage& pages, bool showPasswords);

    QString of(const CatalogueField& field) const;
    QString of(const QString& key) const;

    // What a password or code shows unless asked otherwise.
    static QString mask() { return QStringLiteral("••••"); }
    // What a field shows when it holds nothing.
    static QString none() { return QStringLiteral("—"); }

    // A password, or a phone number that gives control over the panel.
    static bool isSecret(const CatalogueField& field);
    // A value the panel and the program keep for themselves, which no
    // installer sets: a constant, a number that follows from the field's
    // place, a control that is never shown.
    static bool isInternal(const CatalogueField& field);

private:
    const PagesImage& m_pages;
    bool m_showPasswords;
};
