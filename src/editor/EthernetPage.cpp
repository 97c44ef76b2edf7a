#include "EthernetPage.h"

#include "CallCount.h"
#include "Controls.h"
#include "FactoryValues.h"
#include "InputFilter.h"
#include "PortCheck.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int AddressLength = 15;
constexpr int PortLength = 6;
constexpr int WifiPasswordLength = 32;
constexpr int DhcpOff = 0;
constexpr int DhcpOn = 1;

void addAddressRow(QGridLayout* grid, const QString& caption, QLineEdit* address, QLineEdit* port)
{
    auto* row = new QHBoxLayout;
    row->addWidget(address, 3);
    row->addWidget(port, 1);
    const int at = grid->rowCount();
    grid->addWidget(Controls::label(nullptr, caption, address), at, 0);
    grid->addLayout(row, at, 1);
}

} // namespace

EthernetPage::EthernetPage(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , editIP1_PCN(Controls::lineEdit("EditIP1_PCN", AddressLength))
    , editPort1_PCN(Controls::lineEdit("EditPort1_PCN", PortLength))
    , editIP2_PCN(Controls::lineEdit("EditIP2_PCN", AddressLength))
    , editPort2_PCN(Controls::lineEdit("EditPort2_PCN", PortLength))
    , dhcpOnOff(new RadioGroup(QStringLiteral("  DHCP  "), {tr("Выкл."), tr("Вкл.")}, 2))
    , setDHCP(Controls::group("SetDHCP", tr(" Сетевые настройки ")))
    , dhcpIP(Controls::lineEdit("DHCP_IP", Controls::NoLimit, QStringLiteral("192.168.1.223")))
    , shlIP(Controls::lineEdit("Shl_IP", Controls::NoLimit, QStringLiteral("192.168.1.1")))
    , editPort_Loc(Controls::lineEdit("EditPort_Loc", PortLength, QString::number(FactoryValues::LocalPort)))
    , groupBox2(Controls::group("GroupBox2", tr(" Настройка в сети WiFi ")))
    , chkOpenWF(Controls::checkBox("chkOpenWF", tr("Открытая сеть")))
    , edtSSID(Controls::lineEdit("edtSSID"))
    , edtPassWF(Controls::lineEdit("edtPassWF", WifiPasswordLength))
    , confEtherIPEdit(Controls::lineEdit("ConfEtherIPEdit", Controls::NoLimit, QStringLiteral("192.168.1.249")))
    , confEtherSlEdit(Controls::lineEdit("ConfEtherSlEdit", Controls::NoLimit, QStringLiteral("192.168.1.1")))
    , countCallEt(callCounter("CountCallEt"))
{
    setObjectName(QStringLiteral("SheetEthernet"));
    dhcpOnOff->setObjectName(QStringLiteral("DHCP_OnOff"));
    editIP1_PCN->setToolTip(tr("Первый IP-адрес ПЦН"));
    editPort1_PCN->setToolTip(tr("Порт первого IP-адреса ПЦН"));
    editIP2_PCN->setToolTip(tr("Второй IP-адрес ПЦН"));
    editPort2_PCN->setToolTip(tr("Порт второго IP-адреса ПЦН"));
    edtPassWF->setEchoMode(QLineEdit::Password);
    confEtherIPEdit->setReadOnly(true);

    for (QLineEdit* address : {editIP1_PCN, editIP2_PCN, dhcpIP, shlIP, confEtherIPEdit, confEtherSlEdit})
        InputFilter::install(address, InputFilter::Kind::Address);
    for (QLineEdit* port : {editPort1_PCN, editPort2_PCN, editPort_Loc}) {
        InputFilter::install(port, InputFilter::Kind::Port);
        watchPort(port, dialogs);
    }

    auto* stations = new QGridLayout;
    addAddressRow(stations, tr("IP1:порт"), editIP1_PCN, editPort1_PCN);
    addAddressRow(stations, tr("IP2:порт"), editIP2_PCN, editPort2_PCN);

    auto* network = new QGridLayout(setDHCP);
    Controls::addRow(network, nullptr, tr("IP-адрес ППК"), dhcpIP);
    Controls::addRow(network, nullptr, tr("IP-адрес шлюза"), shlIP);

    auto* local = new QGridLayout;
    Controls::addRow(local, nullptr, tr("IP- порт ППК"), editPort_Loc);

    auto* wifi = new QGridLayout(groupBox2);
    wifi->addWidget(chkOpenWF, 0, 0, 1, 2);
    Controls::addRow(wifi, nullptr, tr("Имя сети"), edtSSID);
    lblPassWF = Controls::addRow(wifi, "lblPassWF", tr("Пароль"), edtPassWF);

    auto* remote = new QGridLayout;
    Controls::addRow(remote, nullptr, tr("IP-адрес ППК"), confEtherIPEdit);
    Controls::addRow(remote, nullptr, tr("IP- адрес шлюза"), confEtherSlEdit);
    Controls::addRow(remote, nullptr, tr("Количество \"дозвонов\""), countCallEt);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stations);
    layout->addWidget(dhcpOnOff);
    layout->addWidget(setDHCP);
    layout->addLayout(local);
    layout->addWidget(groupBox2);
    layout->addLayout(remote);
    layout->addStretch();

    connect(dhcpOnOff, &RadioGroup::itemIndexChanged, this, &EthernetPage::DHCP_OnOffClick);
    connect(dhcpIP, &QLineEdit::textChanged, this, &EthernetPage::DHCP_IPChange);
    connect(chkOpenWF, &QCheckBox::toggled, this, &EthernetPage::chkOpenWFClick);
    dhcpOnOff->setItemIndex(DhcpOn);
    setDHCP->hide();
}

void EthernetPage::DHCP_OnOffClick()
{
    setDHCP->setVisible(dhcpOnOff->itemIndex() == DhcpOff);
}

void EthernetPage::DHCP_IPChange()
{
    confEtherIPEdit->setText(dhcpIP->text());
}

void EthernetPage::chkOpenWFClick()
{
    const bool open = chkOpenWF->isChecked();
    lblPassWF->setVisible(!open);
    edtPassWF->setVisible(!open);
}
