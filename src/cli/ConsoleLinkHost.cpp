#include "ConsoleLinkHost.h"

#include "Console.h"
#include "PanelIdentifier.h"
#include "TransferProgress.h"

namespace {
// A log keeps one step of a countdown in this time.
constexpr Ticks::Duration LogCountdownInterval = std::chrono::seconds(10);
} // namespace

ConsoleLinkHost::ConsoleLinkHost(Console& console, TickClock& clock, TransferProgress& progress, Audience audience,
                                 QString subject,
                                 const ConfigImage& image, QString confPort)
    : m_console(console)
    , m_clock(clock)
    , m_progress(progress)
    , m_audience(audience)
    , m_subject(std::move(subject))
    , m_image(image)
    , m_confPort(std::move(confPort))
{
}

void ConsoleLinkHost::setStatus(const QString& text)
{
    // The link repeats a status when it re-arranges the window, and stands
    // down after the outcome is known: a log wants neither.
    if (text == m_status || m_closing || m_audience == Audience::OutcomeOnly)
        return;
    m_status = text;
    if (text.isEmpty())
        return;
    m_progress.interrupt();
    m_console.report(m_subject, text);
}

void ConsoleLinkHost::setCountdown(const QString& text)
{
    if (m_audience == Audience::Log && m_countdownShownAt && m_clock.now() - *m_countdownShownAt < LogCountdownInterval)
        return;
    m_countdownShownAt = m_clock.now();
    setStatus(text);
}

void ConsoleLinkHost::EnableAll()
{
    if (onCommandsEnabled)
        onCommandsEnabled();
}

void ConsoleLinkHost::setGaugeVisible(bool visible)
{
    m_gaugeVisible = visible;
    if (!visible)
        m_progress.end();
}

void ConsoleLinkHost::setGauge(int percent)
{
    if (m_gaugeVisible)
        m_progress.show(percent);
}

QString ConsoleLinkHost::accountText() const
{
    return panelIdentifier(m_image);
}

void ConsoleLinkHost::restorePages()
{
    if (onRestored)
        onRestored();
}

void ConsoleLinkHost::requestClose()
{
    if (onCloseRequested)
        onCloseRequested();
}

void ConsoleLinkHost::M_Delay(int ticks)
{
    m_clock.delay(Ticks::ticks(ticks), [this] { return m_closing; });
}
