// The link commands of the window when no panel stands behind them.
#include "Frames.h"
#include "PanelLinkRig.h"

#include <QTest>

using namespace std::chrono_literals;
using Item = LinkHost::Item;

namespace {

const QHostAddress PanelAddress(QStringLiteral("192.168.1.30"));
constexpr quint16 PanelPort = 5000;

struct Rig : PanelLinkRig {
    // "Удаленная", and the panel announces itself during the wait.
    void announce()
    {
        const std::unique_ptr<TickTimer> panel = clock.createTimer(
            TickClock::Mode::SingleShot, [this] { udp.deliver(Frames::Announcement, PanelAddress, PanelPort); });
        panel->start(3s);
        link.N2Click();
    }
};

} // namespace

class PanelLinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandWithoutAPanelGivesTheControlsBack_data();
    void commandWithoutAPanelGivesTheControlsBack();
};

void PanelLinkTest::commandWithoutAPanelGivesTheControlsBack_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("write");
    for (const bool write : {false, true}) {
        const char* command = write ? "Записать" : "Прочитать";
        QTest::addRow("no connection, %s", command) << "none" << write;
        QTest::addRow("ARM in place of the ready byte, %s", command) << "armed" << write;
    }
}

void PanelLinkTest::commandWithoutAPanelGivesTheControlsBack()
{
    QFETCH(QString, before);
    QFETCH(bool, write);
    Rig rig;
    if (before == QLatin1String("armed")) {
        rig.announce();
        rig.udp.deliver(Frames::Armed, PanelAddress, PanelPort);
        QCOMPARE(rig.dialogs.texts(), QStringList{QStringLiteral("ППК под охраной. Конфигурирование запрещено")});
        // The armed panel ended the connection: no transfer is offered any more,
        // yet a command that comes all the same must not leave the controls taken.
        QVERIFY(!rig.host.enabled(Item::ItemRead) && !rig.host.enabled(Item::ItemWr));
    }
    const auto sent = rig.udp.sent.size();

    if (write)
        rig.link.startWrite();
    else
        rig.link.ItemReadClick();

    QCOMPARE(rig.host.status(), QStringLiteral("ППК не подключен."));
    QVERIFY(rig.host.enabled(Item::ItemLink));
    QVERIFY(rig.host.enabled(Item::ItemLoad));
    QVERIFY(rig.host.enabled(Item::ItemSave));
    QVERIFY(rig.host.enabled(Item::ItemDefault));
    QVERIFY(!rig.host.enabled(Item::ItemRead));
    QVERIFY(!rig.host.enabled(Item::ItemWr));
    QVERIFY(!rig.host.wrBtnVisible);
    QVERIFY(!rig.host.gaugeVisible);
    QCOMPARE(rig.udp.sent.size(), sent);
    QVERIFY(rig.port.writes.isEmpty());
    QCOMPARE(rig.link.vars().TransferOp, TransferOps::None);
    QCOMPARE(rig.dialogs.shown().size(), before == QLatin1String("armed") ? 1 : 0);

    // A late ACK finds no transfer to go on with.
    rig.udp.deliver(QByteArray(1, char(Frames::Ack)), PanelAddress, PanelPort);
    rig.clock.advance(30s);
    QCOMPARE(rig.udp.sent.size(), sent);
}

QTEST_GUILESS_MAIN(PanelLinkTest)
#include "tst_PanelLink.moc"
