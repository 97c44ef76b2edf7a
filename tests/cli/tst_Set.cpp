// zq22 set: fields named by their keys take values written as zq22 show prints
// them; every other byte stays, and a change the configurator would not write
// is refused with its reason and nothing is written.
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "Zq22Run.h"

#include "ConfigFile.h"
#include "FieldCatalogue.h"
#include "ImageComparison.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace L = ImageLayout;

namespace {

// Ready to write, with bytes that no page shows: a change must keep them too.
ConfigImage baseImage()
{
    ConfigImage image = SampleConfigs::readyToWrite();
    image.setChars(L::WifiSsid, QByteArray("AB\0C", 4));
    image.setChars({L::ReservedTable.offset + 10, 3}, "\x01\x02\x03");
    return image;
}

QString shown(const QString& key, const ConfigImage& image)
{
    return FieldCatalogue::displayValue(*FieldCatalogue::find(key), image);
}

struct Folder {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

} // namespace

class SetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachKindChangesExactlyItsBytes_data();
    void eachKindChangesExactlyItsBytes();
    void theOutputTakesTheFormOfItsName_data();
    void theOutputTakesTheFormOfItsName();
    void refusedWithItsReasonAndNothingWritten_data();
    void refusedWithItsReasonAndNothingWritten();
    void aTiedFieldChangesWithIt();
    void theQuestionOfAnEmptyBalanceRequestAnsweredYes();
};

void SetTest::eachKindChangesExactlyItsBytes_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* kind, const char* key, const char* value, const char* shown) {
        QTest::newRow(kind) << QString::fromUtf8(key) + QLatin1Char('=') + QString::fromUtf8(value)
                            << QString::fromUtf8(key) << QString::fromUtf8(shown);
    };
    row("number", "general.siren_time_s", "60", "60");
    row("text", "texts.alarm[3]", "Пожар в зале", "Пожар в зале");
    row("phone", "sms.phones[2]", "+380671234567", "+380671234567");
    row("address", "channels[2].address", "192.168.10.20", "192.168.10.20");
    row("bits", "general.mains_events", "Нарушение", "Нарушение");
    row("zone type", "zones[Z1].type", "Включен, Периметр", "Включен, Периметр");
    row("account", "channels[1].account", "1a2b", "1A2B");
    row("named choice", "wifi.secured", "да", "да");
    row("characters", "update.server", "ftp.example.org", "ftp.example.org");
}

void SetTest::eachKindChangesExactlyItsBytes()
{
    QFETCH(QString, argument);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    Folder folder;
    const QString base = folder.path("base.q22");
    const QString out = folder.path("out.q22");
    QVERIFY(SampleConfigs::write(base, baseImage()));

    const Zq22Run run = Zq22Run::start({QStringLiteral("set"), base, argument, QStringLiteral("-o"), out});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());

    const QByteArray before = readFile(base);
    const QByteArray after = readFile(out);
    QCOMPARE(after.size(), before.size());
    const CatalogueField& field = *FieldCatalogue::find(key);
    const int first = ConfigFile::Signature.size() + field.offset - 1;
    QCOMPARE(after.left(first), before.left(first));
    QCOMPARE(after.mid(first + field.size), before.mid(first + field.size));
    QVERIFY(after.mid(first, field.size) != before.mid(first, field.size));
    QCOMPARE(::shown(key, *SampleConfigs::read(out)), shown);
}

void SetTest::theOutputTakesTheFormOfItsName_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow(".q22 to JSON") << "base.q22" << "out.json";
    QTest::newRow("JSON to .q22") << "base.json" << "out.q22";
    QTest::newRow("a .q22 file in place") << "base.q22" << "base.q22";
    QTest::newRow("a JSON file in place") << "base.json" << "base.json";
}

void SetTest::theOutputTakesTheFormOfItsName()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QTemporaryDir dir;
    const QString in = dir.filePath(input);
    const QString out = dir.filePath(output);
    QVERIFY(SampleConfigs::write(in, baseImage()));

    const Zq22Run run = Zq22Run::start({QStringLiteral("set"), in, QStringLiteral("general.siren_time_s=60"),
                                        QStringLiteral("texts.status[1]=Снят"), QStringLiteral("-o"), out});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    ConfigImage expected = baseImage();
    expected.setValue(L::SirenTime, 60 / L::SirenTimeUnit);
    expected.setSlotText(L::StatusTexts.slot(1), QStringLiteral("Снят"));
    const std::optional<ConfigImage> written = SampleConfigs::read(out);
    QVERIFY(written.has_value());
    QVERIFY(*written == expected);
    QCOMPARE(readFile(out).startsWith('{'), output.endsWith(QLatin1String(".json")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), input == output ? 1 : 2);
}

void SetTest::refusedWithItsReasonAndNothingWritten_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char* name, const QStringList& arguments, const QStringList& messages) {
        QTest::newRow(name) << "base.q22" << arguments << messages;
    };
    row("unknown key", {"general.siren_time=60"},
        {"zq22: set: unknown key \"general.siren_time\"; the nearest: general.siren_time_s, general.keyboard, "
         "general.block_phone"});
    row("no value", {"general.siren_time_s"},
        {"zq22: set: \"general.siren_time_s\" is not KEY=VALUE; see \"zq22 set --help\""});
    row("no key", {"=60"}, {"zq22: set: \"=60\" is not KEY=VALUE; see \"zq22 set --help\""});
    row("a key twice", {"general.siren_time_s=60", "general.siren_time_s=30"},
        {"zq22: set: general.siren_time_s is given twice"});
    row("out of range", {"general.siren_time_s=327680"},
        {"zq22: set: general.siren_time_s: 327680 is outside 0..327675"});
    row("not a multiple of the unit", {"zones[Z1].sensitivity_ms=65"},
        {"zq22: set: zones[Z1].sensitivity_ms: 65 is not a multiple of 10"});
    row("a word for a number", {"general.siren_time_s=long"},
        {"zq22: set: general.siren_time_s: expects a whole number, not \"long\""});
    row("text too long", {"texts.alarm[5]=" + QString(31, QLatin1Char('x'))},
        {"zq22: set: texts.alarm[5]: a text of 31 characters is too long for the field's 30"});
    row("character outside Windows-1251", {"texts.status[1]=日"},
        {"zq22: set: texts.status[1]: the character U+65E5 has no place in the panel's code page (Windows-1251)"});
    row("bad address", {"channels[2].address=300.1.1.1"},
        {"zq22: set: channels[2].address: expects a dotted IPv4 address such as \"192.168.1.1\", not \"300.1.1.1\""});
    row("account not hexadecimal", {"channels[1].account=EC2G"},
        {"zq22: set: channels[1].account: expects up to 4 hexadecimal digits, not \"EC2G\""});
    row("unknown bit", {"general.mains_events=Нарушение, Громко"},
        {"zq22: set: general.mains_events: \"Громко\" is not one of: Нарушение, Восстановление"});
    row("two zone types", {"zones[Z1].type=Включен, Интерьер, Периметр"},
        {"zq22: set: zones[Z1].type: names both \"Интерьер\" and \"Периметр\", of which only one can hold"});
    row("neither number nor name", {"wifi.secured=maybe"},
        {"zq22: set: wifi.secured: \"maybe\" is neither a whole number nor one of: да, нет"});
    row("a reserved range", {"zones.reserved=00"},
        {"zq22: set: zones.reserved: is reserved and has no readable value"});
    row("a user's number against its groups", {"users[5].number=0"},
        {"zq22: base.q22: users[5].number follows users[5].groups: a user in a group is numbered by its row, one in "
         "none by 0"});
    row("a call for an empty phone", {"channels[1].call_mask=1, 2"},
        {"zq22: base.q22: channels[1].call_mask follows sms.phones[2]: a phone's call (\"Звонок\") is ticked only "
         "for a phone of 13 characters"});
    row("a zone in no group", {"zones[Z3].type=Включен, Периметр"}, {"zq22: base.q22: Шлейф Z3 не включен в группы!"});
    row("a phone too short", {"sms.phones[2]=+38050"},
        {"zq22: base.q22: Нарушен формат номера телефона для получения СМС. (+380ххххххххх)"});
    row("a malformed balance request", {"sms.balance_request=100#"},
        {"zq22: base.q22: Нарушен формат запроса баланса на карточке!"});
    row("an empty balance request", {"sms.balance_request="},
        {"zq22: base.q22: Не заполнен запрос баланса на карточке. Продолжить?",
         "zq22: answered No; add --yes to answer Yes"});
    // A value's error comes before the file is looked at.
    QTest::newRow("a bad value for a missing file")
        << "missing.q22" << QStringList{"general.siren_time_s=22"}
        << QStringList{"zq22: set: general.siren_time_s: 22 is not a multiple of 5"};
    QTest::newRow("a missing file") << "missing.q22" << QStringList{"general.siren_time_s=60"}
                                    << QStringList{"zq22: missing.q22: no such file or directory"};
}

void SetTest::refusedWithItsReasonAndNothingWritten()
{
    QFETCH(QString, file);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, messages);
    Folder folder;
    QVERIFY(QDir::setCurrent(folder.dir.path()));
    QVERIFY(SampleConfigs::write(QStringLiteral("base.q22"), baseImage()));
    const QByteArray before = readFile(QStringLiteral("base.q22"));

    const Zq22Run run
        = Zq22Run::start(QStringList{QStringLiteral("set"), file} + arguments + QStringList{"-o", "out.q22"});
    QCOMPARE(run.errLines(), messages);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("out.q22")));
    QCOMPARE(readFile(QStringLiteral("base.q22")), before);
}

void SetTest::aTiedFieldChangesWithIt()
{
    Folder folder;
    const QString base = folder.path("base.q22");
    QVERIFY(SampleConfigs::write(base, baseImage()));

    const Zq22Run run = Zq22Run::start(
        {QStringLiteral("set"), base, QStringLiteral("users[5].groups="), QStringLiteral("-o"), base});
    QCOMPARE(run.exitCode, 0);
    const QString carried = QStringLiteral("zq22: %1: users[5].number changed with users[5].groups");
    QCOMPARE(run.errLines(), QStringList{carried.arg(base)});
    const ConfigImage changed = *SampleConfigs::read(base);
    QCOMPARE(shown(QStringLiteral("users[5].groups"), changed), QString());
    QCOMPARE(shown(QStringLiteral("users[5].number"), changed), QStringLiteral("0"));
    QCOMPARE(compareImages(baseImage(), changed).size(), 2);
}

void SetTest::theQuestionOfAnEmptyBalanceRequestAnsweredYes()
{
    Folder folder;
    const QString base = folder.path("base.q22");
    const QString out = folder.path("out.q22");
    QVERIFY(SampleConfigs::write(base, baseImage()));

    const Zq22Run run = Zq22Run::start({QStringLiteral("set"), QStringLiteral("--yes"), base,
                                        QStringLiteral("sms.balance_request="), QStringLiteral("-o"), out});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(shown(QStringLiteral("sms.balance_request"), *SampleConfigs::read(out)), QString());
}

QTEST_GUILESS_MAIN(SetTest)
#include "tst_Set.moc"
