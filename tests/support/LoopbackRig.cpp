#include "LoopbackRig.h"

#include "ConfigFile.h"
#include "EventWait.h"
#include "FreeUdpPort.h"
#include "SampleConfigs.h"
#include "TransferStart.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int PanelStartMs = 5000;
constexpr int LinkMs = 5000;
// The panel resends an unacknowledged block well before the link's own timer.
constexpr int PanelRetransmitMs = 2000;

// Scattered from a new seed each time, under the samples' panel identifier 1A2B.
QByteArray randomImage()
{
    return SampleConfigs::scatteredBytes(QRandomGenerator::global()->generate());
}

} // namespace

LoopbackRig::LoopbackRig(int divisor)
    : panelImage(randomImage())
    , compressedClock(realClock, divisor)
    , clock(divisor == 1 ? static_cast<TickClock&>(realClock) : compressedClock)
    , host(clock)
    , link(vars, host, dialogs, clock, image, socket)
{
    host.confPort = QString::number(freeUdpPort());
    QFile file(m_dir.filePath(QStringLiteral("panel.q22")));
    if (file.open(QIODevice::WriteOnly))
        file.write(ConfigFile::Signature + panelImage);
    m_panel.setProcessChannelMode(QProcess::MergedChannels);
    // Every program of the build lands in one folder.
    m_panel.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/zq22-panel-sim"));
    const int retransmitMs = std::max(1, PanelRetransmitMs / divisor);
    m_panel.setArguments({QStringLiteral("--udp"), QStringLiteral("--port"), host.confPort, file.fileName(),
                          QStringLiteral("--save"), m_dir.filePath(QStringLiteral("written.q22")),
                          QStringLiteral("--retransmit-ms"), QString::number(retransmitMs)});
}

LoopbackRig::~LoopbackRig()
{
    link.stopListening();
    m_panel.kill();
    m_panel.waitForFinished();
}

void LoopbackRig::announce(const QStringList& panelOptions)
{
    m_panel.setArguments(m_panel.arguments() + panelOptions);
    // Started from inside the wait, so the configurator already listens.
    QTimer::singleShot(0, [this] {
        m_panel.start();
        m_panel.waitForStarted(PanelStartMs);
    });
    link.N2Click();
}

bool LoopbackRig::connectPanel(const QStringList& panelOptions)
{
    announce(panelOptions);
    return waitUntil([this] { return vars.PanelLinked; }, LinkMs);
}

void LoopbackRig::startRead()
{
    readCommonPart(vars, host, image);
    link.readBranch();
}

void LoopbackRig::startWrite(const QByteArray& bytes)
{
    image.assign(bytes);
    writeCommonPart(vars, host);
    link.writeBranch();
}

bool LoopbackRig::waitForEnd(int timeoutMs)
{
    // Every ending puts the connection light out.
    return waitUntil([this] { return !host.whoLit; }, timeoutMs);
}

QByteArray LoopbackRig::panelReceived() const
{
    QFile file(m_dir.filePath(QStringLiteral("written.q22")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    return content.startsWith(ConfigFile::Signature) ? content.mid(ConfigFile::Signature.size()) : QByteArray();
}

QString LoopbackRig::panelOutput()
{
    return QString::fromLocal8Bit(m_panel.readAll());
}
