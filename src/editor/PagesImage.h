#pragma once

#include "ConfigImage.h"
#include "ImageBuilder.h"

#include <QList>
#include <QStringList>

#include <optional>

struct CatalogueField;
class GeneralPage;
class TextsPage;
class ZonesPage;

// The configuration as the pages show it, every field, whatever write check
// the pages fail: built quietly (no box, no question, no page change), with
// the checks the write command would fail listed beside, and the fields whose
// text the image cannot hold named as unreadable. The commands that only look
// at the pages (compare, report, taking fields from elsewhere) start here.
struct PagesImage {
    ConfigImage image;
    // The write command's texts for what it would refuse or leave out, in its order.
    QStringList failedChecks;
    // Left zero in the image.
    QList<ImageBuilder::Unreadable> unreadable;

    static PagesImage build(const GeneralPage& general, const ZonesPage& zones, const TextsPage& texts);

    // The text on the pages of a field the image cannot hold; nothing when it holds it.
    std::optional<QString> unreadableText(const CatalogueField& field) const;
    // What is shown in place of the value of a field the image cannot hold,
    // given its text on the pages (or what stands for that text).
    static QString unreadableValue(const QString& text);
};
