#pragma once

#include "LateLine.h"
#include "PanelLine.h"
#include "PanelOptions.h"
#include "PanelSide.h"

class FakeSerialPort;
class TickClock;

// The virtual panel's own side of the serial protocol, the one the
// zq22-panel-sim program plays, behind a FakeSerialPort in virtual time. What
// it sends reaches the link a moment later, or as late as its options say.
class FakePortPanel final : public PanelLine {
public:
    FakePortPanel(FakeSerialPort& port, TickClock& clock, const PanelOptions& options);

    // The image taken by the last complete write; empty until there is one.
    const QByteArray& written() const { return m_side.written(); }

    void send(const QByteArray& bytes) override;
    void hangUp() override;

private:
    FakeSerialPort& m_port;
    LateLine m_late;
    PanelSide m_side;
};
