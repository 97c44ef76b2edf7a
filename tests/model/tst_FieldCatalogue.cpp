#include "SampleConfigs.h"

#include "ConfigJson.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "FieldValue.h"
#include "ImageComparison.h"

#include <QSet>
#include <QTest>

namespace {

// An image holding `bytes` (hexadecimal) from 1-based position `position` on.
ConfigImage imageWith(int position, const char* bytes)
{
    ConfigImage image;
    const QByteArray raw = QByteArray::fromHex(bytes);
    for (int i = 0; i < raw.size(); ++i)
        image.setByteAt(position + i, static_cast<std::uint8_t>(raw[i]));
    return image;
}

const CatalogueField& field(const QString& key)
{
    const CatalogueField* found = FieldCatalogue::find(key);
    if (found == nullptr)
        qFatal("no catalogue entry %s", qPrintable(key));
    return *found;
}

} // namespace

class FieldCatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesTileTheImage();
    void keysAreUniqueAndEveryValueIsNamed();
    void pagesAreThoseOfTheEntries();
    void documentPathsNeverNestInsideAValue();
    void valuesReadAsThePagesShowThem_data();
    void valuesReadAsThePagesShowThem();
    void bytesTheValueCannotShowAreShownRaw_data();
    void bytesTheValueCannotShowAreShownRaw();
    void comparisonListsTheDifferingFieldsInImageOrder();
    void comparisonOfEqualImagesIsEmpty();
    void shownValuesTypeBackToTheSameBytes_data();
    void shownValuesTypeBackToTheSameBytes();
    void typedValuesAsAnInstallerWritesThem_data();
    void typedValuesAsAnInstallerWritesThem();
    void nearestKeysOfOneMistyped_data();
    void nearestKeysOfOneMistyped();
};

void FieldCatalogueTest::entriesTileTheImage()
{
    int next = 1;
    for (const CatalogueField& entry : FieldCatalogue::fields()) {
        QVERIFY2(entry.offset == next, qPrintable(QStringLiteral("%1 starts at %2, not at %3")
                                                      .arg(entry.key)
                                                      .arg(entry.offset)
                                                      .arg(next)));
        QVERIFY2(entry.size > 0, qPrintable(entry.key));
        next = entry.offset + entry.size;
    }
    QCOMPARE(next, ConfigImage::Size + 1);
}

void FieldCatalogueTest::keysAreUniqueAndEveryValueIsNamed()
{
    QSet<QString> keys;
    for (const CatalogueField& entry : FieldCatalogue::fields()) {
        QVERIFY2(!keys.contains(entry.key), qPrintable(entry.key));
        keys.insert(entry.key);
        QCOMPARE(FieldCatalogue::find(entry.key), &entry);
        QVERIFY2(!entry.page.isEmpty() && !entry.caption.isEmpty(), qPrintable(entry.key));
    }
    QCOMPARE(FieldCatalogue::find(QStringLiteral("zones[Z9].type")), nullptr);
}

void FieldCatalogueTest::pagesAreThoseOfTheEntries()
{
    QStringList entryPages;
    for (const CatalogueField& entry : FieldCatalogue::fields()) {
        if (!entryPages.contains(entry.page))
            entryPages.append(entry.page);
    }
    QStringList listed = FieldCatalogue::pages();
    QCOMPARE(QSet<QString>(listed.cbegin(), listed.cend()).size(), listed.size());
    entryPages.sort();
    listed.sort();
    QCOMPARE(entryPages, listed);
}

// A value's path must not be the beginning of another's, or the document
// could not hold both.
void FieldCatalogueTest::documentPathsNeverNestInsideAValue()
{
    QSet<QString> values;
    QSet<QString> objects;
    for (const CatalogueField& entry : FieldCatalogue::fields()) {
        const QStringList path = ConfigJson::pathOf(entry.key);
        values.insert(path.join(QLatin1Char('.')));
        for (qsizetype length = 1; length < path.size(); ++length)
            objects.insert(path.first(length).join(QLatin1Char('.')));
    }
    QVERIFY(values.intersect(objects).isEmpty());
}

void FieldCatalogueTest::valuesReadAsThePagesShowThem_data()
{
    QTest::addColumn<ConfigImage>("image");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");

    const ConfigImage keyboardZone = imageWith(1951 + 7 * 8 + 1, "1F08311E00100500");
    QTest::newRow("K2 on, 24-hour, siren") << keyboardZone << "zones[K2].type" << "Включен, Сирена, Круглосуточный";
    QTest::newRow("K2 sensitivity in ms") << keyboardZone << "zones[K2].sensitivity_ms" << "300";
    QTest::newRow("K2 groups 1 and 3") << keyboardZone << "zones[K2].groups" << "1, 3";
    QTest::newRow("K2 a keyboard zone") << keyboardZone << "zones[K2].class" << "шлейф клавиатуры";
    QTest::newRow("zone off") << ConfigImage() << "zones[Z3].type" << "";
    QTest::newRow("siren time in seconds") << imageWith(1768, "B400") << "general.siren_time_s" << "900";
    QTest::newRow("account in hexadecimal") << imageWith(3, "22EC") << "channels[1].account" << "EC22";
    QTest::newRow("test period in seconds") << imageWith(7, "0C00") << "channels[1].test_period_s" << "60";
    QTest::newRow("address dotted") << imageWith(117 * 2 + 37, "C0A801DF") << "channels[3].own_address"
                                    << "192.168.1.223";
    QTest::newRow("user 5 in groups 2 and 8") << imageWith(2972, "058200") << "users[5].groups" << "2, 8";
    QTest::newRow("text slot through the text code") << imageWith(3230, "100411041204") << "texts.alarm[1]"
                                                     << "АБВ";
    QTest::newRow("event bits") << imageWith(1759, "03") << "general.mains_events" << "Нарушение, Восстановление";
    QTest::newRow("keyboard connected, arm beep") << imageWith(1767, "05") << "general.keyboard"
                                                  << "Подключена, Звуковое подтверждение  постановки";
    QTest::newRow("channel kind by its list label") << imageWith(118, "23") << "channels[2].kind" << "Sim1 PBL IP";
    QTest::newRow("SMS phone with a blank stored as zero")
        << imageWith(3152, "2B333830003939313233343536") << "sms.phones[1]" << "+380 99123456";
    QTest::newRow("reserved range as its bytes") << imageWith(1760, "0001FF") << "general.reserved_1759"
                                                 << "00 01 FF";
}

void FieldCatalogueTest::valuesReadAsThePagesShowThem()
{
    QFETCH(ConfigImage, image);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    QCOMPARE(FieldCatalogue::displayValue(field(key), image), shown);
}

void FieldCatalogueTest::bytesTheValueCannotShowAreShownRaw_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("characters after the first zero")
        << "wifi.ssid" << 1691 << QByteArray::fromHex("41420043")
        << "AB [41 42 00 43 " + QString("00 ").repeated(27) + "00]";
    QTest::newRow("a bit with no name") << "general.mains_events" << 1759 << QByteArray::fromHex("81")
                                        << "Нарушение [81]";
    QTest::newRow("capital А in its second unit form")
        << "texts.alarm[1]" << 3230 << QByteArray::fromHex("1004C000")
        << "АА [10 04 C0 00" + QString(" 00").repeated(56) + "]";
    QTest::newRow("a blank that is no zero in an SMS phone")
        << "sms.phones[1]" << 3152 << QByteArray::fromHex("2B333830203939313233343536")
        << "+380 99123456 [2B 33 38 30 20 39 39 31 32 33 34 35 36]";
    QTest::newRow("a zone type with no name") << "zones[Z1].type" << 1954 << QByteArray::fromHex("18")
                                              << "Включен [18]";
}

void FieldCatalogueTest::bytesTheValueCannotShowAreShownRaw()
{
    QFETCH(QString, key);
    QFETCH(int, position);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    ConfigImage image;
    for (int i = 0; i < bytes.size(); ++i)
        image.setByteAt(position + i, static_cast<std::uint8_t>(bytes[i]));
    QCOMPARE(FieldCatalogue::displayValue(field(key), image), shown);
}

void FieldCatalogueTest::comparisonListsTheDifferingFieldsInImageOrder()
{
    const ConfigImage factory = factoryImage();
    ConfigImage changed = factory;
    changed.setValue(field(QStringLiteral("zones[Z3].type")).layoutField(), ImageLayout::Zone::On);
    changed.setValue(field(QStringLiteral("general.siren_time_s")).layoutField(), 60 / 5);
    // A tail behind a text's zero is a difference too, though both texts read the same.
    changed.setByteAt(field(QStringLiteral("wifi.ssid")).offset + 5, 'x');

    const QList<FieldDifference> differences = compareImages(factory, changed);
    QCOMPARE(differences.size(), 3);
    QCOMPARE(differences.at(0).field->key, QStringLiteral("wifi.ssid"));
    QVERIFY(differences.at(0).valueA != differences.at(0).valueB);
    QCOMPARE(differences.at(1).field->key, QStringLiteral("general.siren_time_s"));
    QCOMPARE(differences.at(1).field->caption, QStringLiteral("Вкл. сирены, с"));
    QCOMPARE(differences.at(1).valueA, QStringLiteral("20"));
    QCOMPARE(differences.at(1).valueB, QStringLiteral("60"));
    QCOMPARE(differences.at(2).field->key, QStringLiteral("zones[Z3].type"));
    QCOMPARE(differences.at(2).field->page, QStringLiteral("Шлейфы сигнализации"));
    QCOMPARE(differences.at(2).valueA, QString());
    QCOMPARE(differences.at(2).valueB, QStringLiteral("Включен"));
}

void FieldCatalogueTest::comparisonOfEqualImagesIsEmpty()
{
    QVERIFY(compareImages(factoryImage(), factoryImage()).isEmpty());
    QVERIFY(compareImages(ConfigImage(), ConfigImage()).isEmpty());
}

void FieldCatalogueTest::shownValuesTypeBackToTheSameBytes_data()
{
    QTest::addColumn<ConfigImage>("image");
    QTest::newRow("factory") << factoryImage();
    for (quint32 seed = 1; seed <= 6; ++seed) {
        ConfigImage image;
        image.assign(SampleConfigs::scatteredBytes(seed));
        QTest::addRow("scattered %u", seed) << image;
    }
}

// What zq22 show prints, typed back into zq22 set, gives the bytes it was
// shown from: every value that its text shows whole.
void FieldCatalogueTest::shownValuesTypeBackToTheSameBytes()
{
    QFETCH(ConfigImage, image);
    int typedBack = 0;
    for (const CatalogueField& entry : FieldCatalogue::fields()) {
        if (entry.kind == FieldKind::Reserved || !FieldValue::carriesExactly(entry, image))
            continue;
        QString error;
        const std::optional<QJsonValue> value
            = FieldCatalogue::valueOfDisplay(entry, FieldCatalogue::displayValue(entry, image), error);
        ConfigImage typed;
        QVERIFY2(value && FieldValue::write(entry, *value, typed, error), qPrintable(entry.key + ": " + error));
        QVERIFY2(entry.bytesOf(typed) == entry.bytesOf(image), qPrintable(entry.key));
        ++typedBack;
    }
    QVERIFY(typedBack > 100);
}

void FieldCatalogueTest::typedValuesAsAnInstallerWritesThem_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("error");
    const auto row = [](const char* name, const char* key, const char* typed, const char* shown, const char* error) {
        QTest::newRow(name) << QString::fromLatin1(key) << QString::fromUtf8(typed) << QString::fromUtf8(shown)
                            << QString::fromUtf8(error);
    };
    row("a named choice", "wifi.secured", "да", "да", "");
    row("a named choice by its number", "channels[1].option", "1", "TCP", "");
    row("a scaled number", "general.siren_time_s", "60", "60", "");
    row("bits without blanks", "zones[Z1].type", "Включен,Сирена,Периметр", "Включен, Сирена, Периметр", "");
    row("a name's blanks as typed", "general.keyboard", "Подключена, Звуковое подтверждение постановки",
        "Подключена, Звуковое подтверждение  постановки", "");
    row("no bits", "zones[Z1].groups", "", "", "");
    row("group numbers", "users[3].groups", "2, 1", "1, 2", "");
    row("lower-case account", "channels[1].account", "1a2b", "1A2B", "");
    row("a text kept with its blanks", "texts.alarm[1]", " Пожар ", " Пожар ", "");
    row("neither number nor name", "wifi.secured", "maybe", "",
        "\"maybe\" is neither a whole number nor one of: да, нет");
    row("a word for a number", "general.siren_time_s", "sixty", "", "expects a whole number, not \"sixty\"");
    row("a negative number", "general.siren_time_s", "-5", "", "-5 is outside 0..327675");
    row("an unknown bit", "zones[Z1].type", "Включен, Громко", "",
        "\"Громко\" is not one of: Включен, Сирена, Круглосуточный, Вход/выход, Интерьер, Периметр, Мгновенный, "
        "Постановочный, Интерьер+Периметр");
    row("a reserved range", "zones.reserved", "00", "", "is reserved and has no readable value");
}

void FieldCatalogueTest::typedValuesAsAnInstallerWritesThem()
{
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, error);
    QString reason;
    ConfigImage image;
    const std::optional<QJsonValue> value = FieldCatalogue::valueOfDisplay(field(key), typed, reason);
    const bool written = value && FieldValue::write(field(key), *value, image, reason);
    QCOMPARE(reason, error);
    QCOMPARE(written, error.isEmpty());
    if (written)
        QCOMPARE(FieldCatalogue::displayValue(field(key), image), shown);
}

void FieldCatalogueTest::nearestKeysOfOneMistyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("meant");
    QTest::newRow("unit left out") << "general.siren_time" << "general.siren_time_s";
    QTest::newRow("a document path") << "zones.Z3.sensitivity_ms" << "zones[Z3].sensitivity_ms";
    QTest::newRow("case") << "SMS.Phones[2]" << "sms.phones[2]";
    QTest::newRow("a reserved range is never meant") << "general.reserved_17" << "general.keyboard";
}

void FieldCatalogueTest::nearestKeysOfOneMistyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, meant);
    const QStringList found = FieldCatalogue::nearestKeys(typed, 3);
    QCOMPARE(found.size(), 3);
    QCOMPARE(found.first(), meant);
    for (const QString& key : found)
        QVERIFY(field(key).kind != FieldKind::Reserved);
}

QTEST_MAIN(FieldCatalogueTest)
#include "tst_FieldCatalogue.moc"
