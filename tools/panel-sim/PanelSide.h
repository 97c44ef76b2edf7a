#pragma once

#include "PanelOptions.h"

#include <QByteArray>

class PanelLine;

// The panel's side of the protocol, whatever carries the bytes: it answers the
// connect frame, sends its image on a read request and takes a written image,
// injecting the faults it was asked for.
class PanelSide {
public:
    PanelSide(const PanelOptions& options, PanelLine& line);

    // Bytes from the configurator, in any pieces.
    void receive(const QByteArray& bytes);

    // The image written most recently; empty until a write is complete.
    const QByteArray& written() const { return m_written; }

private:
    enum class State { Idle, Sending, Receiving, Silent };

    bool startsWithWriteRequest() const;
    bool takeFrame();
    void onFrame(const QByteArray& frame);
    void onAnswer(std::uint8_t answer);
    void onBlock(const QByteArray& block);

    void sendBlock(int number);
    void afterBlock(int number);
    void reply(std::uint8_t byte);
    void saveWritten();

    PanelOptions m_options;
    PanelLine& m_line;
    State m_state = State::Idle;
    QByteArray m_input;

    int m_block = 0;             // the block in flight (reading) or expected (writing)
    int m_badCrcLeft = 0;
    bool m_repeated = false;
    bool m_skipped = false;
    int m_naksLeft = 0;
    bool m_refused = false;
    QByteArray m_receiving;
    QByteArray m_written;
};
