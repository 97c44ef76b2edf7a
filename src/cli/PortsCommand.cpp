#include "CommandTable.h"
#include "Console.h"
#include "ExitStatus.h"
#include "PortList.h"

namespace {

int run(const QCommandLineParser&, Console& console)
{
    const QStringList ports = PortList::choices();
    for (const QString& port : ports)
        console.out() << port << '\n';
    return ExitStatus::Success;
}

} // namespace

Command portsCommand()
{
    return {
        QStringLiteral("ports"),
        QStringLiteral("List the serial ports a panel may be on."),
        QStringLiteral("Lists the serial ports of this computer as the configurator's port chooser\n"
                       "does: the device, then its description when it has one. Either form is taken\n"
                       "by --port of read and write."),
        {},
        {},
        run,
    };
}
