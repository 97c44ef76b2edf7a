#pragma once

#include "ImageLayout.h"

#include <QString>

class ConfigImage;
class GeneralPage;
class TextsPage;
class ZonesPage;

// Refills the pages from a whole image that has just arrived (read or load):
// RestCh, RestDsc and RestTxt, always together and in this order. Every value
// goes in through its control, so the control reacts as to a user's change;
// only the channel boxes' clicks are detached while the channels are laid out.
class ImageRestorer final {
public:
    // The image is only read, except where ticking AvtBox clears the channel kinds.
    ImageRestorer(ConfigImage& image, GeneralPage& general, ZonesPage& zones, TextsPage& texts);

    void RestCh();
    void RestDsc();
    void RestTxt();

    // The four bytes as dotted decimal numbers, lowest offset first.
    static QString ipTextOf(const ConfigImage& image, ImageLayout::Field field);

private:
    void restoreChannel(int record);
    void restoreGsm(int record, int slot);
    void restoreGprs(int record, int slot);
    void restoreEthernet(int record, int slot);
    void restoreSms();
    void restoreZone(int zone);
    void restoreRemoteRecord();
    void restorePhones();
    void restoreTexts();

    int kindOf(int record) const;
    QString decimalOf(ImageLayout::Field field) const;
    bool remoteRecordIsOurs() const;

    ConfigImage& m_image;
    GeneralPage& m_general;
    ZonesPage& m_zones;
    TextsPage& m_texts;
};
