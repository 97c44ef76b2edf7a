#pragma once

#include <QRandomGenerator>
#include <QString>

class GeneralPage;
class MainWindow;
class TextsPage;
class ZonesPage;

// Page states as an installer leaves them, drawn from one seed: whatever the
// window then builds is an image the configurator can produce.
class PageStates {
public:
    explicit PageStates(quint32 seed) : m_random(seed) {}

    void fill(MainWindow& window);

private:
    int number(int lowest, int highest) { return m_random.bounded(lowest, highest + 1); }
    bool chance(int percent) { return m_random.bounded(100) < percent; }
    QString from(const QString& alphabet, int lowest, int highest);
    QString phone() { return QStringLiteral("+380") + from(QStringLiteral("0123456789"), 9, 9); }
    QString address();

    void fillChannels(GeneralPage& general);
    void fillGeneral(GeneralPage& general);
    void fillTexts(TextsPage& texts);
    int fillGroups(ZonesPage& zones);
    void fillZones(ZonesPage& zones, int groups);
    void fillUsers(ZonesPage& zones, int groups);

    QRandomGenerator m_random;
};
