// zq22 read and write over UDP: the virtual panel announces itself on
// loopback. Its faults are in tst_LinkFaults.
#include "ConfigFile.h"
#include "FreeUdpPort.h"
#include "ImageLayout.h"
#include "RefusedImages.h"
#include "RunningZq22.h"
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "VirtualPanel.h"
#include "Zq22Run.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

namespace {

const QByteArray OldFile = QByteArrayLiteral("what was there before");
constexpr int Refused = 2;
constexpr int LinkFailure = 3;
constexpr int ProcessMs = 10000;
// The remote link pauses before every answer it sends.
constexpr int TransferMs = 60000;
constexpr quint16 FactoryConfiguratorPort = 34463;

} // namespace

class UdpTransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void readDelivers_data();
    void readDelivers();
    void writeDelivers_data();
    void writeDelivers();
    void writeRefusedNeverListens();
    void busyListenPort();
    void timeoutEndsTheWait_data();
    void timeoutEndsTheWait();

private:
    bool runWithPanel(RunningZq22& zq22, const QStringList& arguments, quint16 port, const QStringList& panelOptions);
    QTemporaryDir m_dir;
};

void UdpTransferTest::initTestCase()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
    QVERIFY(m_dir.isValid());
}

// Runs zq22 and, once it listens, the virtual panel announcing itself to the port.
bool UdpTransferTest::runWithPanel(RunningZq22& zq22, const QStringList& arguments, quint16 port,
                                   const QStringList& panelOptions)
{
    if (!zq22.start(arguments) || !zq22.waitForError(QStringLiteral("Ожидание запроса..."), ProcessMs))
        return false;
    VirtualPanel panel;
    return panel.startAnnouncingTo(port, panelOptions) && zq22.waitForEnd(TransferMs);
}

void UdpTransferTest::readDelivers_data()
{
    QTest::addColumn<bool>("listenPortGiven");
    QTest::newRow("--listen-port") << true;
    // Without it, the port the window listens on with its factory configuration.
    QTest::newRow("the factory configurator port") << false;
}

void UdpTransferTest::readDelivers()
{
    QFETCH(bool, listenPortGiven);

    const QByteArray image = SampleConfigs::scatteredBytes(5);
    const QString held = m_dir.filePath(QStringLiteral("held.q22"));
    QVERIFY(writeFile(held, ConfigFile::Signature + image));
    const QString out = m_dir.filePath(QStringLiteral("panel.q22"));
    QVERIFY(writeFile(out, OldFile));

    const quint16 port = listenPortGiven ? freeUdpPort() : FactoryConfiguratorPort;
    QStringList arguments{"read", "--udp", "-o", out};
    if (listenPortGiven)
        arguments << "--listen-port" << QString::number(port);
    RunningZq22 zq22;
    QVERIFY2(runWithPanel(zq22, arguments, port, {held}), qPrintable(zq22.err()));

    QVERIFY2(zq22.exitCode() == 0, qPrintable(zq22.err()));
    QCOMPARE(readFile(out), ConfigFile::Signature + image);
    QVERIFY2(zq22.errLines().contains(
                 QStringLiteral("zq22: UDP port %1: Чтение конфигурации ППК 1A2B завершено успешно.").arg(port)),
             qPrintable(zq22.err()));
    // Each line says what it concerns, the progress aside.
    const QRegularExpression progress(QStringLiteral("^zq22: \\d+ %$"));
    for (const QString& line : zq22.errLines()) {
        QVERIFY2(line.startsWith(QStringLiteral("zq22: UDP port %1: ").arg(port)) || progress.match(line).hasMatch(),
                 qPrintable(line));
    }
}

void UdpTransferTest::writeDelivers_data()
{
    QTest::addColumn<bool>("listenPortGiven");
    QTest::newRow("--listen-port") << true;
    // Without it, the port the window would listen on once the file is loaded.
    QTest::newRow("the file's configurator port") << false;
}

void UdpTransferTest::writeDelivers()
{
    QFETCH(bool, listenPortGiven);

    const quint16 port = freeUdpPort();
    ConfigImage image = RefusedImages::accepted();
    if (!listenPortGiven)
        image.setValue(ImageLayout::channelField(ImageLayout::RemoteConfigRecord, ImageLayout::Channel::Port), port);
    const QString file = m_dir.filePath(QStringLiteral("write.q22"));
    QVERIFY(SampleConfigs::write(file, image));
    const QString saved = m_dir.filePath(QStringLiteral("saved.q22"));
    QFile::remove(saved);

    QStringList arguments{"write", "--udp", file};
    if (listenPortGiven)
        arguments << "--listen-port" << QString::number(port);
    RunningZq22 zq22;
    QVERIFY2(runWithPanel(zq22, arguments, port, {"--save", saved}), qPrintable(zq22.err()));

    QVERIFY2(zq22.exitCode() == 0, qPrintable(zq22.err()));
    QCOMPARE(readFile(saved), ConfigFile::Signature + image.bytes());
    QVERIFY2(zq22.errLines().contains(
                 QStringLiteral("zq22: UDP port %1: Запись конфигурации ППК EC22 завершена успешно.").arg(port)),
             qPrintable(zq22.err()));
}

void UdpTransferTest::writeRefusedNeverListens()
{
    const RefusedImages::Case refused = RefusedImages::cases().constFirst();
    const QString file = m_dir.filePath(QStringLiteral("refused.q22"));
    QVERIFY(SampleConfigs::write(file, refused.image));

    const QString port = QString::number(freeUdpPort());
    const Zq22Run run = Zq22Run::start({"write", "--udp", "--listen-port", port, file});
    QCOMPARE(run.exitCode, Refused);
    QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(file, refused.text)});
}

void UdpTransferTest::busyListenPort()
{
    QUdpSocket holder;
    QVERIFY(holder.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress));
    const QString port = QString::number(holder.localPort());
    const QString out = m_dir.filePath(QStringLiteral("never.q22"));

    const Zq22Run run = Zq22Run::start({"read", "--udp", "--listen-port", port, "-o", out});
    QCOMPARE(run.exitCode, LinkFailure);
    QVERIFY2(run.errLines().contains(
                 QStringLiteral("zq22: UDP port %1: Порт РС - конфигуратора %1 недоступен!").arg(port)),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(out));
}

void UdpTransferTest::timeoutEndsTheWait_data()
{
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<QString>("seconds");
    QTest::newRow("a log") << false << "12";
    QTest::newRow("--quiet") << true << "1.5";
}

// No panel announces itself: the wait's countdown goes into the log at most
// every 10 s, and --timeout ends it with status 3 and no file.
void UdpTransferTest::timeoutEndsTheWait()
{
    QFETCH(bool, quiet);
    QFETCH(QString, seconds);
    const QString port = QString::number(freeUdpPort());
    const QString out = m_dir.filePath(QStringLiteral("timed-out.q22"));
    QStringList arguments{"read", "--udp", "--listen-port", port, "--timeout", seconds, "-o", out};
    if (quiet)
        arguments << "--quiet";

    const Zq22Run run = Zq22Run::start(arguments);
    QCOMPARE(run.exitCode, LinkFailure);
    const QString outcome = QStringLiteral("zq22: UDP port %1: gave up after --timeout %2 s").arg(port, seconds);
    QCOMPARE(run.errLines().constLast(), outcome);
    const auto countdown = run.errLines().filter(QStringLiteral("Ожидание запроса..."));
    if (quiet)
        QCOMPARE(run.errLines(), QStringList{outcome});
    else
        QVERIFY2(countdown.size() >= 1 && countdown.size() <= 2, qPrintable(run.err));
    QVERIFY(!QFile::exists(out));
}

QTEST_GUILESS_MAIN(UdpTransferTest)
#include "tst_UdpTransfer.moc"
