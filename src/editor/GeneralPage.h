#pragma once

#include <QSignalBlocker>
#include <QWidget>

#include <array>

class ChannelChoice;
class ChannelPages;
class ChannelsSheet;
class CheckGroup;
class ConfigImage;
class Dialogs;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class RadioGroup;

// "Общие установки": the panel identifier, the reported system events, the
// keyboard switch, the transmission channel, the times, and beside them the
// channel pages. The hidden channel controls live on the sheet handed in.
class GeneralPage final : public QWidget {
    Q_OBJECT
public:
    GeneralPage(ConfigImage& image, Dialogs& dialogs, ChannelsSheet& channelsSheet, QWidget* parent = nullptr);
    ~GeneralPage() override;

    QLineEdit* editAccount() const { return m_editAccount; }
    QLineEdit* confPortEdit() const { return m_confPortEdit; }
    QLineEdit* phBlkEdit() const { return m_phBlkEdit; }
    QLineEdit* phUnBlkEdit() const { return m_phUnBlkEdit; }
    QGroupBox* grpSys() const { return m_grpSys; }
    CheckGroup* boxAC() const { return m_boxAC; }
    CheckGroup* boxDC() const { return m_boxDC; }
    CheckGroup* boxTmpr() const { return m_boxTmpr; }
    // Shown and hidden with the keyboard by the keyboard reaction.
    CheckGroup* boxTmpKbd() const { return m_boxTmpKbd; }
    CheckGroup* boxLnkKbd() const { return m_boxLnkKbd; }
    QCheckBox* chkAA() const { return m_chkAA; }
    // The zones editor connects its keyboard and exit-delay reactions here.
    RadioGroup* armBox() const { return m_armBox; }
    QSpinBox* dlExt() const { return m_dlExt; }
    QCheckBox* gsmBox() const { return m_gsmBox; }
    QCheckBox* gprsBox() const { return m_gprsBox; }
    QCheckBox* etherBox() const { return m_etherBox; }
    QCheckBox* voiceBox() const { return m_voiceBox; }
    QCheckBox* avtBox() const { return m_avtBox; }
    QSpinBox* delaySiren() const { return m_delaySiren; }
    QSpinBox* editTestTL() const { return m_editTestTL; }
    ChannelPages* pageCh() const { return m_pageCh; }
    ChannelsSheet& channelsSheet() const { return m_channelsSheet; }
    ChannelChoice& channelChoice() const { return *m_channelChoice; }

    // Detaches the click reactions of GSMBox, GPRSBox, EtherBox, VoiceBox,
    // AvtBox and SimCount until the returned blockers go out of scope.
    [[nodiscard]] std::array<QSignalBlocker, 6> suspendChannelClicks();

private:
    QWidget* buildSystemEvents();
    QWidget* buildChannelChoice();
    QWidget* buildTimes();
    QWidget* buildHiddenFields(Dialogs& dialogs);

    ChannelsSheet& m_channelsSheet;

    QLineEdit* m_editAccount = nullptr;
    QLineEdit* m_confPortEdit = nullptr;
    QLineEdit* m_phBlkEdit = nullptr;
    QLineEdit* m_phUnBlkEdit = nullptr;
    QGroupBox* m_grpSys = nullptr;
    CheckGroup* m_boxAC = nullptr;
    CheckGroup* m_boxDC = nullptr;
    CheckGroup* m_boxTmpr = nullptr;
    CheckGroup* m_boxTmpKbd = nullptr;
    CheckGroup* m_boxLnkKbd = nullptr;
    QCheckBox* m_chkAA = nullptr;
    RadioGroup* m_armBox = nullptr;
    QCheckBox* m_gsmBox = nullptr;
    QCheckBox* m_gprsBox = nullptr;
    QCheckBox* m_etherBox = nullptr;
    QCheckBox* m_voiceBox = nullptr;
    QCheckBox* m_avtBox = nullptr;
    QSpinBox* m_delaySiren = nullptr;
    QSpinBox* m_dlExt = nullptr;
    QSpinBox* m_editTestTL = nullptr;
    ChannelPages* m_pageCh = nullptr;
    ChannelChoice* m_channelChoice = nullptr;
};
