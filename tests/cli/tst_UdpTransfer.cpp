// zq22 read and write over UDP: the virtual panel announces itself on
// loopback. Its faults are in tst_LinkFaults.
#include "FreeUdpPort.h"
#include "RefusedImages.h"
#include "RunningZq22.h"
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "VirtualPanel.h"
#include "Zq22Run.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Signature = QByteArrayLiteral("ZQ.32U");
const QByteArray OldFile = QByteArrayLiteral("what was there before");
constexpr int Refused = 2;
constexpr int ProcessMs = 10000;
// The remote link pauses before every answer it sends.
constexpr int TransferMs = 60000;

} // namespace

class UdpTransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void readDelivers();
    void writeDelivers();
    void writeRefusedNeverListens();

private:
    QTemporaryDir m_dir;
};

void UdpTransferTest::initTestCase()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
    QVERIFY(m_dir.isValid());
}

void UdpTransferTest::readDelivers()
{
    const QByteArray image = SampleConfigs::scatteredBytes(5);
    const QString held = m_dir.filePath(QStringLiteral("held.q22"));
    QVERIFY(writeFile(held, Signature + image));
    const QString out = m_dir.filePath(QStringLiteral("panel.q22"));
    QVERIFY(writeFile(out, OldFile));

    const QString port = QString::number(freeUdpPort());
    RunningZq22 zq22;
    QVERIFY(zq22.start({"read", "--udp", "--listen-port", port, "-o", out}));
    QVERIFY2(zq22.waitForError(QStringLiteral("Ожидание запроса..."), ProcessMs), qPrintable(zq22.err()));
    QProcess panel;
    panel.start(VirtualPanel::program(), QStringList{"--udp", "--host", "127.0.0.1", "--port", port, held});
    QVERIFY(panel.waitForStarted(ProcessMs));
    const bool ended = zq22.waitForEnd(TransferMs);
    panel.kill();
    panel.waitForFinished();
    QVERIFY2(ended, qPrintable(zq22.err()));

    QVERIFY2(zq22.exitCode() == 0, qPrintable(zq22.err()));
    QCOMPARE(readFile(out), Signature + image);
    QVERIFY2(zq22.errLines().contains(
                 QStringLiteral("zq22: UDP port %1: Чтение конфигурации ППК завершено успешно.").arg(port)),
             qPrintable(zq22.err()));
}

void UdpTransferTest::writeDelivers()
{
    const ConfigImage image = RefusedImages::accepted();
    const QString file = m_dir.filePath(QStringLiteral("write.q22"));
    QVERIFY(SampleConfigs::write(file, image));
    const QString saved = m_dir.filePath(QStringLiteral("saved.q22"));
    QFile::remove(saved);

    const QString port = QString::number(freeUdpPort());
    RunningZq22 zq22;
    QVERIFY(zq22.start({"write", "--udp", "--listen-port", port, file}));
    QVERIFY2(zq22.waitForError(QStringLiteral("Ожидание запроса..."), ProcessMs), qPrintable(zq22.err()));
    QProcess panel;
    panel.start(VirtualPanel::program(),
                QStringList{"--udp", "--host", "127.0.0.1", "--port", port, "--save", saved});
    QVERIFY(panel.waitForStarted(ProcessMs));
    const bool ended = zq22.waitForEnd(TransferMs);
    panel.kill();
    panel.waitForFinished();
    QVERIFY2(ended, qPrintable(zq22.err()));

    QVERIFY2(zq22.exitCode() == 0, qPrintable(zq22.err()));
    QCOMPARE(readFile(saved), Signature + image.bytes());
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

QTEST_GUILESS_MAIN(UdpTransferTest)
#include "tst_UdpTransfer.moc"
