#pragma once

#include "Audience.h"
#include "LinkHost.h"
#include "TickClock.h"

#include <functional>
#include <optional>

class ConfigImage;
class Console;
class TransferProgress;

// The window as the link sees it, on a terminal: the status line and the gauge
// go to standard error, and there are no pages, menus or buttons to arrange.
class ConsoleLinkHost final : public LinkHost {
public:
    // subject: what the link talks to, which begins every status line; image:
    // the configuration whose panel the messages name; confPort: the listening
    // port of a remote link.
    ConsoleLinkHost(Console& console, TickClock& clock, TransferProgress& progress, Audience audience, QString subject,
                    const ConfigImage& image, QString confPort);

    // A whole image has arrived and would now be shown on the pages.
    std::function<void()> onRestored;
    // The link asked to end the program.
    std::function<void()> onCloseRequested;
    // The commands are back in the user's hands: a panel has answered, or a link ended.
    std::function<void()> onCommandsEnabled;

    void setStatus(const QString& text) override;
    void setCountdown(const QString& text) override;
    void EnableAll() override;
    void DisableAll() override {}
    void setItemEnabled(Item, bool) override {}
    void setWrBtnVisible(bool) override {}
    void setWrBtnEnabled(bool) override {}
    void setGaugeVisible(bool visible) override;
    void setGauge(int percent) override;
    void setWhoLit(bool) override {}

    QString accountText() const override;
    QString confPortText() const override { return m_confPort; }
    void focusConfPortEdit() override {}
    void showFirstPage() override {}
    void makeVerSimReadOnly() override {}
    void restorePages() override;
    void clearSaveRequest() override {}

    bool closingFlag() const override { return m_closing; }
    void setClosingFlag() override { m_closing = true; }
    void requestClose() override;
    void M_Delay(int ticks) override;

private:
    Console& m_console;
    TickClock& m_clock;
    TransferProgress& m_progress;
    Audience m_audience;
    QString m_subject;
    const ConfigImage& m_image;
    QString m_confPort;
    QString m_status;
    std::optional<Ticks::Duration> m_countdownShownAt;
    bool m_gaugeVisible = false;
    bool m_closing = false;
};
