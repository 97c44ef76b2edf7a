#pragma once

#include <QTabWidget>

class Dialogs;
class EthernetPage;
class GprsPage;
class GsmPage;
class QCheckBox;
class QLineEdit;
class RemotePage;
class SmsPage;

// PageCh: one page per way of reporting. Only the SMS tab shows at first; the
// channel logic and the restore show the others.
class ChannelPages final : public QTabWidget {
    Q_OBJECT
public:
    // etherBox: the Ethernet channel box whose state decides what a page switch refreshes.
    ChannelPages(Dialogs& dialogs, const QCheckBox& etherBox,
                 QWidget* parent = nullptr);

    SmsPage* const sheetVoice;        // SheetVoice
    GsmPage* const sheetGSM;          // SheetGSM
    GprsPage* const sheetGPRS;        // SheetGPRS
    EthernetPage* const sheetEthernet;// SheetEthernet
    RemotePage* const remConfSheet;   // RemConfSheet

    void setPageTabVisible(QWidget* page, bool visible);
    bool isPageTabVisible(QWidget* page) const;

public Q_SLOTS:
    void PageChChange();

private:
    const QCheckBox& m_etherBox;
};
