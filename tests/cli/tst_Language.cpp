// zq22 speaks the window's language in the texts it shares with the window (the
// link's boxes, the checks before a write), and English in its own messages.
#include "FreeUdpPort.h"
#include "RefusedImages.h"
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "Zq22Run.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

namespace {

// The environment zq22 starts in: the system's language and the user's own
// preferences, where the window keeps "Сервис" → "Язык".
class Surroundings {
public:
    Surroundings(const QByteArray& systemLanguage, const QString& kept)
        : m_locale(qgetenv("LC_ALL"))
        , m_config(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("LC_ALL", systemLanguage);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        if (!kept.isEmpty()) {
            QDir(m_dir.path()).mkpath(QStringLiteral("zq22lite"));
            QFile ini(m_dir.filePath(QStringLiteral("zq22lite/zq22lite.ini")));
            if (!ini.open(QIODevice::WriteOnly) || ini.write("[ui]\nlanguage=" + kept.toLatin1() + "\n") < 0)
                qFatal("cannot write the preferences");
        }
    }
    ~Surroundings()
    {
        qputenv("LC_ALL", m_locale);
        qputenv("XDG_CONFIG_HOME", m_config);
    }

private:
    QByteArray m_locale;
    QByteArray m_config;
    QTemporaryDir m_dir;
};

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sharedTextsFollowTheWindowsLanguage_data();
    void sharedTextsFollowTheWindowsLanguage();
    void namesReadBackAsShowPrintsThem();
};

void LanguageTest::sharedTextsFollowTheWindowsLanguage_data()
{
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("busyPort");   // the remote link's box, %1 the port
    QTest::addColumn<QString>("check");      // the check "Записать" makes on the zones

    const QString russianPort = QStringLiteral("Порт РС - конфигуратора %1 недоступен!");
    const QString ukrainianPort = QStringLiteral("Порт ПК-конфігуратора %1 недоступний!");
    const QString englishPort = QStringLiteral("The configurator PC port %1 is not available!");
    const QString russianCheck = QStringLiteral("Шлейф Z3 не включен в группы!");
    const QString ukrainianCheck = QStringLiteral("Шлейф Z3 не включено до груп!");
    const QString englishCheck = QStringLiteral("Zone Z3 is in no group!");

    QTest::newRow("no choice, English system") << QByteArray("en_US.UTF-8") << QString() << russianPort << russianCheck;
    QTest::newRow("no choice, Ukrainian system")
        << QByteArray("uk_UA.UTF-8") << QString() << ukrainianPort << ukrainianCheck;
    QTest::newRow("Russian chosen, Ukrainian system")
        << QByteArray("uk_UA.UTF-8") << QStringLiteral("ru") << russianPort << russianCheck;
    QTest::newRow("English chosen") << QByteArray("uk_UA.UTF-8") << QStringLiteral("en") << englishPort << englishCheck;
    QTest::newRow("Ukrainian chosen") << QByteArray("C.UTF-8") << QStringLiteral("uk") << ukrainianPort
                                      << ukrainianCheck;
}

void LanguageTest::sharedTextsFollowTheWindowsLanguage()
{
    QFETCH(QByteArray, system);
    QFETCH(QString, kept);
    QFETCH(QString, busyPort);
    QFETCH(QString, check);
    QTemporaryDir dir;
    const QString never = dir.filePath(QStringLiteral("never.q22"));
    const QString refused = dir.filePath(QStringLiteral("refused.q22"));
    ConfigImage zoneWithoutGroup = RefusedImages::accepted();
    zoneWithoutGroup.setValue(ImageLayout::zoneField(3, ImageLayout::Zone::ZoneType),
                              ImageLayout::Zone::On | ImageLayout::ZoneTypeCode::Instant);
    QVERIFY(SampleConfigs::write(refused, zoneWithoutGroup));
    QUdpSocket holder;
    QVERIFY(holder.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress));
    const QString port = QString::number(holder.localPort());

    const Surroundings surroundings(system, kept);
    const Zq22Run link = Zq22Run::start({"read", "--udp", "--listen-port", port, "-o", never});
    QVERIFY2(link.errLines().contains(QStringLiteral("zq22: UDP port %1: ").arg(port) + busyPort.arg(port)),
             qPrintable(link.err));
    const Zq22Run write = Zq22Run::start({"write", "--udp", "--listen-port", port, refused});
    QCOMPARE(write.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(refused, check)});
    // Its own messages stay English, as its help does.
    const Zq22Run usage = Zq22Run::start({"show", "--verbose", refused});
    QCOMPARE(usage.errLines(),
             QStringList{QStringLiteral("zq22: show: Unknown option 'verbose'; see \"zq22 show --help\"")});
}

void LanguageTest::namesReadBackAsShowPrintsThem()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("EC22.q22"));
    QVERIFY(SampleConfigs::write(file, RefusedImages::accepted()));
    const QString shown = dir.filePath(QStringLiteral("shown.q22"));
    const QString source = dir.filePath(QStringLiteral("source.q22"));

    const Surroundings surroundings("C.UTF-8", QStringLiteral("uk"));
    // A bit's name as zq22 show prints it in Ukrainian, and as the JSON form keeps it.
    const Zq22Run byShown = Zq22Run::start({"set", file, "general.battery_events=Порушення", "-o", shown});
    QVERIFY2(byShown.exitCode == 0, qPrintable(byShown.err));
    const Zq22Run bySource = Zq22Run::start({"set", file, "general.battery_events=Нарушение", "-o", source});
    QVERIFY2(bySource.exitCode == 0, qPrintable(bySource.err));
    QCOMPARE(readFile(shown), readFile(source));
    QVERIFY(readFile(shown) != readFile(file));

    const Zq22Run show = Zq22Run::start({"show", shown});
    QCOMPARE(show.exitCode, 0);
    const QStringList battery = show.outLines().filter(QStringLiteral("[general.battery_events]"));
    QCOMPARE(battery.size(), 1);
    QCOMPARE(battery.constFirst().trimmed(), QStringLiteral("Акумулятор: Порушення  [general.battery_events]"));
}

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_Language.moc"
