#include "ChannelChoice.h"

#include "ChListBox.h"
#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "ConfigImage.h"
#include "Dialogs.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "GprsPage.h"
#include "GsmPage.h"
#include "RadioGroup.h"
#include "RemotePage.h"
#include "SmsPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int OneSim = 0;
constexpr int NoSim = 1;
constexpr int NoSelection = -1;

} // namespace

ChannelChoice::ChannelChoice(GeneralPage& page, ChannelsSheet& sheet, ConfigImage& image, Dialogs& dialogs)
    : QObject(&page)
    , m_page(page)
    , m_sheet(sheet)
    , m_image(image)
    , m_dialogs(dialogs)
{
    connect(page.voiceBox(), &QCheckBox::toggled, this, &ChannelChoice::VoiceBoxClick);
    connect(page.avtBox(), &QCheckBox::toggled, this, &ChannelChoice::AvtBoxClick);
    connect(page.gsmBox(), &QCheckBox::toggled, this, &ChannelChoice::GSMBoxClick);
    connect(page.gprsBox(), &QCheckBox::toggled, this, &ChannelChoice::GPRSBoxClick);
    connect(page.etherBox(), &QCheckBox::toggled, this, &ChannelChoice::EtherBoxClick);
    // Clearing the selection is no choice, so it runs nothing.
    connect(sheet.simCount, &RadioGroup::itemIndexChanged, this, [this](int index) {
        if (index != NoSelection)
            SimCountClick();
    });
}

std::array<QSignalBlocker, 6> ChannelChoice::suspendClicks()
{
    return {QSignalBlocker(m_page.gsmBox()), QSignalBlocker(m_page.gprsBox()), QSignalBlocker(m_page.etherBox()),
            QSignalBlocker(m_page.voiceBox()), QSignalBlocker(m_page.avtBox()), QSignalBlocker(m_sheet.simCount)};
}

void ChannelChoice::rememberSimSelection()
{
    m_rememberedSim = m_sheet.simCount->itemIndex();
}

bool ChannelChoice::listHasEntries() const
{
    return m_sheet.chListBox->count() > 0;
}

bool ChannelChoice::askListQuestion()
{
    if (!listHasEntries())
        return true;
    const auto answer = m_dialogs.message(Dialogs::Message::question(
        tr("Список каналов будет очищен. Очистить?"), tr("Определение каналов связи"),
        Dialogs::Icon::Warning));
    if (answer != Dialogs::Answer::Yes)
        return false;
    m_sheet.chListBox->clear();
    return true;
}

void ChannelChoice::VoiceBoxClick()
{
    QCheckBox* voice = m_page.voiceBox();
    if (m_page.avtBox()->isChecked()) {
        voice->setChecked(false);
        return;
    }
    voice->setChecked(true);
    m_sheet.simCount->setItemIndex(OneSim);
    m_sheet.chListBox->clear();
    Q_EMIT messagesFirstPageWanted();
    ChannelPages* pages = m_page.pageCh();
    pages->show();
    m_sheet.chList->setEnabled(false);
    pages->setPageTabVisible(pages->sheetVoice, true);
    pages->setCurrentWidget(pages->sheetVoice);
}

void ChannelChoice::AvtBoxClick()
{
    ChannelPages* pages = m_page.pageCh();
    if (!m_page.avtBox()->isChecked()) {
        m_sheet.simCount->setItemIndex(OneSim);
        m_page.grpSys()->show();
        pages->setCurrentWidget(pages->sheetVoice);
        m_page.voiceBox()->setChecked(true);
        return;
    }
    m_page.grpSys()->hide();
    m_sheet.simCount->setItemIndex(NoSelection);
    for (QCheckBox* box : {m_page.gsmBox(), m_page.gprsBox(), m_page.etherBox(), m_page.voiceBox()})
        box->setChecked(false);
    m_sheet.chList->hide();
    m_sheet.editMac->hide();
    m_sheet.editMac->setText(QStringLiteral("0"));
    Q_EMIT messagesTabHidden();
    pages->hide();
    m_sheet.chkGL->hide();
    pages->remConfSheet->confGPRSCheck->setChecked(false);
    m_sheet.chListBox->clear();
    zeroChannelKinds();
}

void ChannelChoice::GSMBoxClick()
{
    QCheckBox* gsm = m_page.gsmBox();
    const bool voice = m_page.voiceBox()->isChecked();
    const bool avt = m_page.avtBox()->isChecked();
    if (voice || avt) {
        gsm->setChecked(false);
        return;
    }
    if (gsm->isChecked()) {
        m_sheet.chkGL->show();
        askListQuestion();
        m_sheet.simCount->setItemIndex(OneSim);
        m_page.pageCh()->setPageTabVisible(m_page.pageCh()->sheetGSM, true);
        m_page.avtBox()->setChecked(false);
        return;
    }
    const bool gprs = m_page.gprsBox()->isChecked();
    const bool ether = m_page.etherBox()->isChecked();
    if (!gprs && ether) {
        m_sheet.simCount->setItemIndex(NoSim);
        m_sheet.chkGL->hide();
    }
    if (!gprs && !ether) {
        // The last channel cannot go: it checks itself again, which asks about the list.
        gsm->setChecked(true);
        return;
    }
    if (listHasEntries() && !askListQuestion()) {
        const QSignalBlocker detached(gsm);
        gsm->setChecked(true);
    }
}

void ChannelChoice::GPRSBoxClick()
{
    QCheckBox* gprs = m_page.gprsBox();
    if (m_page.voiceBox()->isChecked() || m_page.avtBox()->isChecked()) {
        gprs->setChecked(false);
        return;
    }
    if (gprs->isChecked()) {
        m_sheet.chkGL->show();
        askListQuestion();
        m_page.avtBox()->setChecked(false);
        m_sheet.simCount->setItemIndex(OneSim);
        return;
    }
    const bool gsm = m_page.gsmBox()->isChecked();
    const bool ether = m_page.etherBox()->isChecked();
    if (!gsm && ether) {
        m_sheet.simCount->setItemIndex(NoSim);
        m_sheet.chkGL->hide();
    }
    if (!gsm && !ether) {
        gprs->setChecked(true);
        return;
    }
    if (listHasEntries() && !askListQuestion()) {
        const QSignalBlocker detached(gprs);
        gprs->setChecked(true);
    }
}

void ChannelChoice::EtherBoxClick()
{
    QCheckBox* ether = m_page.etherBox();
    if (m_page.avtBox()->isChecked() || m_page.voiceBox()->isChecked()) {
        ether->setChecked(false);
        return;
    }
    if (ether->isChecked()) {
        askListQuestion();
        return;
    }
    if (!m_page.gprsBox()->isChecked() && !m_page.gsmBox()->isChecked()) {
        ether->setChecked(true);
        return;
    }
    if (listHasEntries() && !askListQuestion()) {
        const QSignalBlocker detached(ether);
        ether->setChecked(true);
    }
}

void ChannelChoice::SimCountClick()
{
    RadioGroup* simCount = m_sheet.simCount;
    if (listHasEntries()) {
        if (askListQuestion()) {
            m_rememberedSim = simCount->itemIndex();
        } else {
            {
                const QSignalBlocker detached(simCount);
                simCount->setItemIndex(m_rememberedSim);
            }
            if (simCount->isEnabled() && simCount->isVisible())
                simCount->setFocus();
        }
    }

    ChannelPages* pages = m_page.pageCh();
    switch (simCount->itemIndex()) {
    case OneSim:
        showSimTabs();
        pages->sheetGSM->gsm1->show();
        pages->sheetGPRS->lan1->show();
        break;
    case NoSim:
        pages->remConfSheet->confGPRSCheck->setChecked(false);
        m_page.voiceBox()->setChecked(false);
        m_page.etherBox()->setChecked(true);
        m_page.gsmBox()->setChecked(false);
        m_page.gprsBox()->setChecked(false);
        showSimTabs();
        // Ethernet is all that is left; its page comes forward even while its tab stays as it was.
        pages->setCurrentWidget(pages->sheetEthernet);
        pages->sheetGSM->gsm1->hide();
        pages->sheetGPRS->lan1->hide();
        break;
    default:
        break;
    }
    m_rememberedSim = simCount->itemIndex();
}

void ChannelChoice::showSimTabs()
{
    ChannelPages* pages = m_page.pageCh();
    pages->setPageTabVisible(pages->sheetGSM, m_page.gsmBox()->isChecked());
    pages->setPageTabVisible(pages->sheetGPRS, m_page.gprsBox()->isChecked());
}

void ChannelChoice::zeroChannelKinds()
{
    for (int record = 1; record <= ImageLayout::ChannelRecordCount; ++record)
        m_image.setValue(ImageLayout::channelField(record, ImageLayout::Channel::Kind), 0);
}
