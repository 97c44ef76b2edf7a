// Templates: JSON documents of the export's form that name only some fields,
// each read by the very rules of a full import; a whole export names every field.
#include "SampleConfigs.h"

#include "ConfigJson.h"
#include "ConfigTemplate.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QJsonObject withValue(QJsonObject object, const QStringList& path, const QJsonValue& value)
{
    const QString name = path.constFirst();
    object.insert(name, path.size() == 1 ? value : withValue(object.value(name).toObject(), path.mid(1), value));
    return object;
}

QJsonObject emptyTemplate()
{
    return {{QStringLiteral("format"), QStringLiteral("zq22-config")}, {QStringLiteral("version"), 1}};
}

// A template naming the members given by their paths in the document ("zones.Z3.type").
QByteArray templateOf(const QList<std::pair<QString, QJsonValue>>& members)
{
    QJsonObject document = emptyTemplate();
    for (const auto& [path, value] : members)
        document = withValue(document, path.split(QLatin1Char('.')), value);
    return QJsonDocument(document).toJson();
}

QByteArray factoryWith(const QString& path, const QJsonValue& value)
{
    const QJsonObject factory = QJsonDocument::fromJson(ConfigJson::write(factoryImage())).object();
    return QJsonDocument(withValue(factory, path.split(QLatin1Char('.')), value)).toJson();
}

QStringList keysOf(const QList<const CatalogueField*>& fields)
{
    QStringList keys;
    for (const CatalogueField* field : fields)
        keys << field->key;
    return keys;
}

ConfigImage scattered(quint32 seed)
{
    ConfigImage image;
    image.assign(SampleConfigs::scatteredBytes(seed));
    return image;
}

} // namespace

class ConfigTemplateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesOnlyItsFieldsInImageOrder();
    void aWholeExportNamesEveryField_data();
    void aWholeExportNamesEveryField();
    void fieldsAreReadByTheRulesOfImport_data();
    void fieldsAreReadByTheRulesOfImport();
    void aTemplateThatNamesNothingIsRefused();
    void differencesAreThoseOfTheNamedFields();
    void documentedExampleIsATemplate();
};

void ConfigTemplateTest::namesOnlyItsFieldsInImageOrder()
{
    const ConfigJson::TemplateResult result = ConfigJson::readTemplate(templateOf({
        {QStringLiteral("texts.system.2"), QStringLiteral("Аккумулятор разряжен")},
        {QStringLiteral("sms.phones.1"), QStringLiteral("+380501234567")},
        {QStringLiteral("channels.2.address"), QStringLiteral("10.1.2.3")},
        {QStringLiteral("zones.reserved_hex"), QString(1790, QLatin1Char('0')) + QStringLiteral("ff")},
    }));
    QCOMPARE(result.error, QString());
    QVERIFY(result.parsed.has_value());
    QCOMPARE(keysOf(result.parsed->fields()),
             (QStringList{"channels[2].address", "zones.reserved", "sms.phones[1]", "texts.system[2]"}));
    const ConfigImage& values = result.parsed->values();
    const auto shown = [&values](const char* key) {
        return FieldCatalogue::displayValue(*FieldCatalogue::find(QLatin1String(key)), values);
    };
    QCOMPARE(shown("channels[2].address"), QStringLiteral("10.1.2.3"));
    QCOMPARE(shown("sms.phones[1]"), QStringLiteral("+380501234567"));
    QCOMPARE(shown("texts.system[2]"), QStringLiteral("Аккумулятор разряжен"));
    QVERIFY(shown("zones.reserved").endsWith(QStringLiteral(" 00 FF")));
}

void ConfigTemplateTest::aWholeExportNamesEveryField_data()
{
    QTest::addColumn<ConfigImage>("image");
    QTest::newRow("factory, its reserved ranges left out as zero") << factoryImage();
    for (quint32 seed = 1; seed <= 4; ++seed)
        QTest::addRow("scattered %u", seed) << scattered(seed);
}

// Its reserved ranges count as named even where the export leaves them out,
// so that it gives every byte, as an import of it does.
void ConfigTemplateTest::aWholeExportNamesEveryField()
{
    QFETCH(ConfigImage, image);
    const ConfigJson::TemplateResult result = ConfigJson::readTemplate(ConfigJson::write(image));
    QCOMPARE(result.error, QString());
    QCOMPARE(result.parsed->fields(), FieldCatalogue::everyField());
    QVERIFY(result.parsed->values() == image);
    QVERIFY(result.parsed->differencesFrom(image).isEmpty());
    QCOMPARE(result.parsed->differencesFrom(ConfigImage()).size(), compareImages(image, ConfigImage()).size());
}

void ConfigTemplateTest::fieldsAreReadByTheRulesOfImport_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("error");
    const auto row = [](const char* name, const char* path, const QJsonValue& value, const char* error) {
        QTest::newRow(name) << QString::fromLatin1(path) << value << QString::fromUtf8(error);
    };
    row("unknown key", "general.volume", 3, "unknown key \"general.volume\"");
    row("a group that is no object", "general", 5, "\"general\" must be an object");
    row("number too large", "general.siren_time_s", 327680, "general.siren_time_s: 327680 is outside 0..327675");
    row("not a multiple of the unit", "general.siren_time_s", 22, "general.siren_time_s: 22 is not a multiple of 5");
    row("number as a text", "groups.1.exit_delay_s", "30",
        "groups[1].exit_delay_s: expects a whole number, not \"30\"");
    row("text too long", "texts.alarm.5", QString(31, QLatin1Char('x')),
        "texts.alarm[5]: a text of 31 characters is too long for the field's 30");
    row("character outside Windows-1251", "texts.status.1", "日",
        "texts.status[1]: the character U+65E5 has no place in the panel's code page (Windows-1251)");
    row("bad address", "channels.2.address", "300.1.1.1",
        "channels[2].address: expects a dotted IPv4 address such as \"192.168.1.1\", not \"300.1.1.1\"");
    row("account not hexadecimal", "channels.1.account", "EC2G",
        "channels[1].account: expects up to 4 hexadecimal digits, not \"EC2G\"");
    row("two zone types", "zones.Z1.type", QJsonArray{"Интерьер", "Периметр"},
        "zones[Z1].type: names both \"Интерьер\" and \"Периметр\", of which only one can hold");
    row("hex of the wrong size", "zones.reserved_hex", "zz",
        "zones.reserved: \"reserved_hex\" expects 1792 hexadecimal digits, two for each byte of the field");
    row("a value's hex alone", "general.mains_events_hex", "03", "general.mains_events: missing");
}

// The same member gives the same message in a template and in a full document.
void ConfigTemplateTest::fieldsAreReadByTheRulesOfImport()
{
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(QString, error);
    const ConfigJson::TemplateResult partial = ConfigJson::readTemplate(templateOf({{path, value}}));
    QCOMPARE(partial.error, error);
    QVERIFY(!partial.parsed.has_value());
    if (!error.endsWith(QLatin1String(": missing")))
        QCOMPARE(ConfigJson::read(factoryWith(path, value)).error, error);
}

void ConfigTemplateTest::aTemplateThatNamesNothingIsRefused()
{
    const ConfigJson::TemplateResult empty = ConfigJson::readTemplate(QJsonDocument(emptyTemplate()).toJson());
    QCOMPARE(empty.error, QStringLiteral("not a template: it names no field"));
    QVERIFY(!empty.parsed.has_value());
    const ConfigJson::TemplateResult otherFormat
        = ConfigJson::readTemplate(R"({"format": "other", "version": 1, "general": {"siren_time_s": 60}})");
    QCOMPARE(otherFormat.error, QStringLiteral("not a configuration: \"format\" must be \"zq22-config\""));
}

void ConfigTemplateTest::differencesAreThoseOfTheNamedFields()
{
    const ConfigJson::TemplateResult result = ConfigJson::readTemplate(templateOf({
        {QStringLiteral("general.siren_time_s"), 60},
        {QStringLiteral("zones.Z1.sensitivity_ms"), 60},
        {QStringLiteral("texts.alarm.1"), QStringLiteral("Пожар")},
    }));
    QCOMPARE(result.error, QString());
    ConfigImage image = factoryImage();
    image.setValue(ImageLayout::SirenTime, 3);
    image.setValue(ImageLayout::KeyboardMode, ImageLayout::KeyboardConnected);   // not named: no line

    const QList<FieldDifference> differences = result.parsed->differencesFrom(image);
    QCOMPARE(differences.size(), 2);
    QCOMPARE(differences[0].field->key, QStringLiteral("general.siren_time_s"));
    QCOMPARE(differences[0].valueA, QStringLiteral("60"));
    QCOMPARE(differences[0].valueB, QStringLiteral("15"));
    QCOMPARE(differences[1].field->key, QStringLiteral("texts.alarm[1]"));
    QCOMPARE(differences[1].valueA, QStringLiteral("Пожар"));
    QCOMPARE(differences[1].valueB, QStringLiteral("Тревога ШС 1"));
}

void ConfigTemplateTest::documentedExampleIsATemplate()
{
    QFile page(QStringLiteral(ZQ_SOURCE_DIR "/docs/json-format.md"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    const qsizetype opening = text.indexOf("```json\n", text.indexOf("## Templates"));
    QVERIFY(opening >= 0);
    const qsizetype begin = opening + qstrlen("```json\n");
    const QByteArray example = text.mid(begin, text.indexOf("```", begin) - begin);
    const ConfigJson::TemplateResult result = ConfigJson::readTemplate(example);
    QCOMPARE(result.error, QString());
    QCOMPARE(keysOf(result.parsed->fields()), (QStringList{"sms.phones[1]", "sms.phones[2]", "texts.alarm[1]",
                                                           "texts.system[3]", "sms.balance_request"}));
}

QTEST_GUILESS_MAIN(ConfigTemplateTest)
#include "tst_ConfigTemplate.moc"
