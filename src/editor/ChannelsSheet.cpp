#include "ChannelsSheet.h"

#include "ChListBox.h"
#include "Controls.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int MacDigits = 5;

} // namespace

ChannelsSheet::ChannelsSheet(QWidget* parent)
    : QWidget(parent)
    , editMac(Controls::lineEdit("EditMac", MacDigits))
    , simCount(new RadioGroup(tr("  Sim-карты "),
                              {tr("Одна Sim-карта"), tr("Нет Sim-карт")}))
    , chkGL(Controls::checkBox("chkGL", tr("Передавать уровень GSM")))
    , chList(new QPushButton(tr("Список каналов")))
    , chListBox(new ChListBox)
{
    simCount->setObjectName(QStringLiteral("SimCount"));
    chList->setObjectName(QStringLiteral("ChList"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editMac);
    layout->addWidget(simCount);
    layout->addWidget(chkGL);
    layout->addWidget(chList);
    layout->addWidget(chListBox);
    layout->addStretch();

    editMac->hide();
    simCount->setEnabled(false);
    simCount->hide();
    chkGL->hide();
    chList->hide();
    chListBox->hide();
}
