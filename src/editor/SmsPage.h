#pragma once

#include <QWidget>

#include <array>

class Dialogs;
class QCheckBox;
class QLabel;
class QLineEdit;

// SheetVoice: up to six telephone numbers that receive SMS, each row opened
// once the row above holds a full number.
class SmsPage final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Rows = 6;

    explicit SmsPage(Dialogs& dialogs, QWidget* parent = nullptr);

    std::array<QLabel*, Rows> lblP{};       // lblP1..lblP6
    std::array<QLineEdit*, Rows> phV{};     // PhV1..PhV6
    std::array<QCheckBox*, Rows> chkCh{};   // chkCh1..chkCh6
    QLineEdit* edtBl = nullptr;             // edtBl

    // Opens or closes the neighbours of the number field that changed.
    void PhV1Change(QLineEdit* field);

private:
    Dialogs& m_dialogs;
};
