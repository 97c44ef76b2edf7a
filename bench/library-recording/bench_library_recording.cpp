// Runs zq22 read against the virtual panel pacing its line at 115200 baud, in
// turn recording its version in a library and with --no-library, each a whole
// process as a script starts it, and prints the time with the recording over
// the time without (the median of many runs each, side by side, for the
// machine's noise is larger than what is measured): what the recording adds
// to a read. On SQLite, and on PostgreSQL when ZQ22_TEST_PG_URL
// names a server (scripts/with-postgres.sh).
#include "ConfigFile.h"
#include "SampleConfigs.h"
#include "ScratchLibrary.h"
#include "TestFiles.h"
#include "VirtualPanel.h"
#include "Zq22Run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int Runs = 15;

QTextStream out(stdout);

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

bool measure(ScratchLibrary::Engine engine, const char* engineName, const QString& device, const QString& target)
{
    ScratchLibrary library;
    const QString problem = library.create(engine);
    if (!problem.isEmpty()) {
        out << engineName << ": " << problem << Qt::endl;
        return false;
    }
    const QStringList read{QStringLiteral("read"), QStringLiteral("--port"), device, QStringLiteral("-o"), target};
    const QStringList recording{QStringLiteral("--library"), library.url()};
    const QStringList without{QStringLiteral("--no-library")};
    // The library is made by a first read that is not counted: what is measured is a version added.
    if (Zq22Run::start(read + recording).exitCode != 0) {
        out << engineName << ": the first read failed" << Qt::endl;
        return false;
    }
    QList<double> recordedSeconds;
    QList<double> plainSeconds;
    for (int run = 0; run < Runs; ++run) {
        for (auto [options, total] : {std::pair{&recording, &recordedSeconds}, std::pair{&without, &plainSeconds}}) {
            QElapsedTimer elapsed;
            elapsed.start();
            const Zq22Run zq22 = Zq22Run::start(read + *options);
            total->append(elapsed.nsecsElapsed() / 1e9);
            // A recording that fails leaves the read's status: its message would.
            if (zq22.exitCode != 0 || zq22.err.contains(QStringLiteral("версия не записана"))) {
                out << engineName << ": failed: " << zq22.err << Qt::endl;
                return false;
            }
        }
    }
    const double recorded = median(recordedSeconds);
    const double plain = median(plainSeconds);
    out << engineName << ": zq22 read recording " << QString::number(recorded, 'f', 3) << " s, without "
        << QString::number(plain, 'f', 3) << " s (medians of " << Runs << "), ratio "
        << QString::number(recorded / plain, 'f', 3) << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString held = dir.filePath(QStringLiteral("held.q22"));
    if (!writeFile(held, ConfigFile::Signature + SampleConfigs::scatteredBytes(1))) {
        out << "cannot write " << held << Qt::endl;
        return 1;
    }
    VirtualPanel panel;
    if (!panel.start({QStringLiteral("--pace"), held})) {
        out << "the virtual panel did not start: " << panel.errors() << Qt::endl;
        return 1;
    }
    const QString target = dir.filePath(QStringLiteral("read.q22"));
    bool ok = measure(ScratchLibrary::Engine::Sqlite, "SQLite    ", panel.devicePath(), target);
    if (qEnvironmentVariableIsEmpty("ZQ22_TEST_PG_URL"))
        out << "PostgreSQL: skipped, ZQ22_TEST_PG_URL is not set (scripts/with-postgres.sh sets it)" << Qt::endl;
    else
        ok = measure(ScratchLibrary::Engine::Postgres, "PostgreSQL", panel.devicePath(), target) && ok;
    return ok ? 0 : 1;
}
