#pragma once

#include "LinkHost.h"

#include <QList>
#include <QMap>
#include <QStringList>

class TickClock;

// The window as the link sees it, without widgets: every change is recorded so
// a test can assert the arrangement and the history of the status line.
class RecordingLinkHost final : public LinkHost {
public:
    explicit RecordingLinkHost(TickClock& clock);

    void setStatus(const QString& text) override { statuses.append(text); }
    void EnableAll() override;
    void DisableAll() override;
    void setItemEnabled(Item item, bool enabled) override { items[item] = enabled; }
    void setWrBtnVisible(bool visible) override { wrBtnVisible = visible; }
    void setWrBtnEnabled(bool enabled) override { wrBtnEnabled = enabled; }
    void setGaugeVisible(bool visible) override { gaugeVisible = visible; }
    void setGauge(int percent) override { gauges.append(percent); }
    void setWhoLit(bool lit) override { whoLit = lit; }

    QString accountText() const override { return account; }
    QString confPortText() const override { return confPort; }
    void focusConfPortEdit() override { ++confPortFocused; }
    void showFirstPage() override { ++firstPageShown; }
    void makeVerSimReadOnly() override { verSimReadOnly = true; }
    void restorePages() override { ++restored; }
    void clearSaveRequest() override { ++saveRequestCleared; }
    void transferDone(Transfer transfer, const Route& route) override;

    bool closingFlag() const override { return closing; }
    void setClosingFlag() override { closing = true; }
    void requestClose() override { ++closeRequests; }
    void M_Delay(int ticks) override;

    QString status() const { return statuses.isEmpty() ? QString() : statuses.constLast(); }
    int gauge() const { return gauges.isEmpty() ? 0 : gauges.constLast(); }
    bool enabled(Item item) const { return items.value(item, false); }
    // True when the six items of EnableAll are all enabled (or all disabled).
    bool allEnabled() const;
    bool allDisabled() const;

    QStringList statuses;
    QMap<Item, bool> items;
    bool wrBtnVisible = false;
    bool wrBtnEnabled = true;
    bool gaugeVisible = false;
    QList<int> gauges;
    bool whoLit = false;
    QString account = QStringLiteral("EC22");
    QString confPort = QStringLiteral("99999");
    int confPortFocused = 0;
    int firstPageShown = 0;
    bool verSimReadOnly = false;
    int restored = 0;
    int saveRequestCleared = 0;
    // The transfers handed on as done: "read /dev/ttyACM0", "write 192.168.1.30:5000".
    QStringList transfersDone;
    bool closing = false;
    int closeRequests = 0;
    QList<int> delays;

private:
    TickClock& m_clock;
};
