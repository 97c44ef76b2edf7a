#include "CallCount.h"

#include "Controls.h"

#include <QSpinBox>

namespace {

constexpr int MostCallsTyped = 999;
constexpr int MostCallsKept = 250;

} // namespace

void CountCallGSMChange(QSpinBox& counter)
{
    if (counter.value() > MostCallsKept)
        counter.setValue(MostCallsKept);
}

QSpinBox* callCounter(const char* name)
{
    QSpinBox* counter = Controls::spinEdit(name, 1, MostCallsTyped, 1, 1);
    QObject::connect(counter, &QSpinBox::valueChanged, counter, [counter] { CountCallGSMChange(*counter); });
    return counter;
}
