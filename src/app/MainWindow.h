#pragma once

#include "ConfigFiles.h"
#include "ConfigImage.h"
#include "LinkHost.h"
#include "PagesChange.h"
#include "Platform.h"
#include "Translations.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class ClockLabel;
class CompareDialog;
struct Comparison;
class GeneralPage;
class ImageRestorer;
class LibraryDialog;
class PanelLink;
struct PagesImage;
class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QProgressBar;
class QPushButton;
class QTabWidget;
class StatusLight;
class TextsPage;
class VersionRecording;
class ZonesPage;

// A_Form: the one main window. It owns the configuration image, the menu, the
// page control and the status bar, and the arrangements every other room uses.
class MainWindow final : public QMainWindow, public LinkHost {
    Q_OBJECT
public:
    explicit MainWindow(const Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows WrBtn and enables it and the six transfer and file commands.
    void EnableAll() override;
    // The exact opposite of EnableAll.
    void DisableAll() override;
    // Waits wt ticks of 55 ms while events go on; returns at once when closing.
    void M_Delay(int wt) override;

    bool closingFlag() const override { return m_closingFlag; }
    void setClosingFlag() override { m_closingFlag = true; }

    void setStatus(const QString& text) override;

    void setItemEnabled(Item item, bool enabled) override;
    void setWrBtnVisible(bool visible) override;
    void setWrBtnEnabled(bool enabled) override;
    void setGaugeVisible(bool visible) override;
    void setGauge(int percent) override;
    void setWhoLit(bool lit) override;
    QString accountText() const override;
    QString confPortText() const override;
    void focusConfPortEdit() override;
    void showFirstPage() override;
    void makeVerSimReadOnly() override;
    void restorePages() override;
    void clearSaveRequest() override;
    void requestClose() override;
    // Records the transfer as a version in the library, unless the user turned that off.
    void transferDone(Transfer transfer, const Route& route) override;

    ConfigImage& image() { return m_image; }
    // The pages as an image, every field, with the write checks they fail:
    // what the commands that only look at the pages work on.
    PagesImage pagesImage() const;
    GeneralPage& generalPage() { return *m_generalPage; }
    ZonesPage& zonesPage() { return *m_zonesPage; }
    TextsPage& textsPage() { return *m_textsPage; }
    PanelLink& link() { return *m_link; }

    bool saveRequest() const { return m_saveRequest; }

    // Files named on the command line, loaded as "Загрузить" would once the
    // window is first shown and has its factory configuration.
    void setStartFiles(const QStringList& files) { m_startFiles = files; }

public Q_SLOTS:
    void ItemExitClick();
    void WrBtnClick();
    void ItemWrClick();
    void ItemSaveClick();
    void ItemDefaultClick();
    void ItemCompareClick();
    void ItemApplyTemplateClick();
    void ItemReportClick();
    void ItemLibraryClick();

public:
    // The library dialog while it is open.
    LibraryDialog* libraryDialog() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate();
    QAction* itemAction(Item item) const;
    void createMenu();
    void createServiceMenu();
    void createLanguageMenu();
    // Keeps the language for the next start: the texts already shown stay as they are.
    void chooseLanguage(Translations::Language language);
    void createPages();
    void createBottomBar();
    // The exit question; true when the user confirms.
    bool FormCloseQuery();
    // The start-up configuration, on the first showing of the window.
    void FormShow();
    // The save step of WrBtnClick; true when the command is to go on to the panel.
    bool saveStep();
    void openStartFiles();
    ConfigFiles::Pages loadPages();
    // Files named at start or dropped: one only, loaded as "Загрузить" loads it.
    void openFiles(const QStringList& paths, const ConfigFiles::Pages& pages);
    // The local files of a drag while "Загрузить" is offered: a lone .q22 file,
    // or what is taken only to be refused with a reason (several files, a JSON
    // file); nothing for anything else.
    QStringList droppedFiles(const QMimeData* data) const;
    // Brings a field of the catalogue into sight on the pages, for the compare dialog.
    void showField(const QString& key);
    // The compare dialog, its rows from `compare` (made anew after each take),
    // its ticked fields taken from `source`; none when the pages are neither
    // side, as between two versions of the library, and nothing is taken.
    void openComparison(const std::function<Comparison()>& compare, const std::optional<ConfigImage>& source);
    void takeFields(const QStringList& keys, const ConfigImage& source, const std::function<Comparison()>& compare);
    void undoTake(const std::function<Comparison()>& compare);
    // The library dialog's commands on the pages.
    void openVersion(const ConfigImage& version);
    void compareWithVersion(const ConfigImage& version, const QString& versionName);
    void addPagesToLibrary();

    Platform m_platform;
    ConfigImage m_image;
    bool m_closingFlag = false;
    std::unique_ptr<PanelLink> m_link;
    ConfigFiles m_files;
    PagesChange m_change;   // the compare dialog's takes
    std::unique_ptr<ImageRestorer> m_restorer;
    bool m_saveRequest = false;
    bool m_shownOnce = false;
    QStringList m_startFiles;
    QPointer<CompareDialog> m_compareDialog;
    bool m_compareTakes = false;   // the compare dialog's fields can be taken onto the pages
    VersionRecording* m_recording = nullptr;
    QPointer<LibraryDialog> m_libraryDialog;

    QMenu* m_itemLink = nullptr;
    QMenu* m_n1 = nullptr;
    QAction* m_usb2 = nullptr;
    QAction* m_bt = nullptr;
    QAction* m_n2 = nullptr;
    QAction* m_itemRead = nullptr;
    QAction* m_itemWr = nullptr;
    QAction* m_itemSave = nullptr;
    QAction* m_itemLoad = nullptr;
    QAction* m_itemDefault = nullptr;
    QAction* m_itemExit = nullptr;
    QMenu* m_itemService = nullptr;
    QAction* m_itemCompare = nullptr;
    QAction* m_itemApplyTemplate = nullptr;
    QAction* m_itemReport = nullptr;
    QAction* m_itemLibrary = nullptr;
    QMenu* m_itemLanguage = nullptr;

    QTabWidget* m_pageConfig = nullptr;
    QWidget* m_sheetPblSet = nullptr;
    QWidget* m_sheetZones = nullptr;
    QWidget* m_sheetMes = nullptr;
    QWidget* m_sheetKS = nullptr;
    GeneralPage* m_generalPage = nullptr;
    ZonesPage* m_zonesPage = nullptr;
    TextsPage* m_textsPage = nullptr;
    QPushButton* m_wrBtn = nullptr;
    QProgressBar* m_gauge = nullptr;

    QLabel* m_sb = nullptr;
    ClockLabel* m_clock = nullptr;
    StatusLight* m_whoLbl = nullptr;
};
