#include "ConfigJson.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int Seeds = 150;

QJsonObject documentOf(const ConfigImage& image)
{
    return QJsonDocument::fromJson(ConfigJson::write(image)).object();
}

QJsonValue valueAt(const QJsonObject& document, const QStringList& path)
{
    QJsonValue value = document;
    for (const QString& name : path)
        value = value.toObject().value(name);
    return value;
}

// The document with the value at `path` replaced, or removed when `value` is undefined.
QJsonObject changed(QJsonObject document, const QStringList& path, const QJsonValue& value)
{
    if (path.size() == 1) {
        if (value.isUndefined())
            document.remove(path.first());
        else
            document.insert(path.first(), value);
        return document;
    }
    const QJsonObject inner = document.value(path.first()).toObject();
    document.insert(path.first(), changed(inner, path.mid(1), value));
    return document;
}

QByteArray factoryWith(const QString& path, const QJsonValue& value)
{
    return QJsonDocument(changed(documentOf(factoryImage()), path.split(QLatin1Char('.')), value)).toJson();
}

// The paths of every "_hex" member of the document, joined with dots.
QStringList hexMembers(const QJsonObject& object, const QString& prefix = {})
{
    QStringList found;
    for (auto member = object.begin(); member != object.end(); ++member) {
        const QString path = prefix.isEmpty() ? member.key() : prefix + QLatin1Char('.') + member.key();
        if (member.key().endsWith(QLatin1String(ConfigJson::HexSuffix)))
            found << path;
        else if (member.value().isObject())
            found << hexMembers(member.value().toObject(), path);
    }
    return found;
}

// Every byte value possible, drawn three ways: all bytes at random, a few
// bytes at random among zeros, and the factory image with a few bytes changed.
ConfigImage randomImage(quint32 seed)
{
    QRandomGenerator random(seed);
    ConfigImage image = seed % 3 == 2 ? factoryImage() : ConfigImage();
    const int changes = seed % 3 == 0 ? ConfigImage::Size : random.bounded(1, 200);
    for (int i = 0; i < changes; ++i) {
        const int position = seed % 3 == 0 ? i + 1 : random.bounded(1, ConfigImage::Size + 1);
        image.setByteAt(position, static_cast<std::uint8_t>(random.bounded(256)));
    }
    return image;
}

} // namespace

class ConfigJsonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyImageComesBackByteForByte_data();
    void everyImageComesBackByteForByte();
    void factoryDocumentReadsAsThePagesDo();
    void factoryDocumentNeedsNoHex();
    void whatTheValueCannotCarryTravelsInHex_data();
    void whatTheValueCannotCarryTravelsInHex();
    void handWrittenVariantsAreAccepted_data();
    void handWrittenVariantsAreAccepted();
    void badDocumentsAreRejected_data();
    void badDocumentsAreRejected();
    void documentedExampleIsTheFactoryConfiguration();
};

void ConfigJsonTest::everyImageComesBackByteForByte_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= Seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void ConfigJsonTest::everyImageComesBackByteForByte()
{
    QFETCH(quint32, seed);
    const ConfigImage image = randomImage(seed);
    const ConfigJson::ReadResult result = ConfigJson::read(ConfigJson::write(image));
    QCOMPARE(result.error, QString());
    QVERIFY(result.image.has_value());
    QVERIFY(*result.image == image);
}

void ConfigJsonTest::factoryDocumentReadsAsThePagesDo()
{
    const QJsonObject document = documentOf(factoryImage());
    QCOMPARE(document.value(QStringLiteral("format")).toString(), QStringLiteral("zq22-config"));
    QCOMPARE(document.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(valueAt(document, {"general", "siren_time_s"}), QJsonValue(20));
    QCOMPARE(valueAt(document, {"channels", "1", "account"}), QJsonValue("EC22"));
    QCOMPARE(valueAt(document, {"channels", "2", "address"}), QJsonValue("0.0.0.0"));
    QCOMPARE(valueAt(document, {"zones", "Z1", "sensitivity_ms"}), QJsonValue(60));
    QCOMPARE(valueAt(document, {"zones", "Z1", "type"}), QJsonValue(QJsonArray{"Включен", "Сирена", "Вход/выход"}));
    QCOMPARE(valueAt(document, {"groups", "1", "exit_delay_s"}), QJsonValue(30));
    QCOMPARE(valueAt(document, {"users", "32", "groups"}), QJsonValue(QJsonArray{1}));
    QCOMPARE(valueAt(document, {"texts", "alarm", "1"}), QJsonValue("Тревога ШС 1"));
    QCOMPARE(valueAt(document, {"texts", "group_names", "8"}), QJsonValue("ППК"));
    QCOMPARE(valueAt(document, {"sms", "phones", "1"}), QJsonValue(""));
}

void ConfigJsonTest::factoryDocumentNeedsNoHex()
{
    QCOMPARE(hexMembers(documentOf(factoryImage())), QStringList());
}

void ConfigJsonTest::whatTheValueCannotCarryTravelsInHex_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("hexMember");
    QTest::newRow("characters after a text's zero") << 1691 << QByteArray::fromHex("41420043") << "wifi.ssid_hex";
    QTest::newRow("a text unit outside the text code") << 3230 << QByteArray::fromHex("C000") << "texts.alarm.1_hex";
    QTest::newRow("a unit beyond the last letter") << 3230 << QByteArray::fromHex("0005") << "texts.alarm.1_hex";
    QTest::newRow("a reserved range not all zero")
        << 1951 + 8 * 100 << QByteArray::fromHex("01") << "zones.reserved_hex";
    QTest::newRow("a byte of a record's reserved tail")
        << 117 << QByteArray::fromHex("FF") << "channels.1.reserved_116_hex";
    QTest::newRow("an event bit with no name") << 1759 << QByteArray::fromHex("83") << "general.mains_events_hex";
    QTest::newRow("a zone type bit with no name") << 1954 << QByteArray::fromHex("B2") << "zones.Z1.type_hex";
    QTest::newRow("a blank byte in an SMS phone") << 3152 << QByteArray::fromHex("20") << "sms.phones.1_hex";
}

void ConfigJsonTest::whatTheValueCannotCarryTravelsInHex()
{
    QFETCH(int, position);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, hexMember);
    ConfigImage image = factoryImage();
    for (int i = 0; i < bytes.size(); ++i)
        image.setByteAt(position + i, static_cast<std::uint8_t>(bytes[i]));

    const QByteArray json = ConfigJson::write(image);
    QCOMPARE(hexMembers(QJsonDocument::fromJson(json).object()), QStringList{hexMember});
    const ConfigJson::ReadResult result = ConfigJson::read(json);
    QCOMPARE(result.error, QString());
    QVERIFY(*result.image == image);
}

void ConfigJsonTest::handWrittenVariantsAreAccepted_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("names in any order, group numbers as texts")
        << factoryWith("zones.Z3.groups", QJsonArray{"2", 1, 1}) << "zones[Z3].groups" << "1, 2";
    QTest::newRow("lower-case account") << factoryWith("channels.1.account", "ab") << "channels[1].account" << "00AB";
    QTest::newRow("a zero reserved range given")
        << factoryWith("users.reserved_hex", QString(192, QLatin1Char('0'))) << "users.reserved"
        << QString(QStringLiteral("00 ").repeated(95) + "00");
    const QJsonObject violationOnly
        = changed(documentOf(factoryImage()), {"general", "mains_events"}, QJsonArray{"Нарушение"});
    QTest::newRow("upper-case hex beside its value")
        << QJsonDocument(changed(violationOnly, {"general", "mains_events_hex"}, "81")).toJson()
        << "general.mains_events" << "Нарушение [81]";
    QTest::newRow("a Cyrillic text") << factoryWith("texts.status.1", "Ёлка №1") << "texts.status[1]" << "Ёлка №1";
}

void ConfigJsonTest::handWrittenVariantsAreAccepted()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    const ConfigJson::ReadResult result = ConfigJson::read(json);
    QCOMPARE(result.error, QString());
    QCOMPARE(FieldCatalogue::displayValue(*FieldCatalogue::find(key), *result.image), shown);
}

void ConfigJsonTest::badDocumentsAreRejected_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    const auto row = [](const char* name, const QByteArray& json, const QString& error) {
        QTest::newRow(name) << json << error;
    };
    row("empty", QByteArray(), "malformed JSON at line 1, column 1: illegal value");
    row("malformed", "{\n  \"format\": \"zq22-config\",\n  \"version\": 1\n  \"general\": {}\n}",
        "malformed JSON at line 4, column 4: unterminated object");
    row("not an object", "[1, 2]", "not a configuration: the document is not a JSON object");
    row("another format", factoryWith("format", "other"), "not a configuration: \"format\" must be \"zq22-config\"");
    row("another version", factoryWith("version", 2),
        "format version 2 is not supported; this program reads version 1");
    row("version as text", factoryWith("version", "1"), "\"version\" must be a number; this program reads version 1");
    row("no version", factoryWith("version", QJsonValue::Undefined),
        "format version missing is not supported; this program reads version 1");
    row("unknown key", factoryWith("general.volume", 3), "unknown key \"general.volume\"");
    row("unknown zone", factoryWith("zones.Z9", QJsonObject{{"type", QJsonArray()}}), "unknown key \"zones.Z9\"");
    row("unknown empty group", factoryWith("extras", QJsonObject()), "unknown key \"extras\"");
    row("reserved range without _hex", factoryWith("zones.reserved", "00"), "unknown key \"zones.reserved\"");
    row("a group that is no object", factoryWith("general", 5), "\"general\" must be an object");
    row("missing field", factoryWith("general.siren_time_s", QJsonValue::Undefined), "general.siren_time_s: missing");
    row("number too large", factoryWith("general.siren_time_s", 327680),
        "general.siren_time_s: 327680 is outside 0..327675");
    row("negative number", factoryWith("zones.Z1.sensitivity_ms", -10),
        "zones[Z1].sensitivity_ms: -10 is outside 0..2550");
    row("not a multiple of the unit", factoryWith("general.siren_time_s", 22),
        "general.siren_time_s: 22 is not a multiple of 5");
    row("fraction", factoryWith("groups.1.exit_delay_s", 1.5),
        "groups[1].exit_delay_s: expects a whole number, not 1.5");
    row("number as a text", factoryWith("groups.1.exit_delay_s", "30"),
        "groups[1].exit_delay_s: expects a whole number, not \"30\"");
    row("text too long for its slot", factoryWith("texts.alarm.5", QString(31, QLatin1Char('x'))),
        "texts.alarm[5]: a text of 31 characters is too long for the field's 30");
    row("characters too long for their field", factoryWith("sms.balance_request", "*1234567890#"),
        "sms.balance_request: a text of 12 characters is too long for the field's 10");
    row("character outside Windows-1251", factoryWith("texts.status.1", "日"),
        "texts.status[1]: the character U+65E5 has no place in the panel's code page (Windows-1251)");
    row("zero character", factoryWith("wifi.ssid", QString(QChar(0))),
        "wifi.ssid: the character U+0000 has no place in the panel's code page (Windows-1251)");
    row("address out of range", factoryWith("channels.2.address", "300.1.1.1"),
        "channels[2].address: expects a dotted IPv4 address such as \"192.168.1.1\", not \"300.1.1.1\"");
    row("address with a line break after it", factoryWith("channels.2.address", "1.2.3.4\n"),
        "channels[2].address: expects a dotted IPv4 address such as \"192.168.1.1\", not \"1.2.3.4\n\"");
    row("account not hexadecimal", factoryWith("channels.1.account", "EC2G"),
        "channels[1].account: expects up to 4 hexadecimal digits, not \"EC2G\"");
    row("unknown mark", factoryWith("zones.Z1.type", QJsonArray{"Включен", "Громко"}),
        "zones[Z1].type: \"Громко\" is not one of: Включен, Сирена, Круглосуточный, Вход/выход, Интерьер, "
        "Периметр, Мгновенный, Постановочный, Интерьер+Периметр");
    row("group beyond 16", factoryWith("users.1.groups", QJsonArray{17}),
        "users[1].groups: 17 is not one of: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16");
    row("two zone types", factoryWith("zones.Z1.type", QJsonArray{"Интерьер", "Периметр"}),
        "zones[Z1].type: names both \"Интерьер\" and \"Периметр\", of which only one can hold");
    row("bits not a list", factoryWith("general.keyboard", "Подключена"),
        "general.keyboard: expects a list of names, not \"Подключена\"");
    row("hex of the wrong size", factoryWith("general.mains_events_hex", "0303"),
        "general.mains_events: \"mains_events_hex\" expects 2 hexadecimal digits, two for each byte of the field");
    row("hex not hexadecimal", factoryWith("zones.reserved_hex", "zz"),
        "zones.reserved: \"reserved_hex\" expects 1792 hexadecimal digits, two for each byte of the field");
    row("an edited value beside stale hex", factoryWith("general.mains_events_hex", "81"),
        "general.mains_events: the value does not match \"mains_events_hex\" beside it; "
        "remove \"mains_events_hex\" to take the value");
}

void ConfigJsonTest::badDocumentsAreRejected()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    const ConfigJson::ReadResult result = ConfigJson::read(json);
    QCOMPARE(result.error, error);
    QVERIFY(!result.image.has_value());
}

void ConfigJsonTest::documentedExampleIsTheFactoryConfiguration()
{
    QFile page(QStringLiteral(ZQ_SOURCE_DIR "/docs/json-format.md"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    const QByteArray opening = "## Complete example";
    const qsizetype example = text.indexOf("```json\n", text.indexOf(opening));
    QVERIFY(text.contains(opening) && example >= 0);
    const qsizetype begin = example + qstrlen("```json\n");
    QCOMPARE(text.mid(begin, text.indexOf("```", begin) - begin), ConfigJson::write(factoryImage()));
}

QTEST_MAIN(ConfigJsonTest)
#include "tst_ConfigJson.moc"
