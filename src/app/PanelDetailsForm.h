#pragma once

#include "LibraryRecords.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// What the installer knows of one panel, editable, and its "Сохранить".
class PanelDetailsForm final : public QWidget {
    Q_OBJECT
public:
    explicit PanelDetailsForm(QWidget* parent = nullptr);

    // The panel's details, or an empty form that takes nothing when there is no panel.
    void showDetails(const std::optional<PanelDetails>& details);
    DetailsChange change() const;

Q_SIGNALS:
    void saveWanted();

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_contact = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QPushButton* m_save = nullptr;
};
