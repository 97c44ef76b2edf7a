// Starts the configurator and a bare Qt Widgets window in turn, each as a new
// process, and times process start until the first showing is reported. Prints
// the medians and their ratio.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int Runs = 15;
constexpr int WarmUpRuns = 1;
constexpr int TimeoutMs = 20000;

// Milliseconds from the start of the process until it says it was shown.
std::optional<double> timeToShown(const QString& program)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForStarted(TimeoutMs))
        return std::nullopt;
    QByteArray output;
    while (!output.contains('\n')) {
        const qint64 left = TimeoutMs - timer.elapsed();
        if (left <= 0 || process.state() == QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return std::nullopt;
        }
        process.waitForReadyRead(int(std::min<qint64>(left, 100)));
        output += process.readAllStandardOutput();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(TimeoutMs);
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString configurator = dir + QStringLiteral("/bench_startup_app");
    const QString plain = dir + QStringLiteral("/bench_startup_plain");

    std::vector<double> appTimes;
    std::vector<double> plainTimes;
    for (int run = 0; run < WarmUpRuns + Runs; ++run) {
        const auto a = timeToShown(configurator);
        const auto p = timeToShown(plain);
        if (!a || !p) {
            out << "a program did not report its first showing\n";
            return 1;
        }
        if (run < WarmUpRuns)
            continue;
        appTimes.push_back(*a);
        plainTimes.push_back(*p);
    }
    const double appMedian = median(appTimes);
    const double plainMedian = median(plainTimes);
    out << "runs each:            " << Runs << '\n'
        << "zq22lite to shown:    " << appMedian << " ms (median)\n"
        << "bare window to shown: " << plainMedian << " ms (median)\n"
        << "ratio:                " << appMedian / plainMedian << '\n';
    return 0;
}
