#pragma once

#include <QWidget>

class Dialogs;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class RadioGroup;

// SheetEthernet: the monitoring-station addresses, the panel's own network
// settings, the Wi-Fi network and the call attempts.
class EthernetPage final : public QWidget {
    Q_OBJECT
public:
    explicit EthernetPage(Dialogs& dialogs, QWidget* parent = nullptr);

    QLineEdit* const editIP1_PCN;       // EditIP1_PCN
    QLineEdit* const editPort1_PCN;     // EditPort1_PCN
    QLineEdit* const editIP2_PCN;       // EditIP2_PCN
    QLineEdit* const editPort2_PCN;     // EditPort2_PCN
    RadioGroup* const dhcpOnOff;        // DHCP_OnOff
    QGroupBox* const setDHCP;           // SetDHCP
    QLineEdit* const dhcpIP;            // DHCP_IP
    QLineEdit* const shlIP;             // Shl_IP
    QLineEdit* const editPort_Loc;      // EditPort_Loc
    QGroupBox* const groupBox2;         // GroupBox2
    QCheckBox* const chkOpenWF;         // chkOpenWF
    QLineEdit* const edtSSID;           // edtSSID
    QLineEdit* const edtPassWF;         // edtPassWF
    QLabel* lblPassWF = nullptr;        // lblPassWF
    QLineEdit* const confEtherIPEdit;   // ConfEtherIPEdit
    QLineEdit* const confEtherSlEdit;   // ConfEtherSlEdit
    QSpinBox* const countCallEt;        // CountCallEt

public Q_SLOTS:
    void DHCP_OnOffClick();
    void DHCP_IPChange();
    void chkOpenWFClick();
};
