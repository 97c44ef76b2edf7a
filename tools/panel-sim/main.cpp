// The virtual panel. On a pseudo-terminal it prints the device to open in the
// configurator on a line of its own; over UDP it announces itself to the
// configurator's port. Either way it plays the panel until it is ended.
#include "LateLine.h"
#include "PanelOptions.h"
#include "PanelSide.h"
#include "PtyLine.h"
#include "QtTickClock.h"
#include "UdpOptions.h"
#include "UdpPanel.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

bool helpWanted(const QStringList& arguments)
{
    for (const char* option : {"--help", "--help-all", "-h", "-?"})
        if (arguments.contains(QLatin1String(option)))
            return true;
    return false;
}

int runSerial(QCoreApplication& app, QTextStream& err)
{
    QString error;
    const std::optional<PanelOptions> options = PanelOptions::parse(app.arguments(), &error);
    if (!options) {
        err << error << Qt::endl;
        return 2;
    }
    PtyLine line(options->pace);
    if (!line.open(&error)) {
        err << error << Qt::endl;
        return 1;
    }
    QtTickClock clock;
    LateLine lateLine(line, clock, options->lateness);
    PanelLine& panelLine = options->lateness.count() > 0 ? static_cast<PanelLine&>(lateLine) : line;
    PanelSide panel(*options, panelLine);
    line.onReceived = [&panel](const QByteArray& bytes) { panel.receive(bytes); };
    QObject::connect(&line, &PtyLine::hungUp, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // Sent before the device is named, so it waits in the line for whoever opens it.
    line.send(options->stale);

    QTextStream(stdout) << line.path() << Qt::endl;
    return app.exec();
}

int runUdp(QCoreApplication& app, QTextStream& err)
{
    QString error;
    const std::optional<UdpOptions> options = UdpOptions::parse(app.arguments(), &error);
    if (!options) {
        err << error << Qt::endl;
        return 2;
    }
    UdpPanel panel(options->host, options->port, options->image, options->saveFile, options->faults,
                   options->retransmitMs);
    if (!panel.start()) {
        err << "cannot open a UDP socket" << Qt::endl;
        return 1;
    }
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (helpWanted(arguments)) {
        QTextStream(stdout) << PanelOptions::helpText() << Qt::endl << UdpOptions::helpText();
        return 0;
    }
    return UdpOptions::chosen(arguments) ? runUdp(app, err) : runSerial(app, err);
}
