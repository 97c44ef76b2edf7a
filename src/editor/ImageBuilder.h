#pragma once

#include "Dialogs.h"
#include "TrackedImage.h"

#include <QBitArray>
#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <optional>

class ConfigImage;
class GeneralPage;
class QTabWidget;
class QWidget;
class StringGrid;
class TextsPage;
class ZonesPage;

// WrBtnClick up to the hand-over: clears the image, checks the pages and
// builds the image from them. A failed check shows its box, brings the page
// concerned to the front and stops; the image then holds what was written so far.
// A quiet build runs the same steps and checks for commands that only look at
// the pages: it shows nothing, asks nothing (an empty balance request goes on,
// as a Yes would) and moves neither the page nor the focus.
class ImageBuilder final {
    Q_DECLARE_TR_FUNCTIONS(ImageBuilder)
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
    // A quiet builder.
    ImageBuilder(ConfigImage& image, const GeneralPage& general, const ZonesPage& zones, const TextsPage& texts);

    Result build();

    // The text of the check that stopped the last build; empty when none did.
    const QString& failedCheck() const { return m_failedCheck; }
    // The bytes the last build stored, each bit an offset: after a stop, what it reached.
    const QBitArray& written() const { return m_image.written(); }

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

    // A box that lets the build go on.
    void tell(const Dialogs::Message& message);
    // A Yes/No question; a quiet build takes Yes.
    bool ask(const Dialogs::Message& question);
    // A failed check: notes it, shows its box and answers false, for stopping.
    bool refuse(const Dialogs::Message& message);
    // The write command moves the focus to the field at fault; a quiet build does not.
    void focus(QWidget* control);

    TrackedImage m_image;
    Dialogs* m_dialogs;   // none for a quiet build
    const GeneralPage& m_general;
    const ZonesPage& m_zones;
    const TextsPage& m_texts;
    std::optional<Sheets> m_sheets;   // none for a quiet build
    QString m_failedCheck;
};
