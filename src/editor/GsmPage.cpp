#include "GsmPage.h"

#include "CallCount.h"
#include "Controls.h"
#include "InputFilter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int GsmPhoneLength = 10;
constexpr int ShortestTest = 60;
constexpr int LongestTest = 5400;
constexpr int TestStep = 60;

} // namespace

GsmPage::GsmPage(QWidget* parent)
    : QWidget(parent)
    , pgsmT(Controls::lineEdit("PGSMT", GsmPhoneLength))
    , gsm1(Controls::group("GSM1", QStringLiteral(" SIM 1 ")))
    , pgsm1(Controls::lineEdit("PGSM1", GsmPhoneLength))
    , pgsm2(Controls::lineEdit("PGSM2", GsmPhoneLength))
    , countCallGSM(callCounter("CountCallGSM"))
    , editTestGSM(Controls::spinEdit("EditTestGSM", ShortestTest, LongestTest, TestStep, ShortestTest))
{
    setObjectName(QStringLiteral("SheetGSM"));
    for (QLineEdit* phone : {pgsmT, pgsm1, pgsm2})
        InputFilter::install(phone, InputFilter::Kind::Phone);

    auto* numbers = new QGridLayout(gsm1);
    Controls::addRow(numbers, nullptr, tr("Первый номер"), pgsm1);
    Controls::addRow(numbers, nullptr, tr("Второй номер"), pgsm2);

    auto* test = new QGridLayout;
    Controls::addRow(test, nullptr, tr("Тестовый канал"), pgsmT);
    auto* counts = new QGridLayout;
    Controls::addRow(counts, nullptr, tr("Количество \"дозвонов\""), countCallGSM);
    Controls::addRow(counts, nullptr, tr("Тестирование,  сек"), editTestGSM);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(test);
    layout->addWidget(gsm1);
    layout->addLayout(counts);
    layout->addStretch();
}
