#include "GeneralPage.h"

#include "ChannelChoice.h"
#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "CheckGroup.h"
#include "Controls.h"
#include "FactoryValues.h"
#include "InputFilter.h"
#include "PortCheck.h"
#include "RadioGroup.h"
#include "UpperCaseValidator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int AccountLength = 4;
constexpr int ConfiguratorPortLength = 5;
constexpr int BlockingPhoneLength = 10;

constexpr int ShortestSiren = 10;
constexpr int LongestSiren = 900;
constexpr int SirenStep = 10;
constexpr int LongestExitDelay = 120;
constexpr int ExitDelayStep = 5;
constexpr int InitialExitDelay = 10;
constexpr int ShortestTestPeriod = 30;
constexpr int LongestTestPeriod = 86400;
constexpr int InitialTestPeriod = 3600;

// The window is small and fixed: the settings column stays narrow so that the
// channel pages beside it get the room their addresses need.
constexpr int SpinWidth = 64;
constexpr int TightMargin = 4;

CheckGroup* eventGroup(const char* name, const QString& caption)
{
    auto* group = new CheckGroup(caption, {GeneralPage::tr("Нарушение"), GeneralPage::tr("Восстановление")});
    group->setObjectName(QLatin1String(name));
    for (int item = 0; item < group->count(); ++item)
        group->setChecked(item, true);
    group->layout()->setContentsMargins(TightMargin, TightMargin, TightMargin, TightMargin);
    group->layout()->setSpacing(2);
    return group;
}

} // namespace

GeneralPage::GeneralPage(ConfigImage& image, Dialogs& dialogs, ChannelsSheet& channelsSheet, QWidget* parent)
    : QWidget(parent)
    , m_channelsSheet(channelsSheet)
{
    setObjectName(QStringLiteral("GeneralPage"));
    QWidget* hidden = buildHiddenFields(dialogs);
    QWidget* events = buildSystemEvents();

    m_chkAA = Controls::checkBox("chkAA", tr("Звуковое подтверждение  постановки"));
    m_armBox = new RadioGroup(tr("  Клавиатура  "),
                              {tr("Отключена"), tr("Подключена")}, 2);
    m_armBox->setObjectName(QStringLiteral("ArmBox"));

    QWidget* channels = buildChannelChoice();
    QWidget* times = buildTimes();
    m_pageCh = new ChannelPages(dialogs, *m_etherBox);

    auto* settings = new QWidget;
    settings->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* left = new QVBoxLayout(settings);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(events);
    left->addWidget(m_chkAA);
    left->addWidget(m_armBox);
    left->addWidget(channels);
    left->addWidget(times);
    left->addWidget(hidden);
    left->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    settings->setMaximumWidth(settings->minimumSizeHint().width());
    layout->addWidget(settings);
    layout->addWidget(m_pageCh, 1);

    m_channelChoice = new ChannelChoice(*this, channelsSheet, image, dialogs);
}

GeneralPage::~GeneralPage() = default;

std::array<QSignalBlocker, 6> GeneralPage::suspendChannelClicks()
{
    return m_channelChoice->suspendClicks();
}

QWidget* GeneralPage::buildHiddenFields(Dialogs& dialogs)
{
    m_editAccount = Controls::lineEdit("EditAccount", AccountLength);
    m_editAccount->setValidator(new UpperCaseValidator(m_editAccount));
    m_confPortEdit = Controls::lineEdit("ConfPortEdit", ConfiguratorPortLength,
                                        QString::number(FactoryValues::ConfiguratorPort));
    InputFilter::install(m_confPortEdit, InputFilter::Kind::Port);
    watchPort(m_confPortEdit, dialogs);
    m_phBlkEdit = Controls::lineEdit("PhBlkEdit", BlockingPhoneLength);
    m_phBlkEdit->setToolTip(tr("Номер телефона блокирующий ППК"));
    m_phUnBlkEdit = Controls::lineEdit("PhUnBlkEdit", BlockingPhoneLength);
    m_phUnBlkEdit->setToolTip(tr("Номер телефона разблокирующий ППК"));

    // Kept for the image and the remote link; the installer never edits them here.
    auto* fields = new QWidget;
    fields->setObjectName(QStringLiteral("HiddenFields"));
    auto* grid = new QGridLayout(fields);
    Controls::addRow(grid, "AccountLbl", tr("Идентификатор ППК"), m_editAccount);
    Controls::addRow(grid, "Label36", tr("Порт PC-конфигуратора"), m_confPortEdit);
    Controls::addRow(grid, "Label48", tr("Блокирование"), m_phBlkEdit);
    Controls::addRow(grid, "Label49", tr("Разблокирование"), m_phUnBlkEdit);
    fields->hide();
    return fields;
}

QWidget* GeneralPage::buildSystemEvents()
{
    m_grpSys = Controls::group("grpSys", tr("   Системные извещения  "));
    m_boxAC = eventGroup("boxAC", tr("Сеть 220В"));
    m_boxDC = eventGroup("boxDC", tr("Аккумулятор"));
    m_boxTmpr = eventGroup("boxTmpr", tr("Тампер ППК"));
    m_boxTmpKbd = eventGroup("boxTmpKbd", tr("Тампер клавиатуры"));
    m_boxLnkKbd = eventGroup("boxLnkKbd", tr("Связь с клавиатурой"));
    m_boxTmpr->hide();
    m_boxTmpKbd->hide();
    m_boxLnkKbd->hide();

    auto* grid = new QGridLayout(m_grpSys);
    grid->setContentsMargins(TightMargin, TightMargin, TightMargin, TightMargin);
    grid->addWidget(m_boxAC, 0, 0);
    grid->addWidget(m_boxDC, 0, 1);
    grid->addWidget(m_boxTmpKbd, 1, 0);
    grid->addWidget(m_boxLnkKbd, 1, 1);
    grid->addWidget(m_boxTmpr, 2, 0);
    return m_grpSys;
}

QWidget* GeneralPage::buildChannelChoice()
{
    QGroupBox* group = Controls::group("ActivChBox", tr(" Канал передачи "));
    m_gsmBox = Controls::checkBox("GSMBox", tr("GSM - канал"));
    m_gprsBox = Controls::checkBox("GPRSBox", tr("GPRS - канал"));
    m_etherBox = Controls::checkBox("EtherBox", QStringLiteral("Ethernet"));
    m_voiceBox = Controls::checkBox("VoiceBox", tr("СМС"));
    m_avtBox = Controls::checkBox("AvtBox", tr("Автономный"));
    // Kept for configurations that use them; offered to nobody here.
    for (QCheckBox* box : {m_gsmBox, m_gprsBox, m_etherBox}) {
        box->setEnabled(false);
        box->hide();
    }

    auto* layout = new QGridLayout(group);
    layout->addWidget(m_gsmBox, 0, 0);
    layout->addWidget(m_gprsBox, 0, 1);
    layout->addWidget(m_etherBox, 1, 0);
    layout->addWidget(m_voiceBox, 2, 0);
    layout->addWidget(m_avtBox, 2, 1);
    return group;
}

QWidget* GeneralPage::buildTimes()
{
    QGroupBox* group = Controls::group("GroupBox1", tr(" Времена "));
    m_delaySiren = Controls::spinEdit("DelaySiren", ShortestSiren, LongestSiren, SirenStep, LongestSiren);
    m_dlExt = Controls::spinEdit("DlExt", 0, LongestExitDelay, ExitDelayStep, InitialExitDelay);
    m_dlExt->setToolTip(tr("Задержка на выход, секунд"));
    m_editTestTL = Controls::spinEdit("EditTestTL", ShortestTestPeriod, LongestTestPeriod, ShortestTestPeriod,
                                      InitialTestPeriod);
    m_editTestTL->hide();
    for (QSpinBox* spin : {m_delaySiren, m_dlExt})
        spin->setMaximumWidth(SpinWidth);

    auto* grid = new QGridLayout(group);
    Controls::addRow(grid, "Label19", tr("Вкл. сирены, с"), m_delaySiren);
    Controls::addRow(grid, "Label1", tr("Задержка вход/выход,  c"), m_dlExt);
    grid->addWidget(m_editTestTL, grid->rowCount(), 1);
    return group;
}
