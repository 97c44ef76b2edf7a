#include "PanelFaults.h"

#include "Frames.h"

#include <QRandomGenerator>

#include <functional>
#include <vector>

namespace {

using Fault = std::function<QStringList(QRandomGenerator&)>;

QString block(QRandomGenerator& random)
{
    return QString::number(random.bounded(1, Frames::BlockCount + 1));
}

QString blocks(QRandomGenerator& random)
{
    QStringList numbers;
    for (int i = random.bounded(1, 4); i > 0; --i)
        numbers.append(block(random));
    return numbers.join(QLatin1Char(','));
}

Fault with(const char* option)
{
    return [option](QRandomGenerator&) { return QStringList{QLatin1String(option)}; };
}

Fault with(const char* option, std::function<QString(QRandomGenerator&)> value)
{
    return [option, value](QRandomGenerator& random) { return QStringList{QLatin1String(option), value(random)}; };
}

std::vector<Fault> faultsOf(Transport transport, Direction direction)
{
    const bool read = direction == Direction::Read;
    if (transport == Transport::Serial) {
        std::vector<Fault> faults{with("--pace"), with("--silent-after", block), with("--close-after", block)};
        if (read) {
            faults.push_back([](QRandomGenerator& random) {
                return QStringList{QStringLiteral("--bad-crc"), block(random), QStringLiteral("--bad-crc-times"),
                                   QString::number(random.bounded(1, 9))};
            });
            faults.push_back(with("--repeat", block));
            faults.push_back(with("--skip", block));
        } else {
            faults.push_back(with("--nak", [](QRandomGenerator& random) { return QString::number(random.bounded(1, 10)); }));
            faults.push_back(with("--fault"));
        }
        return faults;
    }
    std::vector<Fault> faults{with("--armed"), with("--no-ready"), with("--reannounce"), with("--spoof"),
                              with("--retransmit-ms",
                                   [](QRandomGenerator& random) { return QString::number(random.bounded(100, 3000)); })};
    if (read) {
        faults.push_back(with("--lose", blocks));
        faults.push_back(with("--repeat", blocks));
        faults.push_back(with("--bad-crc", blocks));
        faults.push_back(with("--out-of-sequence", block));
        faults.push_back(with("--silent-from", [](QRandomGenerator& random) {
            return QString::number(random.bounded(0, Frames::BlockCount + 1));
        }));
    } else {
        faults.push_back(with("--no-relink-ready"));
        faults.push_back(with("--fault-byte"));
        faults.push_back(with("--silent-after-written", [](QRandomGenerator& random) {
            return QString::number(random.bounded(0, Frames::BlockCount + 1));
        }));
    }
    return faults;
}

} // namespace

QStringList randomFault(QRandomGenerator& random, Transport transport, Direction direction)
{
    if (random.bounded(3) != 0)
        return {};
    const std::vector<Fault> faults = faultsOf(transport, direction);
    return faults[random.bounded(int(faults.size()))](random);
}
