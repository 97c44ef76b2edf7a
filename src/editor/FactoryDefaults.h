#pragma once

class ConfigImage;
class GeneralPage;
class QTabWidget;
class QWidget;
class TextsPage;
class ZonesPage;

// ItemDefaultClick: puts every page into the panel's factory configuration
// through the controls, so that their reactions run as a user's changes would,
// and clears the image. Asks nothing and shows nothing.
class FactoryDefaults final {
public:
    FactoryDefaults(ConfigImage& image, GeneralPage& general, ZonesPage& zones, TextsPage& texts,
                    QTabWidget& pageConfig, QWidget& sheetPblSet);

    void apply();

private:
    void putGeneralSettings();
    void putChannels();

    ConfigImage& m_image;
    GeneralPage& m_general;
    ZonesPage& m_zones;
    TextsPage& m_texts;
    QTabWidget& m_pageConfig;
    QWidget& m_sheetPblSet;
};
