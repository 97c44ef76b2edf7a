// zq22 read and write against a virtual panel that misbehaves, over a
// pseudo-terminal and over UDP, pressed Ctrl+C or sent SIGTERM in the middle,
// or given up by --timeout. Each case waits out the link's own timers in real
// time, so they all run side by side.
#include "ConfigFile.h"
#include "FreeUdpPort.h"
#include "RefusedImages.h"
#include "RunningZq22.h"
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "VirtualPanel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <deque>

namespace {

const QByteArray OldFile = QByteArrayLiteral("what was there before");
const QString Interrupted = QStringLiteral("zq22: interrupted");
const QString Terminated = QStringLiteral("zq22: terminated");
const QString Listening = QStringLiteral("Ожидание запроса...");
constexpr int ProcessMs = 30000;
// The longest case writes to a panel that answers every block 2.1 s late.
constexpr int AllEndMs = 240000;

enum class Line { Serial, Udp };
enum class Transfer { Read, Write };

struct Fault {
    QString name;
    Line line;
    Transfer transfer;
    QStringList panelOptions;
    int exitCode;
    // The outcome after "zq22: <port>: ", or a line of its own ("zq22: interrupted").
    QString outcome;
    // The signal goes once standard error holds this; empty: the transfer ends by itself.
    QString interruptAt = {};
    int signal = SIGINT;
    QStringList zq22Options = {};
};

QList<Fault> faults()
{
    const auto S = Line::Serial;
    const auto U = Line::Udp;
    const auto R = Transfer::Read;
    const auto W = Transfer::Write;
    const QString serialRead = QStringLiteral("Чтение конфигурации ППК 1A2B выполнено.");
    const QString serialWritten = QStringLiteral("Запись конфигурации ППК EC22 выполнена.");
    const QString remoteRead = QStringLiteral("Чтение конфигурации ППК 1A2B завершено успешно.");
    const QString remoteWritten = QStringLiteral("Запись конфигурации ППК EC22 завершена успешно.");
    const QString silentSerial = QStringLiteral("E1: ППК не отвечает!");
    const QString hungUp = QStringLiteral("USB не подключен!");
    const QString armed = QStringLiteral("ППК под охраной. Конфигурирование запрещено");
    return {
        // Faults the link rides out: the image still arrives whole.
        {"serial read, one bad CRC", S, R, {"--bad-crc", "5"}, 0, serialRead},
        {"serial read, a block sent twice", S, R, {"--repeat", "5"}, 0, serialRead},
        {"serial write, three NAKs", S, W, {"--nak", "3"}, 0, serialWritten},
        // Every block goes out twice; the answer to the first sending of the
        // last block is a NAK, and the write is over only once its second
        // sending is acknowledged.
        {"serial write, answers 2.1 s late, the last block refused once", S, W,
         {"--late", "2.1", "--refuse", "74"}, 0, serialWritten},
        {"UDP read, one bad CRC", U, R, {"--bad-crc", "3"}, 0, remoteRead},
        {"UDP read, one block lost", U, R, {"--lose", "4"}, 0, remoteRead},
        // Faults that end the transfer.
        {"serial read, bad CRC seven times", S, R, {"--bad-crc", "5", "--bad-crc-times", "7"}, 3,
         "Ошибка чтения конфигурации"},
        {"serial read, a block skipped", S, R, {"--skip", "5"}, 3,
         "Нарушена последовательность блоков. Ждали 5, получили 6"},
        {"serial read, hung up", S, R, {"--close-after", "10"}, 3, hungUp},
        {"serial read, silent", S, R, {"--silent-after", "10"}, 3, silentSerial},
        {"serial write, fault byte", S, W, {"--fault"}, 3, "Неисправность оборудование"},
        {"serial write, every block refused", S, W, {"--nak", "1000"}, 3, "Связь отсутствует!"},
        {"serial write, hung up", S, W, {"--close-after", "30"}, 3, hungUp},
        {"serial write, silent", S, W, {"--silent-after", "30"}, 3, silentSerial},
        {"UDP read, armed", U, R, {"--armed"}, 3, armed},
        {"UDP read, block out of sequence", U, R, {"--out-of-sequence", "5"}, 3,
         "Нарушена последовательность блоков. Ждали 5, получили 7"},
        {"UDP read, silent", U, R, {"--silent-from", "10"}, 3, "Время ожидания блока от ППК истекло!"},
        {"UDP write, armed", U, W, {"--armed"}, 3, armed},
        {"UDP write, fault byte", U, W, {"--fault-byte"}, 3, "Ошибка записи в ППК"},
        {"UDP write, silent", U, W, {"--silent-after-written", "10"}, 3,
         "Время ожидания подтверждения приема блока истекло!"},
        // Ctrl+C while the panel keeps the transfer waiting.
        {"serial read, Ctrl+C", S, R, {"--silent-after", "20"}, 130, Interrupted, "zq22: 20 %"},
        {"serial write, Ctrl+C", S, W, {"--silent-after", "20"}, 130, Interrupted, "zq22: 20 %"},
        {"UDP read, Ctrl+C", U, R, {"--silent-from", "20"}, 130, Interrupted, "zq22: 20 %"},
        {"UDP write, Ctrl+C", U, W, {"--silent-after-written", "20"}, 130, Interrupted, "zq22: 20 %"},
        // SIGTERM ends a transfer as Ctrl+C does.
        {"serial read, SIGTERM", S, R, {"--silent-after", "20"}, 143, Terminated, "zq22: 20 %", SIGTERM},
        {"serial write, SIGTERM", S, W, {"--silent-after", "20"}, 143, Terminated, "zq22: 20 %", SIGTERM},
        {"UDP read, SIGTERM", U, R, {"--silent-from", "20"}, 143, Terminated, "zq22: 20 %", SIGTERM},
        // --timeout ends a transfer long before the link's own attempts are spent.
        {"serial read, --timeout", S, R, {"--silent-after", "10"}, 3, "gave up after --timeout 6 s", {}, SIGINT,
         {"--timeout", "6"}},
        {"UDP write, --timeout", U, W, {"--silent-after-written", "10"}, 3, "gave up after --timeout 8.5 s", {}, SIGINT,
         {"--timeout", "8.5"}},
    };
}

// One case: its panel, its zq22 and its own folder, so that a stray file shows.
class FaultRun {
public:
    FaultRun(const Fault& fault, const QString& folder)
        : m_fault(fault)
        , m_folder(folder)
    {
    }

    const Fault& fault() const { return m_fault; }
    RunningZq22& zq22() { return m_zq22; }

    // The panel holds a scattered image; a read's file holds something older.
    bool start(QString* error)
    {
        const QString held = m_folder.filePath(QStringLiteral("held.q22"));
        const QString toWrite = m_folder.filePath(QStringLiteral("to-write.q22"));
        if (!QDir().mkpath(m_folder.path()) || !writeFile(held, ConfigFile::Signature + heldImage())
            || !writeFile(outFile(), OldFile) || !SampleConfigs::write(toWrite, RefusedImages::accepted())) {
            *error = QStringLiteral("cannot prepare %1").arg(m_folder.path());
            return false;
        }
        const QStringList panelOptions = m_fault.panelOptions + QStringList{"--save", savedFile(), held};
        const QStringList transfer = (m_fault.transfer == Transfer::Read ? QStringList{"read", "-o", outFile()}
                                                                         : QStringList{"write", "--yes", toWrite})
                                     + m_fault.zq22Options;
        if (m_fault.line == Line::Serial) {
            if (!m_panel.start(panelOptions)) {
                *error = m_panel.errors();
                return false;
            }
            m_subject = m_panel.devicePath();
            return m_zq22.start(transfer + QStringList{"--port", m_subject});
        }
        // An armed panel says so only once: it starts when zq22 listens.
        const quint16 port = freeUdpPort();
        m_subject = QStringLiteral("UDP port %1").arg(port);
        if (!m_zq22.start(transfer + QStringList{"--udp", "--listen-port", QString::number(port)})
            || !m_zq22.waitForError(Listening, ProcessMs)) {
            *error = m_zq22.err();
            return false;
        }
        return m_panel.startAnnouncingTo(port, panelOptions);
    }

    bool waitForEnd(const QDeadlineTimer& deadline)
    {
        const bool ended = m_zq22.waitForEnd(int(deadline.remainingTime()));
        m_panel.kill();
        return ended;
    }

    QString outcomeLine() const
    {
        return m_fault.outcome.startsWith(QStringLiteral("zq22: "))
                   ? m_fault.outcome
                   : QStringLiteral("zq22: %1: %2").arg(m_subject, m_fault.outcome);
    }

    // The lock file a serial port is held by while it is open, in whichever
    // folder it was made; empty when there is none.
    QString serialLockLeft() const
    {
        if (m_fault.line != Line::Serial)
            return {};
        const QString name = QStringLiteral("LCK..") + m_subject.mid(QStringLiteral("/dev/").size()).replace(QLatin1Char('/'), QLatin1Char('_'));
        for (const QString& folder : {QStringLiteral("/var/lock"), QStringLiteral("/etc/locks"),
                                      QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"), QDir::tempPath()})
            if (QFile::exists(QDir(folder).filePath(name)))
                return QDir(folder).filePath(name);
        return {};
    }

    static QByteArray heldImage() { return SampleConfigs::scatteredBytes(23); }
    QString outFile() const { return m_folder.filePath(QStringLiteral("panel.q22")); }
    QString savedFile() const { return m_folder.filePath(QStringLiteral("saved.q22")); }
    QStringList filesLeft() const { return m_folder.entryList(QDir::Files | QDir::Hidden); }

private:
    Fault m_fault;
    QDir m_folder;
    QString m_subject;
    VirtualPanel m_panel;
    RunningZq22 m_zq22;
};

} // namespace

class LinkFaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void eachFaultEndsWithItsMessage();

private:
    QTemporaryDir m_dir;
};

void LinkFaultsTest::initTestCase()
{
    QVERIFY2(QFile::exists(VirtualPanel::program()), qPrintable(VirtualPanel::program()));
    QVERIFY(m_dir.isValid());
}

void LinkFaultsTest::eachFaultEndsWithItsMessage()
{
    std::deque<FaultRun> runs;
    for (const Fault& fault : faults()) {
        FaultRun& run = runs.emplace_back(fault, m_dir.filePath(QString::number(runs.size())));
        QString error;
        QVERIFY2(run.start(&error), qPrintable(fault.name + QStringLiteral(": ") + error));
    }
    for (FaultRun& run : runs) {
        const QString& at = run.fault().interruptAt;
        if (at.isEmpty())
            continue;
        QVERIFY2(run.zq22().waitForError(at, ProcessMs), qPrintable(run.fault().name + '\n' + run.zq22().err()));
        if (run.fault().signal == SIGTERM)
            run.zq22().terminate();
        else
            run.zq22().interrupt();
    }

    const QDeadlineTimer deadline(AllEndMs);
    for (FaultRun& run : runs) {
        const Fault& fault = run.fault();
        const QString context = fault.name + QStringLiteral(":\n") + run.zq22().err();
        QVERIFY2(run.waitForEnd(deadline), qPrintable(context));
        QVERIFY2(run.zq22().exitCode() == fault.exitCode, qPrintable(context));
        QVERIFY2(run.zq22().errLines().contains(run.outcomeLine()), qPrintable(context));
        // The port is closed in order, whatever ended the transfer.
        QVERIFY2(run.serialLockLeft().isEmpty(), qPrintable(context + run.serialLockLeft()));

        const bool delivered = fault.exitCode == 0;
        const QByteArray written = readFile(run.savedFile());
        if (fault.transfer == Transfer::Write) {
            // The panel keeps a written image only once it has all of it.
            const QByteArray expected = delivered ? ConfigFile::Signature + RefusedImages::accepted().bytes() : QByteArray();
            QVERIFY2(written == expected, qPrintable(context));
        }
        if (fault.transfer == Transfer::Read) {
            // A read replaces the file whole, or leaves it and nothing beside it.
            const QByteArray expected = delivered ? ConfigFile::Signature + FaultRun::heldImage() : OldFile;
            QVERIFY2(readFile(run.outFile()) == expected, qPrintable(context));
        }
        QStringList expectedFiles{QStringLiteral("held.q22"), QStringLiteral("panel.q22"), QStringLiteral("to-write.q22")};
        if (!written.isEmpty())
            expectedFiles << QStringLiteral("saved.q22");
        expectedFiles.sort();
        QVERIFY2(run.filesLeft() == expectedFiles, qPrintable(context + run.filesLeft().join(' ')));
    }
}

QTEST_GUILESS_MAIN(LinkFaultsTest)
#include "tst_LinkFaults.moc"
