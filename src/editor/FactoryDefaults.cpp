#include "FactoryDefaults.h"

#include "ChListBox.h"
#include "ChannelChoice.h"
#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "CheckGroup.h"
#include "ConfigImage.h"
#include "EthernetPage.h"
#include "FactoryValues.h"
#include "GeneralPage.h"
#include "GprsPage.h"
#include "GsmPage.h"
#include "RadioGroup.h"
#include "TextsPage.h"
#include "ZonesPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace {

constexpr int KeyboardOff = 0;
constexpr int OneSimCard = 0;
constexpr int GsmCalls = 3;
constexpr int GprsCalls = 7;
constexpr int EthernetCalls = 7;
// Below the ranges of the test periods: they settle on their shortest.
constexpr int ShortestTestPeriod = 0;

void checkBoth(CheckGroup& group, bool checked)
{
    group.setChecked(0, checked);
    group.setChecked(1, checked);
}

} // namespace

FactoryDefaults::FactoryDefaults(ConfigImage& image, GeneralPage& general, ZonesPage& zones, TextsPage& texts,
                                 QTabWidget& pageConfig, QWidget& sheetPblSet)
    : m_image(image)
    , m_general(general)
    , m_zones(zones)
    , m_texts(texts)
    , m_pageConfig(pageConfig)
    , m_sheetPblSet(sheetPblSet)
{
}

// The order matters: each control's reaction sees the ones set before it.
void FactoryDefaults::apply()
{
    m_pageConfig.setCurrentWidget(&m_sheetPblSet);
    putGeneralSettings();
    putChannels();
    m_image.clear();
    m_zones.putFactoryDefaults();
    m_general.phBlkEdit()->clear();
    m_general.phUnBlkEdit()->clear();
    m_general.avtBox()->setChecked(false);
    m_texts.putFactoryTexts();

    ChannelChoice& choice = m_general.channelChoice();
    choice.SimCountClick();
    choice.VoiceBoxClick();
    m_general.pageCh()->setVisible(m_general.voiceBox()->isChecked());
}

void FactoryDefaults::putGeneralSettings()
{
    checkBoth(*m_general.boxTmpr(), true);
    checkBoth(*m_general.boxDC(), true);
    checkBoth(*m_general.boxAC(), true);
    checkBoth(*m_general.boxTmpKbd(), false);
    checkBoth(*m_general.boxLnkKbd(), false);
    m_general.armBox()->setItemIndex(KeyboardOff);
    m_general.editAccount()->setText(QString::number(FactoryValues::Account, 16).toUpper());

    ChannelPages& pages = *m_general.pageCh();
    pages.setCurrentIndex(0);
    pages.sheetGSM->countCallGSM->setValue(GsmCalls);
    pages.sheetGPRS->countCallGPRS->setValue(GprsCalls);
    pages.sheetEthernet->countCallEt->setValue(EthernetCalls);
    pages.sheetGSM->editTestGSM->setValue(ShortestTestPeriod);
    m_general.editTestTL()->setValue(ShortestTestPeriod);
    m_general.delaySiren()->setValue(FactoryValues::SirenSeconds);
}

void FactoryDefaults::putChannels()
{
    ChannelsSheet& sheet = m_general.channelsSheet();
    // Emptied first, so that the channel boxes below ask nothing.
    sheet.chListBox->clear();
    m_general.gsmBox()->setChecked(false);
    m_general.gprsBox()->setChecked(false);
    m_general.etherBox()->setChecked(false);
    m_general.voiceBox()->setChecked(true);
    sheet.simCount->setItemIndex(OneSimCard);
    sheet.editMac->setText(QString::number(FactoryValues::MacNumber));
    m_general.channelChoice().rememberSimSelection();
}
