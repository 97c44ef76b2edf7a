#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The virtual panel program run beside a test: on a pseudo-terminal, whose
// device path it offers, or over UDP on loopback.
class VirtualPanel {
public:
    ~VirtualPanel();

    // False when the program did not start or named no device.
    bool start(const QStringList& arguments);
    // Over UDP: the panel announces itself to this port on loopback.
    bool startAnnouncingTo(quint16 port, const QStringList& arguments);
    QString devicePath() const { return m_path; }
    QString errors();
    // Ends the program at once, as a pulled cable ends the line.
    void kill();

    // Where the program is built.
    static QString program();

private:
    QProcess m_process;
    QString m_path;
};
