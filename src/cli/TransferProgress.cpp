#include "TransferProgress.h"

#include "Console.h"

#include <algorithm>

namespace {

constexpr int BarWidth = 40;

} // namespace

TransferProgress::TransferProgress(Console& console, Audience audience)
    : m_console(console)
    , m_audience(audience)
{
}

void TransferProgress::show(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (m_audience == Audience::OutcomeOnly)
        return;
    if (m_audience == Audience::Log) {
        const int tenth = percent / 10;
        if (tenth <= m_shown)
            return;
        m_shown = tenth;
        m_console.message(QStringLiteral("zq22: %1 %").arg(tenth * 10));
        return;
    }
    // The link sets the gauge back to 0 as it hides it at the end; what was reached stays.
    if (percent <= m_shown)
        return;
    m_shown = percent;
    const int filled = percent * BarWidth / 100;
    m_console.messagePart(QStringLiteral("\r[%1%2] %3 %")
                              .arg(QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char(' ')))
                              .arg(percent, 3));
    m_barOnLine = true;
}

void TransferProgress::end()
{
    interrupt();
    m_shown = 0;
}

void TransferProgress::interrupt()
{
    if (m_barOnLine)
        m_console.message(QString());
    m_barOnLine = false;
}
