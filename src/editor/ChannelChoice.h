#pragma once

#include <QObject>
#include <QSignalBlocker>

#include <array>

class ChannelsSheet;
class ConfigImage;
class Dialogs;
class GeneralPage;

// How the panel reports events: the five channel boxes of the general page and
// the SIM-card selector, whose reactions keep each other consistent and ask
// before a restored channel list is lost. Reactions run nested, one inside
// another, exactly when a box or the selector really changes.
class ChannelChoice final : public QObject {
    Q_OBJECT
public:
    ChannelChoice(GeneralPage& page, ChannelsSheet& sheet, ConfigImage& image, Dialogs& dialogs);

    // Detaches the six reactions while the returned blockers live.
    [[nodiscard]] std::array<QSignalBlocker, 6> suspendClicks();

    int rememberedSimSelection() const { return m_rememberedSim; }
    void rememberSimSelection();

    void VoiceBoxClick();
    void AvtBoxClick();
    void GSMBoxClick();
    void GPRSBoxClick();
    void EtherBoxClick();
    void SimCountClick();

Q_SIGNALS:
    // The texts page is to show its first page / to hide its tab.
    void messagesFirstPageWanted();
    void messagesTabHidden();

private:
    // True when the list is empty or the user agreed to empty it.
    bool askListQuestion();
    bool listHasEntries() const;
    void showSimTabs();
    void zeroChannelKinds();

    GeneralPage& m_page;
    ChannelsSheet& m_sheet;
    ConfigImage& m_image;
    Dialogs& m_dialogs;
    int m_rememberedSim = -1;
};
