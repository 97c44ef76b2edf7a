#include "GprsPage.h"

#include "CallCount.h"
#include "Controls.h"
#include "InputFilter.h"
#include "PortCheck.h"
#include "RadioGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int PortLength = 5;

// "address : port" on one row of a two-column grid.
void addAddressRow(QGridLayout* grid, const QString& caption, QLineEdit* address, QLineEdit* port)
{
    auto* row = new QHBoxLayout;
    row->addWidget(address, 3);
    row->addWidget(Controls::label(nullptr, QStringLiteral(":"), port));
    row->addWidget(port, 1);
    const int at = grid->rowCount();
    grid->addWidget(Controls::label(nullptr, caption, address), at, 0);
    grid->addLayout(row, at, 1);
}

} // namespace

GprsPage::GprsPage(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , protVPN(new RadioGroup(tr(" Протокол VPN "), {QStringLiteral("UDP"), QStringLiteral("TCP")}))
    , editIP(Controls::lineEdit("EditIP"))
    , pblPortEdit(Controls::lineEdit("PblPortEdit", PortLength))
    , lan1(Controls::group("Lan1", tr(" Сеть 1 (SIM 1) ")))
    , editApn1(Controls::lineEdit("EditApn1"))
    , editIP1(Controls::lineEdit("EditIP1"))
    , vPort1(Controls::lineEdit("vPort1", PortLength))
    , editIP2(Controls::lineEdit("EditIP2"))
    , vPort2(Controls::lineEdit("vPort2", PortLength))
    , editAPN_PBL1(Controls::lineEdit("EditAPN_PBL1"))
    , countCallGPRS(callCounter("CountCallGPRS"))
{
    setObjectName(QStringLiteral("SheetGPRS"));
    protVPN->setObjectName(QStringLiteral("ProtVPN"));
    protVPN->setItemIndex(0);
    protVPN->setEnabled(false);
    protVPN->hide();
    editIP1->setEnabled(false);
    editIP2->setEnabled(false);

    for (QLineEdit* address : {editIP, editIP1, editIP2})
        InputFilter::install(address, InputFilter::Kind::Address);
    for (QLineEdit* port : {pblPortEdit, vPort1, vPort2}) {
        InputFilter::install(port, InputFilter::Kind::Port);
        watchPort(port, dialogs);
    }
    for (QLineEdit* apn : {editApn1, editAPN_PBL1})
        InputFilter::install(apn, InputFilter::Kind::Ascii);

    auto* pbl = new QGridLayout;
    Controls::addRow(pbl, nullptr, tr("PBL IP адрес"), editIP);
    Controls::addRow(pbl, nullptr, tr("IP-порт PBL"), pblPortEdit);
    Controls::addRow(pbl, nullptr, QStringLiteral("APN_PBL"), editAPN_PBL1);

    auto* vpn = new QGridLayout(lan1);
    Controls::addRow(vpn, nullptr, QStringLiteral("APN_VPN"), editApn1);
    addAddressRow(vpn, QStringLiteral("VPN IP1"), editIP1, vPort1);
    addAddressRow(vpn, QStringLiteral("VPN IP2"), editIP2, vPort2);

    auto* counts = new QGridLayout;
    Controls::addRow(counts, nullptr, tr("Количество \"дозвонов\""), countCallGPRS);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(protVPN);
    layout->addLayout(pbl);
    layout->addWidget(lan1);
    layout->addLayout(counts);
    layout->addStretch();

    connect(editApn1, &QLineEdit::textChanged, this, &GprsPage::EditApn1Change);
    connect(editIP1, &QLineEdit::textChanged, this, &GprsPage::EditIP1Change);
    connect(editIP, &QLineEdit::textChanged, this, &GprsPage::EditIPChange);
}

void GprsPage::EditApn1Change()
{
    if (!editApn1->text().isEmpty()) {
        editIP1->setEnabled(true);
        editIP2->setEnabled(!editIP1->text().isEmpty());
        return;
    }
    editIP1->clear();
    editIP2->clear();
    editIP1->setEnabled(false);
    editIP2->setEnabled(false);
}

void GprsPage::EditIP1Change()
{
    if (!editIP1->text().isEmpty())
        editIP2->setEnabled(true);
    else
        editIP2->clear();
}

void GprsPage::EditIPChange()
{
    if (editIP->text().isEmpty())
        editAPN_PBL1->clear();
}
