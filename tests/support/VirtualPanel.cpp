#include "VirtualPanel.h"

#include <QCoreApplication>
#include <QDir>

namespace {
constexpr int StartTimeoutMs = 10000;
}

VirtualPanel::~VirtualPanel()
{
    kill();
}

void VirtualPanel::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString VirtualPanel::program()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zq22-panel-sim"));
}

bool VirtualPanel::start(const QStringList& arguments)
{
    m_process.start(program(), arguments);
    if (!m_process.waitForStarted(StartTimeoutMs))
        return false;
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(StartTimeoutMs))
            return false;
    }
    m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return !m_path.isEmpty();
}

bool VirtualPanel::startAnnouncingTo(quint16 port, const QStringList& arguments)
{
    m_process.start(program(), QStringList{QStringLiteral("--udp"), QStringLiteral("--host"), QStringLiteral("127.0.0.1"),
                                           QStringLiteral("--port"), QString::number(port)}
                                   + arguments);
    return m_process.waitForStarted(StartTimeoutMs);
}

QString VirtualPanel::errors()
{
    return QString::fromLocal8Bit(m_process.readAllStandardError());
}
