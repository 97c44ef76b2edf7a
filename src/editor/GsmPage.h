#pragma once

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QSpinBox;

// SheetGSM: the voice-call numbers of SIM 1, the test channel and the call attempts.
class GsmPage final : public QWidget {
    Q_OBJECT
public:
    explicit GsmPage(QWidget* parent = nullptr);

    QLineEdit* const pgsmT;          // PGSMT
    QGroupBox* const gsm1;           // GSM1
    QLineEdit* const pgsm1;          // PGSM1
    QLineEdit* const pgsm2;          // PGSM2
    QSpinBox* const countCallGSM;    // CountCallGSM
    QSpinBox* const editTestGSM;     // EditTestGSM
};
