#pragma once

#include <QString>

#include <cstdint>

class ConfigImage;
class Dialogs;
class GeneralPage;
class QTabWidget;
class QWidget;
class StringGrid;
class TextsPage;
class ZonesPage;

// WrBtnClick up to the hand-over: clears the image, checks the pages and
// builds the image from them. A failed check shows its box, brings the page
// concerned to the front and stops; the image then holds what was written so far.
class ImageBuilder final {
public:
    enum class Result { Complete, Stopped };

    // Where the builder turns the page control when a check fails.
    struct Sheets {
        QTabWidget& pageConfig;
        QWidget& sheetPblSet;
        QWidget& sheetZones;
    };

    ImageBuilder(ConfigImage& image, Dialogs& dialogs, const GeneralPage& general, const ZonesPage& zones,
                 const TextsPage& texts, const Sheets& sheets);

    Result build();

    // The type code of zone column n of GridZone, 0 when the zone is off.
    static int ZoneTypeOf(const StringGrid& gridZone, int zone);
    // numerator / denominator to the nearest whole number, a half to the even neighbour.
    static std::int64_t roundHalfEven(std::int64_t numerator, std::int64_t denominator);

private:
    bool buildAccount();
    bool buildSms();
    bool buildRemoteRecord();
    bool buildPhones();
    void buildTexts();
    bool buildBalanceRequest();
    void buildUpdateAndWifi();
    void buildGeneralBytes();
    bool buildZones();
    void buildGroups();
    void buildUsers();

    ConfigImage& m_image;
    Dialogs& m_dialogs;
    const GeneralPage& m_general;
    const ZonesPage& m_zones;
    const TextsPage& m_texts;
    Sheets m_sheets;
};
