#pragma once

#include <QWidget>

class Dialogs;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class RadioGroup;

// SheetGPRS: the PBL address, the VPN network of SIM 1 and the call attempts.
// The VPN addresses open in order: APN first, then IP1, then IP2.
class GprsPage final : public QWidget {
    Q_OBJECT
public:
    explicit GprsPage(Dialogs& dialogs, QWidget* parent = nullptr);

    RadioGroup* const protVPN;       // ProtVPN
    QLineEdit* const editIP;         // EditIP
    QLineEdit* const pblPortEdit;    // PblPortEdit
    QGroupBox* const lan1;           // Lan1
    QLineEdit* const editApn1;       // EditApn1
    QLineEdit* const editIP1;        // EditIP1
    QLineEdit* const vPort1;         // vPort1
    QLineEdit* const editIP2;        // EditIP2
    QLineEdit* const vPort2;         // vPort2
    QLineEdit* const editAPN_PBL1;   // EditAPN_PBL1
    QSpinBox* const countCallGPRS;   // CountCallGPRS

public Q_SLOTS:
    void EditApn1Change();
    void EditIP1Change();
    void EditIPChange();
};
