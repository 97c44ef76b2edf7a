#pragma once

#include "Comparison.h"
#include "ConfigImage.h"
#include "Library.h"

#include <QDialog>

#include <memory>
#include <optional>

class Dialogs;
class PanelDetailsForm;
class PanelListModel;
class Preferences;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class VersionListModel;

// "Библиотека…": the panels of the library the window uses, searched as one
// types; the chosen panel's details, edited and saved; its history, newest
// first; and what can be done with a version. What concerns the pages (a
// version opened onto them or compared with them, the pages added) is asked
// of the window, which applies its own rules. Nothing here deletes a version.
class LibraryDialog final : public QDialog {
    Q_OBJECT
public:
    LibraryDialog(Preferences& preferences, Dialogs& dialogs, const QString& folder, QWidget* parent = nullptr);
    ~LibraryDialog() override;

    // Opens the library the settings name afresh and lists it again.
    void reopen();
    // Lists the panels again after a change, keeping the chosen one.
    void refresh();
    void choosePanel(const QString& identifier);

Q_SIGNALS:
    void openWanted(const ConfigImage& image);
    void compareWithPagesWanted(const ConfigImage& image, const QString& versionName);
    void comparisonWanted(const Comparison& comparison);
    void addPagesWanted();

private:
    void buildLayout();
    void listPanels();
    void showPanel();
    void saveDetails();
    void chooseSettings();
    void updateButtons();
    std::optional<QString> chosenPanel() const;
    // The versions chosen in the history, newest first.
    QList<VersionEntry> chosenVersions() const;
    // The image of the one version chosen; none after a box saying why.
    std::optional<ConfigImage> chosenImage();
    std::optional<ConfigImage> imageOf(const QString& panel, const VersionEntry& version);
    void openVersion();
    void compareWithPages();
    void compareVersions();
    void exportVersion();
    // One box for whatever the library refused.
    void showReason(const QString& reason);

    Preferences& m_preferences;
    Dialogs& m_dialogs;
    QString m_folder;
    std::unique_ptr<Library> m_library;

    QLabel* m_where = nullptr;
    QLineEdit* m_search = nullptr;
    QTableView* m_panels = nullptr;
    PanelListModel* m_panelModel = nullptr;
    PanelDetailsForm* m_details = nullptr;
    QTableView* m_history = nullptr;
    VersionListModel* m_historyModel = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_comparePages = nullptr;
    QPushButton* m_compareVersions = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_addPages = nullptr;
};
