// Runs "zq22 diff" on two configuration files and a bare Qt Core program in
// turn, each as a new process, and times each from start to exit. Prints the
// medians and their ratio.
#include "ConfigFile.h"
#include "ConfigImage.h"
#include "FactoryImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int Runs = 101;
constexpr int WarmUpRuns = 3;
constexpr int TimeoutMs = 20000;

// Milliseconds from the start of the process to its exit with the expected status.
std::optional<double> timeToExit(const QString& program, const QStringList& arguments, int expectedStatus)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(TimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != expectedStatus)
        return std::nullopt;
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The factory configuration, and the same with the siren at 60 s and Z3 on.
bool writeFiles(const QTemporaryDir& dir)
{
    ConfigImage edited = factoryImage();
    edited.setValue(ImageLayout::SirenTime, 12);
    edited.setValue(ImageLayout::zoneField(3, ImageLayout::Zone::ZoneType), ImageLayout::Zone::On);
    return !ConfigFile::write(dir.filePath(QStringLiteral("EC22.q22")), factoryImage())
        && !ConfigFile::write(dir.filePath(QStringLiteral("edited.q22")), edited);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QTemporaryDir dir;
    if (!dir.isValid() || !writeFiles(dir)) {
        out << "cannot write the configuration files\n";
        return 1;
    }
    const QString bin = QCoreApplication::applicationDirPath();
    const QString zq22 = bin + QStringLiteral("/zq22");
    const QStringList diff = {QStringLiteral("diff"), dir.filePath(QStringLiteral("EC22.q22")),
                              dir.filePath(QStringLiteral("edited.q22"))};
    const QString plain = bin + QStringLiteral("/bench_diff_plain");

    std::vector<double> diffTimes;
    std::vector<double> plainTimes;
    for (int run = 0; run < WarmUpRuns + Runs; ++run) {
        const auto d = timeToExit(zq22, diff, 1);
        const auto p = timeToExit(plain, {}, 0);
        if (!d || !p) {
            out << "a program failed or did not exit with the expected status\n";
            return 1;
        }
        if (run < WarmUpRuns)
            continue;
        diffTimes.push_back(*d);
        plainTimes.push_back(*p);
    }
    const double diffMedian = median(diffTimes);
    const double plainMedian = median(plainTimes);
    out << "runs each:                " << Runs << '\n'
        << "zq22 diff of two files:   " << diffMedian << " ms (median)\n"
        << "bare Qt Core program:     " << plainMedian << " ms (median)\n"
        << "ratio:                    " << diffMedian / plainMedian << '\n';
    return 0;
}
