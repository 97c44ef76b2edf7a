#pragma once

#include "Dialogs.h"
#include "ImageLayout.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

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
// A quiet build serves the commands that only look at the pages. It shows
// nothing, asks nothing (an empty balance request goes on, as a Yes would),
// moves neither the page nor the focus, and stops at nothing: every field goes
// in as the pages show it, also the phones and users the write command would
// leave out after an empty phone or a user in no group. What the write command
// would refuse or leave out is noted instead, and a field whose text the image
// cannot hold stays zero and is noted as unreadable.
class ImageBuilder final {
    Q_DECLARE_TR_FUNCTIONS(ImageBuilder)
public:
    enum class Result { Complete, Stopped };

    // A field whose text on the pages the image cannot hold.
    struct Unreadable {
        ImageLayout::Field field;
        QString text;   // as the page shows it
    };

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

    // After a quiet build, in the write command's order: the texts of the boxes
    // of every check it would fail, of a user list it would cut short and of
    // phones it would leave out (its warning about where the phones end, when
    // a phone follows that end).
    const QStringList& failedChecks() const { return m_failedChecks; }
    // After a quiet build: the fields left zero because the image cannot hold their text.
    const QList<Unreadable>& unreadable() const { return m_unreadable; }

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

    // A Yes/No question; a quiet build takes Yes.
    bool ask(const Dialogs::Message& question);
    // A failed check. The write command shows its box and stops (false); a
    // quiet build notes it and goes on (true).
    bool checkFailed(const Dialogs::Message& message);
    // A box that lets the write command go on, though it leaves something out;
    // a quiet build notes it when something is left out.
    void tell(const Dialogs::Message& message, bool leavesOut);
    // A quiet build leaves the field zero and notes its text.
    void unreadable(ImageLayout::Field field, const QString& text);
    // The write command moves the focus to the field at fault; a quiet build does not.
    void focus(QWidget* control);

    ConfigImage& m_image;
    Dialogs* m_dialogs;   // none for a quiet build
    const GeneralPage& m_general;
    const ZonesPage& m_zones;
    const TextsPage& m_texts;
    std::optional<Sheets> m_sheets;   // none for a quiet build
    QStringList m_failedChecks;
    QList<Unreadable> m_unreadable;
};
