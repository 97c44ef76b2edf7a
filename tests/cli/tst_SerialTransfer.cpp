// zq22 read and write against the virtual panel on a pseudo-terminal, in real
// time; its faults are in tst_LinkFaults.
#include "ConfigFile.h"
#include "RefusedImages.h"
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "VirtualPanel.h"
#include "Zq22Run.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

const QByteArray OldFile = QByteArrayLiteral("what was there before");
constexpr int LinkFailure = 3;
constexpr int Refused = 2;
constexpr int ProcessMs = 30000;

// Every byte drawn from the seed, except what would make the write checks
// refuse it: no channel record is an SMS one and every zone is off.
ConfigImage scatteredStandAlone(quint32 seed)
{
    namespace L = ImageLayout;
    ConfigImage image;
    image.assign(SampleConfigs::scatteredBytes(seed));
    for (int record = 1; record <= L::ChannelRecordCount; ++record)
        image.setValue(L::channelField(record, L::Channel::Kind), 0x50 + record);
    for (int zone = 1; zone <= L::UsedZoneCount; ++zone) {
        const unsigned type = image.value(L::zoneField(zone, L::Zone::ZoneType));
        image.setValue(L::zoneField(zone, L::Zone::ZoneType), type & (L::Zone::On | L::Zone::Siren));
    }
    return image;
}

struct TerminalRun {
    int exitCode = -1;
    QString screen;   // what standard error showed
};

// zq22 with its standard error on a pseudo-terminal, as when a person watches it.
TerminalRun runWithTerminal(const QStringList& arguments)
{
    TerminalRun run;
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return run;
    QProcess process;
    process.setStandardErrorFile(QString::fromLocal8Bit(ptsname(master)));
    process.start(Zq22Run::program(), arguments);
    QByteArray shown;
    const auto drain = [&] {
        char buffer[4096];
        ssize_t count = 0;
        while ((count = ::read(master, buffer, sizeof buffer)) > 0)
            shown.append(buffer, count);
    };
    // The terminal holds little: it is read while zq22 writes.
    QDeadlineTimer deadline(ProcessMs);
    while (!process.waitForFinished(10) && !deadline.hasExpired())
        drain();
    drain();
    ::close(master);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.screen = QString::fromUtf8(shown);
    return run;
}

} // namespace

class SerialTransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void readDelivers_data();
    void readDelivers();
    void progressBarOnATerminal_data();
    void progressBarOnATerminal();
    void quietTellsOnlyTheOutcome_data();
    void quietTellsOnlyTheOutcome();
    void readRefusesAnUnwritableFile_data();
    void readRefusesAnUnwritableFile();
    void unavailablePort_data();
    void unavailablePort();
    void forbiddenPortSaysHowToJoinTheGroup();
    void writeDelivers_data();
    void writeDelivers();
    void writeRefused_data();
    void writeRefused();
    void writeAsksAboutTheBalanceRequest_data();
    void writeAsksAboutTheBalanceRequest();

private:
    // Rows "read" and "write", with the outcome each ends with.
    static void addReadAndWrite();
    // The command that reads the panel into a file, or writes an accepted configuration into it.
    QStringList readOrWrite(bool write);
    QString heldImage(const QByteArray& bytes);
    QString fileOf(const QString& name, const ConfigImage& image);
    QTemporaryDir m_dir;
};

void SerialTransferTest::initTestCase()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
    QVERIFY(m_dir.isValid());
}

QString SerialTransferTest::heldImage(const QByteArray& bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("held.q22"));
    return writeFile(path, ConfigFile::Signature + bytes) ? path : QString();
}

QString SerialTransferTest::fileOf(const QString& name, const ConfigImage& image)
{
    const QString path = m_dir.filePath(name);
    return SampleConfigs::write(path, image) ? path : QString();
}

void SerialTransferTest::readDelivers_data()
{
    QTest::addColumn<bool>("byName");
    QTest::newRow("device path") << false;
    // As "zq22 ports" lists it.
    QTest::newRow("port name") << true;
}

void SerialTransferTest::readDelivers()
{
    QFETCH(bool, byName);

    const QByteArray image = SampleConfigs::scatteredBytes(7);
    VirtualPanel panel;
    QVERIFY2(panel.start({heldImage(image)}), qPrintable(panel.errors()));
    const QString out = m_dir.filePath(QStringLiteral("read.q22"));
    QVERIFY(writeFile(out, OldFile));
    const QString port = byName ? panel.devicePath().mid(QStringLiteral("/dev/").size()) : panel.devicePath();

    const Zq22Run run = Zq22Run::start({"read", "--port", port, "-o", out});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(readFile(out), ConfigFile::Signature + image);
    QCOMPARE(run.errLines().constLast(), QStringLiteral("zq22: %1: Чтение конфигурации ППК 1A2B выполнено.").arg(port));
    // Without a terminal the progress is a line at every tenth.
    QVERIFY2(run.errLines().contains(QStringLiteral("zq22: 50 %")), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void SerialTransferTest::addReadAndWrite()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("read") << false << QStringLiteral("Чтение конфигурации ППК 1A2B выполнено.");
    QTest::newRow("write") << true << QStringLiteral("Запись конфигурации ППК EC22 выполнена.");
}

QStringList SerialTransferTest::readOrWrite(bool write)
{
    return write ? QStringList{"write", "--yes", fileOf(QStringLiteral("to-write.q22"), RefusedImages::accepted())}
                 : QStringList{"read", "-o", m_dir.filePath(QStringLiteral("read.q22"))};
}

void SerialTransferTest::progressBarOnATerminal_data()
{
    addReadAndWrite();
}

void SerialTransferTest::progressBarOnATerminal()
{
    QFETCH(bool, write);
    QFETCH(QString, outcome);
    VirtualPanel panel;
    QVERIFY2(panel.start({heldImage(SampleConfigs::scatteredBytes(9))}), qPrintable(panel.errors()));

    const TerminalRun run = runWithTerminal(readOrWrite(write) + QStringList{"--port", panel.devicePath()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.screen));
    // The bar is redrawn in place, reaches 100 % once and ends its line before the outcome.
    const QString full = QStringLiteral("\r[%1] 100 %\r\n").arg(QString(40, QLatin1Char('#')));
    QVERIFY2(run.screen.count(full) == 1, qPrintable(run.screen));
    QVERIFY2(run.screen.contains(full + QStringLiteral("zq22: %1: %2").arg(panel.devicePath(), outcome)),
             qPrintable(run.screen));
    // No bar before anything is done, left above a status line.
    QVERIFY2(!run.screen.contains(QStringLiteral("]   0 %")), qPrintable(run.screen));
    QVERIFY2(!run.screen.contains(QStringLiteral("zq22: 50 %")), qPrintable(run.screen));
}

void SerialTransferTest::quietTellsOnlyTheOutcome_data()
{
    addReadAndWrite();
}

void SerialTransferTest::quietTellsOnlyTheOutcome()
{
    QFETCH(bool, write);
    QFETCH(QString, outcome);
    VirtualPanel panel;
    QVERIFY2(panel.start({heldImage(SampleConfigs::scatteredBytes(9))}), qPrintable(panel.errors()));

    const Zq22Run run = Zq22Run::start(readOrWrite(write) + QStringList{"--quiet", "--port", panel.devicePath()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(panel.devicePath(), outcome)});
}

void SerialTransferTest::readRefusesAnUnwritableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "gone/panel.q22"
                                    << QStringLiteral("there is no directory ") + m_dir.filePath(QStringLiteral("gone"));
    QTest::newRow("a directory") << "folder.q22" << "it is a directory";
}

void SerialTransferTest::readRefusesAnUnwritableFile()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.q22")));
    VirtualPanel panel;
    QVERIFY2(panel.start({}), qPrintable(panel.errors()));
    const QString out = m_dir.filePath(name);

    // Before the panel is asked for anything.
    const Zq22Run run = Zq22Run::start({"read", "--port", panel.devicePath(), "-o", out});
    QCOMPARE(run.exitCode, Refused);
    QCOMPARE(run.errLines(),
             QStringList{QStringLiteral("zq22: %1: cannot write the file: %2").arg(out, reason)});
    panel.kill();
    QVERIFY2(!panel.errors().contains(QStringLiteral("read requested")), qPrintable(panel.errors()));
}

void SerialTransferTest::unavailablePort_data()
{
    QTest::addColumn<QString>("name");   // in the test's folder; empty: the panel's port, held
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<QString>("reason");
    const QString missing = QStringLiteral("no such port; \"zq22 ports\" lists the serial ports");
    const QString notSerial = QStringLiteral("not a serial port; \"zq22 ports\" lists the serial ports");
    const QString busy = QStringLiteral("the port is in use by another program");
    QTest::newRow("missing") << "no-such-port" << false << missing;
    QTest::newRow("a regular file") << "held.q22" << false << notSerial;
    QTest::newRow("a folder") << "folder.q22" << false << notSerial;
    QTest::newRow("busy") << QString() << false << busy;
    // Yes goes on without a port, as the window does: there is still no panel to read.
    QTest::newRow("busy, --yes") << QString() << true << busy;
    QTest::newRow("missing, --yes") << "no-such-port" << true << missing;
}

void SerialTransferTest::unavailablePort()
{
    QFETCH(QString, name);
    QFETCH(bool, answerYes);
    QFETCH(QString, reason);

    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.q22")));
    QVERIFY(!heldImage(SampleConfigs::scatteredBytes(1)).isEmpty());
    VirtualPanel panel;
    QSerialPort holder;
    const bool busy = name.isEmpty();
    QString device = m_dir.filePath(name);
    if (busy) {
        QVERIFY2(panel.start({}), qPrintable(panel.errors()));
        device = panel.devicePath();
        holder.setPortName(device);
        QVERIFY2(holder.open(QIODevice::ReadWrite), qPrintable(holder.errorString()));
    }
    const QString out = m_dir.filePath(QStringLiteral("none.q22"));
    QStringList arguments{"read", "--port", device, "-o", out};
    if (answerYes)
        arguments << "--yes";

    const Zq22Run run = Zq22Run::start(arguments);
    QCOMPARE(run.exitCode, LinkFailure);
    // Every line names the port; no answer to the window's question would help, so none is suggested.
    QCOMPARE(run.errLines(),
             (QStringList{QStringLiteral("zq22: %1: Автономный").arg(device),
                          QStringLiteral("zq22: %1: Нет доступного Com-порта. Работа в автономном режиме. Продолжить?")
                              .arg(device),
                          QStringLiteral("zq22: %1: %2").arg(device, reason)}));
    QVERIFY(!QFile::exists(out));
}

// A user outside the group that owns the port, as an installer's fresh account is.
void SerialTransferTest::forbiddenPortSaysHowToJoinTheGroup()
{
    if (::geteuid() != 0)
        QSKIP("needs root to run zq22 as another user");
    VirtualPanel panel;
    QVERIFY2(panel.start({}), qPrintable(panel.errors()));
    const QString device = panel.devicePath();

    const Zq22Run run = Zq22Run::start({"read", "--port", device, "-o", "-"}, [] {
        constexpr gid_t Nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(99);
    });
    QCOMPARE(run.exitCode, LinkFailure);
    QCOMPARE(run.errLines(),
             (QStringList{QStringLiteral("zq22: %1: Автономный").arg(device),
                          QStringLiteral("zq22: %1: Нет доступного Com-порта. Работа в автономном режиме. Продолжить?")
                              .arg(device),
                          QStringLiteral("zq22: %1: Нет прав на доступ к порту: пользователь не входит в группу dialout. "
                                         "Выполните sudo usermod -aG dialout $USER и войдите в систему заново.")
                              .arg(device)}));
    QVERIFY(run.out.isEmpty());
}

void SerialTransferTest::writeDelivers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("account");

    ConfigImage scattered = scatteredStandAlone(11);
    // Without an SMS record the pages never look at the balance request.
    scattered.setText(ImageLayout::BalanceRequest, QStringLiteral("100"));
    QTest::newRow("stand-alone, every byte scattered") << scattered.bytes() << "scattered.q22" << "1A2B";
    QTest::newRow("SMS, as JSON") << RefusedImages::accepted().bytes() << "sms.json" << "EC22";
}

void SerialTransferTest::writeDelivers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, file);
    QFETCH(QString, account);

    ConfigImage image;
    image.assign(bytes);
    const QString saved = m_dir.filePath(QStringLiteral("saved.q22"));
    QFile::remove(saved);
    VirtualPanel panel;
    QVERIFY2(panel.start({"--save", saved, heldImage(SampleConfigs::scatteredBytes(2))}), qPrintable(panel.errors()));

    const Zq22Run run = Zq22Run::start({"write", "--port", panel.devicePath(), fileOf(file, image)});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(readFile(saved), ConfigFile::Signature + bytes);
    QCOMPARE(run.errLines().constLast(),
             QStringLiteral("zq22: %1: Запись конфигурации ППК %2 выполнена.").arg(panel.devicePath(), account));
    // A line at every tenth, the last once every block is acknowledged; none before anything is done.
    QCOMPARE(run.errLines().count(QStringLiteral("zq22: 100 %")), 1);
    QCOMPARE(run.errLines().at(run.errLines().size() - 2), QStringLiteral("zq22: 100 %"));
    QVERIFY2(!run.errLines().contains(QStringLiteral("zq22: 0 %")), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void SerialTransferTest::writeRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    for (const RefusedImages::Case& refused : RefusedImages::cases())
        QTest::newRow(qPrintable(refused.name)) << refused.image.bytes() << refused.text;
}

void SerialTransferTest::writeRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    ConfigImage image;
    image.assign(bytes);
    const QString file = fileOf(QStringLiteral("refused.q22"), image);
    const QString saved = m_dir.filePath(QStringLiteral("never.q22"));
    QFile::remove(saved);
    VirtualPanel panel;
    QVERIFY2(panel.start({"--save", saved}), qPrintable(panel.errors()));

    // Even --yes answers no failed check.
    const Zq22Run run = Zq22Run::start({"write", "--yes", "--port", panel.devicePath(), file});
    QCOMPARE(run.exitCode, Refused);
    QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(file, text)});
    // The panel was never spoken to: it would have been linked first.
    panel.kill();
    QVERIFY(!QFile::exists(saved));
    QVERIFY2(!panel.errors().contains(QStringLiteral("image received")), qPrintable(panel.errors()));
}

void SerialTransferTest::writeAsksAboutTheBalanceRequest_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("question");

    for (const RefusedImages::Case& asking : RefusedImages::asking())
        QTest::newRow(qPrintable(asking.name)) << asking.image.bytes() << asking.text;
}

void SerialTransferTest::writeAsksAboutTheBalanceRequest()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, question);

    ConfigImage image;
    image.assign(bytes);
    const QString file = fileOf(QStringLiteral("ask.q22"), image);
    const QString saved = m_dir.filePath(QStringLiteral("answered.q22"));
    QFile::remove(saved);
    VirtualPanel panel;
    QVERIFY2(panel.start({"--save", saved}), qPrintable(panel.errors()));

    const Zq22Run declined = Zq22Run::start({"write", "--port", panel.devicePath(), file});
    QCOMPARE(declined.exitCode, Refused);
    QCOMPARE(declined.errLines(),
             (QStringList{QStringLiteral("zq22: %1: %2").arg(file, question),
                          QStringLiteral("zq22: answered No; add --yes to answer Yes")}));
    QVERIFY(!QFile::exists(saved));

    const Zq22Run answered = Zq22Run::start({"write", "--yes", "--port", panel.devicePath(), file});
    QVERIFY2(answered.exitCode == 0, qPrintable(answered.err));
    QCOMPARE(readFile(saved), ConfigFile::Signature + bytes);
}

QTEST_GUILESS_MAIN(SerialTransferTest)
#include "tst_SerialTransfer.moc"
