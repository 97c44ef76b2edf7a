#pragma once

#include <QWidget>

class ChListBox;
class QCheckBox;
class QLineEdit;
class QPushButton;
class RadioGroup;

// The content of the tab-less page "Каналы связи": hidden controls that keep
// channel settings for the channel logic, the restore and the builder.
class ChannelsSheet final : public QWidget {
    Q_OBJECT
public:
    explicit ChannelsSheet(QWidget* parent = nullptr);

    QLineEdit* const editMac;      // EditMac
    RadioGroup* const simCount;    // SimCount
    QCheckBox* const chkGL;        // chkGL
    QPushButton* const chList;     // ChList
    ChListBox* const chListBox;    // ChListBox
};
