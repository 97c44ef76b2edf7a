#include "RemotePage.h"

#include "Controls.h"
#include "InputFilter.h"
#include "PortCheck.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int VersionLength = 10;
constexpr int UpdatePhoneLength = 10;
constexpr int UpdateApnLength = 20;
constexpr int UpdateServerLength = 10;
constexpr int BluetoothPasswordLength = 10;

} // namespace

RemotePage::RemotePage(QWidget* parent)
    : QWidget(parent)
    , groupBox4(Controls::group("GroupBox4", tr(" Обновление ПО ")))
    , verSim(Controls::lineEdit("VerSim", VersionLength))
    , phoneUpEdit(Controls::lineEdit("PhoneUpEdit", UpdatePhoneLength, QStringLiteral("11111111111")))
    , upAPNEdit(Controls::lineEdit("UpAPNEdit", UpdateApnLength))
    , ftpEdit(Controls::lineEdit("FTPEdit", UpdateServerLength))
    , groupBox3(Controls::group("GroupBox3", tr(" Настройка Bluetooth ")))
    , edit1(Controls::lineEdit("Edit1"))
    , edit2(Controls::lineEdit("Edit2", BluetoothPasswordLength))
    , grp1(Controls::group("grp1", tr(" Конфигурирование ")))
    , grp2(Controls::group("grp2", tr(" Канал ")))
    , confGPRSCheck(Controls::checkBox("ConfGPRSCheck", QStringLiteral("GPRS")))
    , confEtherCheck(Controls::checkBox("ConfEtherCheck", QStringLiteral("Ethernet")))
    , confGPRSBox(Controls::group("ConfGPRSBox", QStringLiteral(" GPRS ")))
    , confAPNEdit(Controls::lineEdit("ConfAPNEdit"))
    , confIPEdit(Controls::lineEdit("ConfIPEdit"))
    , confEtherBox(Controls::group("ConfEtherBox", QStringLiteral(" Ethernet ")))
    , remConfIPEdit(Controls::lineEdit("RemConfIPEdit"))
{
    setObjectName(QStringLiteral("RemConfSheet"));
    verSim->setFrame(false);
    phoneUpEdit->setToolTip(tr("Телефон активации удаленного обновления/конфигурирования"));
    ftpEdit->setEnabled(false);
    ftpEdit->hide();
    edit2->setEchoMode(QLineEdit::Password);
    confGPRSBox->setToolTip(tr("Удаленное конфигурирование/обновление ПО"));

    for (QLineEdit* phone : {verSim, phoneUpEdit, ftpEdit})
        InputFilter::install(phone, InputFilter::Kind::Phone);
    for (QLineEdit* text : {upAPNEdit, confAPNEdit})
        InputFilter::install(text, InputFilter::Kind::Ascii);
    for (QLineEdit* address : {confIPEdit, remConfIPEdit})
        InputFilter::install(address, InputFilter::Kind::Address);

    auto* update = new QGridLayout(groupBox4);
    Controls::addRow(update, nullptr, tr("Вер. ПО 22."), verSim);
    Controls::addRow(update, nullptr, tr("Тел."), phoneUpEdit);
    Controls::addRow(update, nullptr, tr("I-net APN ОМС"), upAPNEdit);
    update->addWidget(ftpEdit, update->rowCount(), 1);

    auto* bluetooth = new QGridLayout(groupBox3);
    Controls::addRow(bluetooth, nullptr, tr("Имя сети"), edit1);
    Controls::addRow(bluetooth, nullptr, tr("Пароль"), edit2);

    auto* channels = new QHBoxLayout(grp2);
    channels->addWidget(confGPRSCheck);
    channels->addWidget(confEtherCheck);

    auto* gprs = new QGridLayout(confGPRSBox);
    Controls::addRow(gprs, nullptr, tr("APN ОМС"), confAPNEdit);
    Controls::addRow(gprs, nullptr, tr("IP ПК-конфигуратора"), confIPEdit);

    auto* ether = new QGridLayout(confEtherBox);
    Controls::addRow(ether, nullptr, tr("IP ПК-конфигуратора"), remConfIPEdit);

    auto* configuring = new QVBoxLayout(grp1);
    configuring->addWidget(grp2);
    configuring->addWidget(confGPRSBox);
    configuring->addWidget(confEtherBox);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groupBox4);
    layout->addWidget(groupBox3);
    layout->addWidget(grp1);
    layout->addStretch();

    confGPRSBox->hide();
    confEtherBox->hide();
    connect(confGPRSCheck, &QCheckBox::toggled, this, &RemotePage::ConfGPRSCheckClick);
    connect(confEtherCheck, &QCheckBox::toggled, this, &RemotePage::ConfEtherCheckClick);
}

void RemotePage::ConfGPRSCheckClick()
{
    confGPRSBox->setVisible(confGPRSCheck->isChecked());
}

void RemotePage::ConfEtherCheckClick()
{
    confEtherBox->setVisible(confEtherCheck->isChecked());
}
