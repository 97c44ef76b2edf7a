// The soak: many transfers in a row, reads and writes alternating, two on the
// pseudo-terminal and then two over UDP, against the virtual panel with a
// random fault in about a third of them. Every transfer must either arrive
// byte for byte or end with its message and give the controls back for the
// next. Prints the seed first (give it back with --seed to repeat the run),
// one line a transfer, the counts, and the resident memory after the last
// transfer over that after the first.
//
//   zq22-bench-soak [--count N] [--seed S]
#include "PanelFaults.h"
#include "SoakSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include <map>

namespace {

constexpr int DefaultCount = 200;

// Resident memory in kB, from the kernel's own account of the process.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    }
    return 0;
}

QByteArray randomImage(QRandomGenerator& random)
{
    QByteArray bytes(ConfigImage::Size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

const char* nameOf(SoakSession::Result result)
{
    switch (result) {
    case SoakSession::Result::Succeeded: return "ok";
    case SoakSession::Result::FailedWithMessage: return "failed with its message";
    case SoakSession::Result::Lost: return "LOST: success claimed, bytes differ";
    case SoakSession::Result::Stuck: return "STUCK";
    }
    return "";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption countOption(QStringLiteral("count"), QStringLiteral("Transfers (default 200)."),
                                         QStringLiteral("n"), QString::number(DefaultCount));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Repeat the run of this seed."),
                                        QStringLiteral("s"));
    parser.addOptions({countOption, seedOption});
    parser.process(app);
    const int count = parser.value(countOption).toInt();
    const quint32 seed =
        parser.isSet(seedOption) ? parser.value(seedOption).toUInt() : QRandomGenerator::system()->generate();

    QTextStream out(stdout);
    out << "seed " << seed << Qt::endl;
    QRandomGenerator random(seed);
    SoakSession session;
    std::map<SoakSession::Result, int> counts;
    int faulted = 0;
    qint64 firstKb = 0;
    QElapsedTimer elapsed;
    elapsed.start();

    for (int n = 0; n < count; ++n) {
        const Direction direction = n % 2 ? Direction::Write : Direction::Read;
        const Transport transport = (n / 2) % 2 ? Transport::Udp : Transport::Serial;
        const QStringList faults = randomFault(random, transport, direction);
        const QByteArray image = randomImage(random);
        QElapsedTimer took;
        took.start();
        const SoakSession::Outcome outcome = session.transfer(transport, direction, faults, image);
        ++counts[outcome.result];
        faulted += faults.isEmpty() ? 0 : 1;
        if (n == 0)
            firstKb = residentKb();
        out << qSetFieldWidth(4) << n + 1 << qSetFieldWidth(0) << (transport == Transport::Serial ? " pty " : " udp ")
            << (direction == Direction::Read ? "read  " : "write ") << (faults.isEmpty() ? QStringLiteral("-") : faults.join(' '))
            << ": " << nameOf(outcome.result) << " (" << outcome.message << ") "
            << QString::number(took.elapsed() / 1000.0, 'f', 1) << " s" << Qt::endl;
    }

    const qint64 lastKb = residentKb();
    const double seconds = elapsed.elapsed() / 1000.0;
    out << "transfers " << count << ", with a fault " << faulted << Qt::endl;
    for (const auto result : {SoakSession::Result::Succeeded, SoakSession::Result::FailedWithMessage,
                              SoakSession::Result::Lost, SoakSession::Result::Stuck})
        out << "  " << nameOf(result) << ": " << counts[result] << Qt::endl;
    out << "time " << QString::number(seconds, 'f', 0) << " s";
    if (count != DefaultCount && count > 0)
        out << ", about " << QString::number(seconds * DefaultCount / count / 60, 'f', 0) << " min for "
            << DefaultCount;
    out << Qt::endl;
    out << "resident memory " << firstKb << " kB after the first transfer, " << lastKb
        << " kB after the last, ratio " << QString::number(firstKb ? double(lastKb) / firstKb : 0, 'f', 3)
        << " (target 1.10 at most)" << Qt::endl;
    return counts[SoakSession::Result::Lost] + counts[SoakSession::Result::Stuck] == 0 ? 0 : 1;
}
