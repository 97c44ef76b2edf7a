// Reads and writes a whole image against the virtual panel pacing its line at
// 115200 baud, and prints the time taken over the time the bytes need on the
// wire.
#include "ConfigImage.h"
#include "FakeDatagramSocket.h"
#include "PanelLink.h"
#include "QtSerialPort.h"
#include "QtTickClock.h"
#include "RecordingLinkHost.h"
#include "ScriptedDialogs.h"
#include "SerialWire.h"
#include "VirtualPanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>
#include <QTextStream>

namespace {

constexpr int TimeoutMs = 30000;

// Runs the event loop until the condition holds; the loop keeps running while
// it waits, as the program's own loop does.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    return condition();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    QtTickClock clock;
    ScriptedDialogs dialogs;
    RecordingLinkHost host(clock);
    QtSerialPort port;
    ConfigImage image;
    FakeDatagramSocket udp;
    PanelLink link(image, host, dialogs, clock, port, udp);
    VirtualPanel panel;

    QElapsedTimer elapsed;
    qint64 boxAtNs = 0;
    dialogs.onMessage([&](const Dialogs::Message&) { boxAtNs = elapsed.nsecsElapsed(); });
    const auto linked = [&] { return host.status() == QStringLiteral("ППК подключен по USB."); };
    const auto boxes = [&] { return dialogs.shown().size(); };

    if (!panel.start({QStringLiteral("--pace"), QStringLiteral("--save"), dir.filePath(QStringLiteral("w.q22"))})) {
        out << "the virtual panel did not start: " << panel.errors() << Qt::endl;
        return 1;
    }
    dialogs.answerPort(panel.devicePath());
    link.USB2Click();
    if (!waitUntil(linked, TimeoutMs)) {
        out << "the virtual panel did not answer" << Qt::endl;
        return 1;
    }

    const auto measure = [&](const char* name, int bytes, const std::function<void()>& start) {
        const qsizetype before = boxes();
        elapsed.start();
        start();
        if (!waitUntil([&] { return boxes() > before; }, TimeoutMs)) {
            out << name << ": did not finish" << Qt::endl;
            return false;
        }
        const double measured = boxAtNs / 1e9;
        const double wire = SerialWire::seconds(bytes);
        out << name << ": " << bytes << " bytes, measured " << QString::number(measured, 'f', 3) << " s, wire "
            << QString::number(wire, 'f', 3) << " s, ratio " << QString::number(measured / wire, 'f', 3) << "  ("
            << dialogs.last().text << ")" << Qt::endl;
        return waitUntil(linked, TimeoutMs);
    };

    const bool ok = measure("read", SerialWire::ReadBytes, [&] { link.ItemReadClick(); })
        && measure("write", SerialWire::WriteBytes, [&] { link.startWrite(); });
    return ok ? 0 : 1;
}
