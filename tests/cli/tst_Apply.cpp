// zq22 apply: many configurations take the fields a template names and keep
// every other byte; a file whose result the configurator would refuse is left
// as it was, with the window's message, while the others are done.
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "Zq22Run.h"

#include "ConfigJson.h"
#include "FieldCatalogue.h"
#include "ImageComparison.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace L = ImageLayout;

namespace {

constexpr int Panels = 20;

// The company's standard: the monitoring phones, the balance request and some texts.
const QByteArray Standard = R"({
    "format": "zq22-config",
    "version": 1,
    "sms": {
        "phones": { "1": "+380441234567", "2": "+380442345678" },
        "balance_request": "*101#"
    },
    "texts": {
        "alarm": { "1": "Тревога: вход" },
        "system": { "3": "Нет сети 220 В" }
    }
})";

const QStringList StandardKeys = {"sms.phones[1]", "sms.phones[2]", "texts.alarm[1]", "texts.system[3]",
                                  "sms.balance_request"};

// Panels unlike each other, and unlike the factory, in fields the template does not name.
ConfigImage panel(int n)
{
    ConfigImage image = SampleConfigs::readyToWrite();
    image.setValue(L::channelField(L::SmsRecord, L::Channel::Account), static_cast<std::uint32_t>(0x1000 + n));
    image.setValue(L::SirenTime, static_cast<std::uint32_t>(n));
    image.setText(L::WifiSsid, QStringLiteral("Shop %1").arg(n));
    image.setSlotText(L::AlarmTexts.slot(2), QStringLiteral("Зал %1").arg(n));
    image.setChars({L::ReservedTable.offset + n, 1}, "\x7F");
    return image;
}

QByteArray templateWith(const char* members)
{
    return QByteArray(R"({"format": "zq22-config", "version": 1, )") + members + '}';
}

QString shown(const QString& key, const ConfigImage& image)
{
    return FieldCatalogue::displayValue(*FieldCatalogue::find(key), image);
}

QString arg(const QString& path, const char* name)
{
    return QDir(path).filePath(QLatin1String(name));
}

} // namespace

class ApplyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twentyPanelsTakeOnlyTheTemplatesFields();
    void oneFileIntoAnotherOfEitherForm();
    void aRefusedFileStaysAsItWasAndTheOthersAreDone();
    void aFieldTiedToATemplatesFieldChangesWithIt();
    void badInputChangesNothing_data();
    void badInputChangesNothing();
};

void ApplyTest::twentyPanelsTakeOnlyTheTemplatesFields()
{
    QTemporaryDir dir;
    const QString standard = arg(dir.path(), "standard.json");
    QVERIFY(writeFile(standard, Standard));
    QStringList files;
    for (int n = 1; n <= Panels; ++n) {
        files << dir.filePath(QStringLiteral("panel%1.%2").arg(n).arg(n % 2 == 0 ? "json" : "q22"));
        QVERIFY(SampleConfigs::write(files.constLast(), panel(n)));
    }

    const Zq22Run run = Zq22Run::start(QStringList{"apply", "--in-place", standard} + files);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());

    const ConfigTemplate expected = *ConfigJson::readTemplate(Standard).parsed;
    for (int n = 1; n <= Panels; ++n) {
        const QString& file = files.at(n - 1);
        QCOMPARE(readFile(file).startsWith('{'), n % 2 == 0);
        const std::optional<ConfigImage> applied = SampleConfigs::read(file);
        QVERIFY2(applied.has_value(), qPrintable(file));
        QStringList changed;
        for (const FieldDifference& difference : compareImages(panel(n), *applied))
            changed << difference.field->key;
        QCOMPARE(changed, StandardKeys);
        QVERIFY(expected.differencesFrom(*applied).isEmpty());
    }
}

void ApplyTest::oneFileIntoAnotherOfEitherForm()
{
    QTemporaryDir dir;
    const QString standard = arg(dir.path(), "standard.json");
    const QString shop = arg(dir.path(), "shop.q22");
    const QString out = arg(dir.path(), "shop-standard.json");
    QVERIFY(writeFile(standard, Standard));
    QVERIFY(SampleConfigs::write(shop, panel(3)));

    const Zq22Run run = Zq22Run::start({"apply", standard, shop, "-o", out});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(SampleConfigs::read(shop) == panel(3));
    const ConfigImage applied = *SampleConfigs::read(out);
    QCOMPARE(shown(QStringLiteral("sms.phones[1]"), applied), QStringLiteral("+380441234567"));
    QCOMPARE(shown(QStringLiteral("wifi.ssid"), applied), QStringLiteral("Shop 3"));
}

void ApplyTest::aRefusedFileStaysAsItWasAndTheOthersAreDone()
{
    QTemporaryDir dir;
    const QString zoneOn = arg(dir.path(), "z3.json");
    QVERIFY(writeFile(zoneOn, templateWith(R"("zones": {"Z3": {"type": ["Включен", "Периметр"]}})")));
    const QString inGroup = arg(dir.path(), "in-group.q22");
    const QString inNoGroup = arg(dir.path(), "in-no-group.q22");
    ConfigImage grouped = panel(1);
    grouped.setValue(L::zoneField(3, L::Zone::GroupMask), 0x01);
    QVERIFY(SampleConfigs::write(inNoGroup, panel(2)));
    QVERIFY(SampleConfigs::write(inGroup, grouped));
    const QByteArray untouched = readFile(inNoGroup);

    const Zq22Run run = Zq22Run::start({"apply", "--in-place", zoneOn, inNoGroup, inGroup});
    QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: Шлейф Z3 не включен в группы!").arg(inNoGroup)});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(readFile(inNoGroup), untouched);
    QCOMPARE(shown(QStringLiteral("zones[Z3].type"), *SampleConfigs::read(inGroup)),
             QStringLiteral("Включен, Периметр"));
}

void ApplyTest::aFieldTiedToATemplatesFieldChangesWithIt()
{
    QTemporaryDir dir;
    const QString exitDelay = arg(dir.path(), "exit.json");
    const QString shop = arg(dir.path(), "shop.q22");
    QVERIFY(writeFile(exitDelay, templateWith(R"("groups": {"1": {"exit_delay_s": 45}})")));
    QVERIFY(SampleConfigs::write(shop, panel(1)));

    const Zq22Run run = Zq22Run::start({"apply", "--in-place", exitDelay, shop});
    QCOMPARE(run.exitCode, 0);
    const QString carried = QStringLiteral("zq22: %1: zones[Z1].entry_delay_s changed with groups[1].exit_delay_s");
    QCOMPARE(run.errLines(), QStringList{carried.arg(shop)});
    const ConfigImage applied = *SampleConfigs::read(shop);
    QCOMPARE(shown(QStringLiteral("groups[1].exit_delay_s"), applied), QStringLiteral("45"));
    QCOMPARE(shown(QStringLiteral("zones[Z1].entry_delay_s"), applied), QStringLiteral("45"));
}

void ApplyTest::badInputChangesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("status");
    const QString seeHelp = QStringLiteral("; see \"zq22 apply --help\"");
    QTest::newRow("neither -o nor --in-place") << QStringList{"standard.json", "a.q22"}
                                               << QStringList{"zq22: apply: give either -o OUT or --in-place" + seeHelp}
                                               << 2;
    QTest::newRow("both -o and --in-place") << QStringList{"standard.json", "a.q22", "-o", "out.q22", "--in-place"}
                                            << QStringList{"zq22: apply: give either -o OUT or --in-place" + seeHelp}
                                            << 2;
    QTest::newRow("-o for two files")
        << QStringList{"standard.json", "a.q22", "b.q22", "-o", "out.q22"}
        << QStringList{"zq22: apply: -o OUT takes one FILE; give --in-place for several" + seeHelp} << 2;
    QTest::newRow("no file") << QStringList{"standard.json", "--in-place"}
                             << QStringList{"zq22: apply: expects TEMPLATE FILE..." + seeHelp} << 2;
    QTest::newRow("a template with a bad value")
        << QStringList{"bad.json", "a.q22", "b.q22", "--in-place"}
        << QStringList{"zq22: bad.json: general.siren_time_s: 22 is not a multiple of 5"} << 2;
    QTest::newRow("a template that names nothing") << QStringList{"empty.json", "a.q22", "--in-place"}
                                                   << QStringList{"zq22: empty.json: not a template: it names no field"}
                                                   << 2;
    QTest::newRow("a missing template") << QStringList{"missing.json", "a.q22", "--in-place"}
                                        << QStringList{"zq22: missing.json: no such file or directory"} << 2;
}

void ApplyTest::badInputChangesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, messages);
    QFETCH(int, status);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(writeFile(QStringLiteral("standard.json"), Standard));
    QVERIFY(writeFile(QStringLiteral("bad.json"), templateWith(R"("general": {"siren_time_s": 22})")));
    QVERIFY(writeFile(QStringLiteral("empty.json"), R"({"format": "zq22-config", "version": 1})"));
    QVERIFY(SampleConfigs::write(QStringLiteral("a.q22"), panel(1)));
    QVERIFY(SampleConfigs::write(QStringLiteral("b.q22"), panel(2)));
    const QByteArray a = readFile(QStringLiteral("a.q22"));
    const QByteArray b = readFile(QStringLiteral("b.q22"));

    const Zq22Run run = Zq22Run::start(QStringList{"apply"} + arguments);
    QCOMPARE(run.errLines(), messages);
    QCOMPARE(run.exitCode, status);
    QCOMPARE(readFile(QStringLiteral("a.q22")), a);
    QCOMPARE(readFile(QStringLiteral("b.q22")), b);
    QVERIFY(!QFile::exists(QStringLiteral("out.q22")));
}

QTEST_GUILESS_MAIN(ApplyTest)
#include "tst_Apply.moc"
