#pragma once

#include "ConfigImage.h"

#include <QBitArray>
#include <QString>

struct CatalogueField;
class GeneralPage;
class TextsPage;
class ZonesPage;

// The configuration on the pages as an image, built as the write command builds
// it but without a box, a question or a page change, for the commands that
// only look at the pages. A page state the write command would refuse gives
// the image as far as the build went.
struct PagesImage {
    ConfigImage image;
    bool complete = false;
    QString failedCheck;   // the write command's box for the check that stopped the build
    QBitArray written;     // the bytes the build stored

    static PagesImage build(const GeneralPage& general, const ZonesPage& zones, const TextsPage& texts);

    // Whether the build filled the field: always after a complete build; after
    // a stop, only the fields it stored before it.
    bool reached(const CatalogueField& field) const;
};
