// The virtual panel's command line: both modes take the same image files and
// turn bad input away with a reason instead of starting with a wrong image.
#include "VirtualPanel.h"

#include "ConfigImage.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int RunMs = 10000;

struct Outcome {
    int exitCode = -1;
    QString output;
};

Outcome run(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(VirtualPanel::program(), arguments);
    if (!process.waitForFinished(RunMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

} // namespace

class PanelCommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void refused_data();
    void refused();
    void helpDescribesBothModes();

private:
    QTemporaryDir m_dir;
};

void PanelCommandLineTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile raw(m_dir.filePath(QStringLiteral("raw.img")));
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(QByteArray(ConfigImage::Size, '\x5A'));
    QFile shortFile(m_dir.filePath(QStringLiteral("short.q22")));
    QVERIFY(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArrayLiteral("ZQ.32U") + QByteArray(ConfigImage::Size - 1, '\x5A'));
}

void PanelCommandLineTest::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    const QStringList udp{"--udp", "--port", "34463"};
    QTest::newRow("serial: raw image") << QStringList{"raw.img"} << "not a .q22 file";
    QTest::newRow("udp: raw image") << udp + QStringList{"raw.img"} << "not a .q22 file";
    QTest::newRow("udp: image one byte short") << udp + QStringList{"short.q22"} << "not a .q22 file";
    QTest::newRow("udp: missing image") << udp + QStringList{"absent.q22"} << "cannot open";
    QTest::newRow("udp: two images") << udp + QStringList{"raw.img", "short.q22"} << "one image file only";
    QTest::newRow("serial: lateness not a number") << QStringList{"--late", "soon"} << "--late";
    QTest::newRow("serial: lateness 0") << QStringList{"--late", "0"} << "--late";
    QTest::newRow("serial: stale bytes not hex") << QStringList{"--stale", "0x01"} << "--stale";
    QTest::newRow("serial: stale bytes cut short") << QStringList{"--stale", "015"} << "--stale";
    QTest::newRow("serial: refused block not a number") << QStringList{"--refuse", "last"} << "--refuse";
    QTest::newRow("udp: no port") << QStringList{"--udp"} << "--port";
    QTest::newRow("udp: port 0") << QStringList{"--udp", "--port", "0"} << "--port";
    QTest::newRow("udp: port too high") << QStringList{"--udp", "--port", "65536"} << "--port";
    QTest::newRow("udp: host not an address") << udp + QStringList{"--host", "panel"} << "--host";
    QTest::newRow("udp: block list not numbers") << udp + QStringList{"--lose", "3,x"} << "--lose";
    QTest::newRow("udp: no retransmit time") << udp + QStringList{"--retransmit-ms", "0"} << "--retransmit-ms";
    QTest::newRow("udp: serial option") << udp + QStringList{"--pace"} << "pace";
}

void PanelCommandLineTest::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    for (QString& argument : arguments)
        if (argument.contains(QLatin1Char('.')))
            argument = m_dir.filePath(argument);
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.exitCode, 2);
    QVERIFY2(outcome.output.contains(reason), qPrintable(outcome.output));
}

void PanelCommandLineTest::helpDescribesBothModes()
{
    const Outcome outcome = run({QStringLiteral("--help")});
    QCOMPARE(outcome.exitCode, 0);
    for (const char* option :
         {"--pace", "--close-after", "--late", "--refuse", "--udp", "--port", "--spoof", "--reannounce", "--save"})
        QVERIFY2(outcome.output.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(PanelCommandLineTest)
#include "tst_PanelCommandLine.moc"
