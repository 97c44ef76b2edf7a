#pragma once

#include "PanelLine.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

class QSocketNotifier;

// A pseudo-terminal pair in raw mode: the configurator opens the device at
// path(), the panel talks through the master side. With pacing on, bytes take
// the time they would take at 115200 baud in both directions.
class PtyLine final : public QObject, public PanelLine {
    Q_OBJECT
public:
    explicit PtyLine(bool pace);
    ~PtyLine() override;

    // False (with the reason) when no pseudo-terminal could be had.
    bool open(QString* error);
    QString path() const { return m_path; }

    std::function<void(const QByteArray&)> onReceived;

    void send(const QByteArray& bytes) override;
    void hangUp() override;

Q_SIGNALS:
    void hungUp();

private:
    using Clock = std::chrono::steady_clock;

    void onReadable();
    void writeAll(const char* data, qint64 size);

    bool m_pace;
    int m_master = -1;
    int m_slave = -1; // held so the line stays up while the configurator reopens it
    QString m_path;
    QSocketNotifier* m_notifier = nullptr;
    Clock::time_point m_txFreeAt{};
    Clock::time_point m_rxFreeAt{};
};
