#pragma once

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLineEdit;

// RemConfSheet: firmware update, Bluetooth and the channel a configurator uses
// to reach the panel from afar.
class RemotePage final : public QWidget {
    Q_OBJECT
public:
    explicit RemotePage(QWidget* parent = nullptr);

    QGroupBox* const groupBox4;       // GroupBox4
    QLineEdit* const verSim;          // VerSim
    QLineEdit* const phoneUpEdit;     // PhoneUpEdit
    QLineEdit* const upAPNEdit;       // UpAPNEdit
    QLineEdit* const ftpEdit;         // FTPEdit
    QGroupBox* const groupBox3;       // GroupBox3
    QLineEdit* const edit1;           // Edit1
    QLineEdit* const edit2;           // Edit2
    QGroupBox* const grp1;            // grp1
    QGroupBox* const grp2;            // grp2
    QCheckBox* const confGPRSCheck;   // ConfGPRSCheck
    QCheckBox* const confEtherCheck;  // ConfEtherCheck
    QGroupBox* const confGPRSBox;     // ConfGPRSBox
    QLineEdit* const confAPNEdit;     // ConfAPNEdit
    QLineEdit* const confIPEdit;      // ConfIPEdit
    QGroupBox* const confEtherBox;    // ConfEtherBox
    QLineEdit* const remConfIPEdit;   // RemConfIPEdit

public Q_SLOTS:
    void ConfGPRSCheckClick();
    void ConfEtherCheckClick();

};
