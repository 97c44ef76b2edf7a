// The virtual panel: prints the device to open in the configurator on a line
// of its own, then plays the panel until it is ended.
#include "PanelOptions.h"
#include "PanelSide.h"
#include "PtyLine.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
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
    PanelSide panel(*options, line);
    line.onReceived = [&panel](const QByteArray& bytes) { panel.receive(bytes); };
    QObject::connect(&line, &PtyLine::hungUp, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    QTextStream(stdout) << line.path() << Qt::endl;
    return app.exec();
}
