// Runs zq22 read and zq22 write, each a whole process as a script starts it,
// against the virtual panel pacing its line at 115200 baud, and prints the
// time each run takes over the time its bytes need on the wire: the connect
// handshake and the transfer. Start-up and port opening count against zq22.
#include "RefusedImages.h"
#include "SampleConfigs.h"
#include "SerialWire.h"
#include "VirtualPanel.h"
#include "Zq22Run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int Runs = 3;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    // The reads and writes record their versions as a script's would, in a library of the bench's own.
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    const QString toWrite = dir.filePath(QStringLiteral("to-write.q22"));
    const QString read = dir.filePath(QStringLiteral("read.q22"));
    if (!SampleConfigs::write(toWrite, RefusedImages::accepted())) {
        out << "cannot write " << toWrite << Qt::endl;
        return 1;
    }
    VirtualPanel panel;
    if (!panel.start({QStringLiteral("--pace"), QStringLiteral("--save"), dir.filePath(QStringLiteral("saved.q22"))})) {
        out << "the virtual panel did not start: " << panel.errors() << Qt::endl;
        return 1;
    }

    const auto measure = [&](const char* name, int bytes, const QStringList& arguments) {
        QElapsedTimer elapsed;
        elapsed.start();
        const Zq22Run run = Zq22Run::start(arguments + QStringList{QStringLiteral("--port"), panel.devicePath()});
        const double measured = elapsed.nsecsElapsed() / 1e9;
        if (run.exitCode != 0) {
            out << name << ": failed: " << run.err << Qt::endl;
            return false;
        }
        const double wire = SerialWire::seconds(SerialWire::HandshakeBytes + bytes);
        out << name << ": measured " << QString::number(measured, 'f', 3) << " s, wire " << QString::number(wire, 'f', 3)
            << " s, ratio " << QString::number(measured / wire, 'f', 3) << Qt::endl;
        return true;
    };

    for (int run = 0; run < Runs; ++run) {
        if (!measure("zq22 read ", SerialWire::ReadBytes, {QStringLiteral("read"), QStringLiteral("-o"), read})
            || !measure("zq22 write", SerialWire::WriteBytes, {QStringLiteral("write"), toWrite}))
            return 1;
    }
    return 0;
}
