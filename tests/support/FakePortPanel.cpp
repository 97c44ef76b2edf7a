#include "FakePortPanel.h"

#include "FakeSerialPort.h"

#include <algorithm>

namespace {
// Even a prompt panel answers after the link's write has returned, as on a real line.
constexpr std::chrono::milliseconds Prompt{1};
} // namespace

FakePortPanel::FakePortPanel(FakeSerialPort& port, TickClock& clock, const PanelOptions& options)
    : m_port(port)
    , m_late(*this, clock, std::max(Prompt, options.lateness))
    , m_side(options, m_late)
{
    m_port.onWrite = [this](const QByteArray& bytes) { m_side.receive(bytes); };
}

void FakePortPanel::send(const QByteArray& bytes)
{
    m_port.push(bytes);
}

void FakePortPanel::hangUp()
{
    m_port.fail();
}
