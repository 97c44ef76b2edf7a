#pragma once

#include <QByteArray>

// The transport under the panel's protocol: bytes out, and hanging up.
class PanelLine {
public:
    virtual ~PanelLine() = default;
    virtual void send(const QByteArray& bytes) = 0;
    // Drops the line as a pulled cable would.
    virtual void hangUp() = 0;
};
