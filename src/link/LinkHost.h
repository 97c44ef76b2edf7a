#pragma once

#include <QString>

// What the link asks of the main window. The window implements it; link tests
// use a recording double and need no widgets.
class LinkHost {
public:
    enum class Item { ItemLink, ItemRead, ItemWr, ItemSave, ItemLoad, ItemDefault };
    enum class Transfer { Read, Write };
    // Where a transfer went: a serial port, or a remote panel's address and port.
    struct Route {
        QString serialPort;   // empty for a remote panel
        QString address;
        quint16 port = 0;
    };

    virtual ~LinkHost() = default;

    virtual void setStatus(const QString& text) = 0;                 // SB
    // A status the link renews at every step of a wait, counting down; the
    // window shows it as any other, a log need not keep every step.
    virtual void setCountdown(const QString& text) { setStatus(text); }
    virtual void EnableAll() = 0;
    virtual void DisableAll() = 0;
    virtual void setItemEnabled(Item item, bool enabled) = 0;
    virtual void setWrBtnVisible(bool visible) = 0;
    virtual void setWrBtnEnabled(bool enabled) = 0;
    virtual void setGaugeVisible(bool visible) = 0;
    virtual void setGauge(int percent) = 0;
    virtual void setWhoLit(bool lit) = 0;                            // WhoLbl

    virtual QString accountText() const = 0;                         // EditAccount
    virtual QString confPortText() const = 0;                        // ConfPortEdit
    virtual void focusConfPortEdit() = 0;
    virtual void showFirstPage() = 0;                                // PageConfig
    virtual void makeVerSimReadOnly() = 0;
    virtual void restorePages() = 0;                                 // RestCh, RestDsc, RestTxt
    virtual void clearSaveRequest() = 0;
    // A read has ended with the whole image, or the panel has confirmed a
    // write, and the transfer's own box has been answered; the image is the
    // one read or written. Nothing of the transfer waits on what the host does.
    virtual void transferDone(Transfer, const Route&) {}

    virtual bool closingFlag() const = 0;
    virtual void setClosingFlag() = 0;
    virtual void requestClose() = 0;
    virtual void M_Delay(int ticks) = 0;
};
