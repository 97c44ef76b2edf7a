#pragma once

#include <QDialog>

class Dialogs;
class Preferences;
class QCheckBox;
class QLineEdit;

// Which library the window uses, who records, and whether transfers record
// versions at all; kept when accepted, and only a library URL that parses is.
class LibrarySettingsDialog final : public QDialog {
    Q_OBJECT
public:
    LibrarySettingsDialog(Preferences& preferences, Dialogs& dialogs, QWidget* parent = nullptr);

    void accept() override;

private:
    Preferences& m_preferences;
    Dialogs& m_dialogs;
    QLineEdit* m_url = nullptr;
    QLineEdit* m_operator = nullptr;
    QCheckBox* m_recording = nullptr;
};
