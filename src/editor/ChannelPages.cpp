#include "ChannelPages.h"

#include "EthernetPage.h"
#include "GprsPage.h"
#include "GsmPage.h"
#include "RemotePage.h"
#include "SmsPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

ChannelPages::ChannelPages(Dialogs& dialogs, const QCheckBox& etherBox,
                           QWidget* parent)
    : QTabWidget(parent)
    , sheetVoice(new SmsPage(dialogs))
    , sheetGSM(new GsmPage)
    , sheetGPRS(new GprsPage(dialogs))
    , sheetEthernet(new EthernetPage(dialogs))
    , remConfSheet(new RemotePage)
    , m_etherBox(etherBox)
{
    setObjectName(QStringLiteral("PageCh"));
    addTab(sheetVoice, tr("СМС"));
    addTab(sheetGSM, QStringLiteral("GSM"));
    addTab(sheetGPRS, QStringLiteral("GPRS"));
    addTab(sheetEthernet, QStringLiteral("Ethernet"));
    addTab(remConfSheet, tr("Удаленное..."));
    for (QWidget* page : {static_cast<QWidget*>(sheetGSM), static_cast<QWidget*>(sheetGPRS),
                          static_cast<QWidget*>(sheetEthernet), static_cast<QWidget*>(remConfSheet)})
        setPageTabVisible(page, false);
    setCurrentWidget(sheetVoice);

    // The update APN drives the same VPN chaining as the VPN APN itself.
    connect(remConfSheet->upAPNEdit, &QLineEdit::textChanged, sheetGPRS, &GprsPage::EditApn1Change);
    connect(this, &QTabWidget::currentChanged, this, &ChannelPages::PageChChange);
}

void ChannelPages::setPageTabVisible(QWidget* page, bool visible)
{
    setTabVisible(indexOf(page), visible);
}

bool ChannelPages::isPageTabVisible(QWidget* page) const
{
    return isTabVisible(indexOf(page));
}

void ChannelPages::PageChChange()
{
    RemotePage& remote = *remConfSheet;
    remote.confEtherBox->setVisible(remote.confEtherCheck->isChecked());
    remote.confGPRSBox->setVisible(remote.confGPRSCheck->isChecked());
    if (m_etherBox.isChecked()) {
        sheetEthernet->confEtherIPEdit->setText(sheetEthernet->dhcpIP->text());
        sheetEthernet->confEtherSlEdit->setText(sheetEthernet->shlIP->text());
    }
}
