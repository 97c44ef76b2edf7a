#include "ListeningPort.h"

namespace {
constexpr quint16 FallbackPort = 9990;
}

quint16 listeningPort(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? static_cast<quint16>(number) : FallbackPort;
}
