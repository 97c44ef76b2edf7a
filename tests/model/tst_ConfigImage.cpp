#include "ConfigImage.h"
#include "Cp1251.h"
#include "TextCode.h"

#include <QTest>

using namespace ImageLayout;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray slice(const ConfigImage& image, int offset, int size)
{
    return image.bytes().mid(offset, size);
}

} // namespace

class ConfigImageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sectionOffsets_data();
    void sectionOffsets();
    void freshAndClearedImagesAreZero();
    void rawAccessIsOneBased();
    void rawAccessOutsideTheImageThrows();
    void valuesAreLittleEndian();
    void accountExample();
    void ownAddressExample();
    void charFieldsAreCutToTheirSize();
    void charFieldsReadUpToTheFirstZero();
    void textSlotExamples_data();
    void textSlotExamples();
    void slotReadsBothUnitFormsOfACapital();
    void slotTextIsCutToThirtyCharacters();
    void zoneEntryExample();
    void userEntryExample();
    void textCodeBothWays();
    void everyByteSurvivesCp1251();
    void unrepresentableCharactersBecomeQuestionMarks();
    void assignCutsAndPads();
};

void ConfigImageTest::sectionOffsets_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");
    QTest::newRow("record 2") << channelRecord(2) << 117;
    QTest::newRow("record 14") << channelRecord(14) << 1521;
    QTest::newRow("record 15") << channelRecord(15) << 1638;
    QTest::newRow("last record ends at 1754") << channelRecord(15) + ChannelRecordSize - 1 << 1754;
    QTest::newRow("event bytes") << TamperPanelEvents.offset << 1755;
    QTest::newRow("keyboard link events") << KeyboardLinkEvents.offset << 1762;
    QTest::newRow("update phone") << UpdatePhone.offset << 1531;
    QTest::newRow("firmware version") << FirmwareVersion.offset << 1551;
    QTest::newRow("wifi secured") << WifiSecured.offset << 1668;
    QTest::newRow("send gsm level") << SendGsmLevel.offset << 1669;
    QTest::newRow("zone 1") << zoneField(1, Zone::Marker).offset << 1951;
    QTest::newRow("group 1") << groupField(1, Group::GrNmb).offset << 2911;
    QTest::newRow("user 5") << userField(5, User::UserNo).offset << 2971;
    QTest::newRow("sms phone 6") << smsPhone(6).offset << 3216;
    QTest::newRow("alarm text 1") << AlarmTexts.slot(1).offset << 3229;
    QTest::newRow("system text 1") << SystemTexts.slot(1).offset << 4189;
    QTest::newRow("arm text 1") << ArmTexts.slot(1).offset << 4849;
    QTest::newRow("disarm text 1") << DisarmTexts.slot(1).offset << 6769;
    QTest::newRow("group name 1") << GroupNames.slot(1).offset << 8689;
    QTest::newRow("status text 4") << StatusTexts.slot(4).offset << 9349;
    QTest::newRow("balance request") << BalanceRequest.offset << 9409;
}

void ConfigImageTest::sectionOffsets()
{
    QFETCH(int, offset);
    QFETCH(int, expected);
    QCOMPARE(offset, expected);
}

void ConfigImageTest::freshAndClearedImagesAreZero()
{
    ConfigImage image;
    QCOMPARE(image.bytes(), QByteArray(9419, '\0'));
    image.setValue(LayoutMark, LayoutMarkValue);
    image.setByteAt(9419, 0xFF);
    image.clear();
    QCOMPARE(image.bytes(), QByteArray(9419, '\0'));
}

void ConfigImageTest::rawAccessIsOneBased()
{
    ConfigImage image;
    image.setByteAt(1, 0x11);
    image.setByteAt(9419, 0x99);
    QCOMPARE(image.bytes().at(0), char(0x11));
    QCOMPARE(image.bytes().at(9418), char(0x99));
    QCOMPARE(image.byteAt(9419), 0x99);
}

void ConfigImageTest::rawAccessOutsideTheImageThrows()
{
    ConfigImage image;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.setByteAt(0, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.setByteAt(9420, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.setText({9415, 10}, QStringLiteral("x")));
    QCOMPARE(image.bytes(), QByteArray(9419, '\0'));
}

void ConfigImageTest::valuesAreLittleEndian()
{
    ConfigImage image;
    image.setValue(LayoutMark, LayoutMarkValue);
    QCOMPARE(slice(image, 1799, 2), hex("0349"));
    image.setValue(channelField(2, Channel::MacNumber), 38061);
    QCOMPARE(slice(image, 117 + 44, 4), hex("AD940000"));
    QCOMPARE(image.value(channelField(2, Channel::MacNumber)), 38061u);
    image.setValue(SirenTime, 0x1B4);  // only two bytes are the field's
    QCOMPARE(slice(image, 1767, 3), hex("B40100"));
}

void ConfigImageTest::accountExample()
{
    ConfigImage image;
    image.setValue(channelField(1, Channel::Account), 0xEC22);
    QCOMPARE(slice(image, 2, 2), hex("22EC"));
}

void ConfigImageTest::ownAddressExample()
{
    for (int record = 1; record <= ChannelRecordCount; ++record) {
        ConfigImage image;
        const Field field = channelField(record, Channel::OwnAddress);
        image.setOctets(field, {192, 168, 1, 223});
        QCOMPARE(slice(image, 117 * (record - 1) + 36, 4), hex("C0A801DF"));
        QCOMPARE(image.octets(field), (ConfigImage::Octets{192, 168, 1, 223}));
    }
}

void ConfigImageTest::charFieldsAreCutToTheirSize()
{
    ConfigImage image;
    image.setByteAt(BalanceRequest.offset, 0x77);  // the byte before the field
    image.setText(BalanceRequest, QStringLiteral("*111*22#33333"));
    QCOMPARE(slice(image, BalanceRequest.offset, 10), QByteArray("*111*22#33"));
    QCOMPARE(image.byteAt(BalanceRequest.offset), 0x77);  // position = offset + 1 - 1
    image.setText(smsPhone(1), QStringLiteral("+380501234567999"));
    QCOMPARE(slice(image, 3151, 14), QByteArray("+380501234567") + '\0');
}

void ConfigImageTest::charFieldsReadUpToTheFirstZero()
{
    ConfigImage image;
    image.setText(WifiSsid, QStringLiteral("Сеть"));
    QCOMPARE(slice(image, 1690, 5), hex("D1E5F2FC00"));
    QCOMPARE(image.text(WifiSsid), QStringLiteral("Сеть"));
    image.setText(WifiSsid, QStringLiteral("a"));
    QCOMPARE(image.chars(WifiSsid), QByteArray("a"));
    QCOMPARE(slice(image, 1690, 4), hex("61000000"));
}

void ConfigImageTest::textSlotExamples_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("АБВ") << QStringLiteral("АБВ") << hex("100411041204");
    QTest::newRow("Z1") << QStringLiteral("Z1") << hex("5A003100");
    QTest::newRow("я") << QStringLiteral("я") << hex("4F04");
    QTest::newRow("Ё and №") << QStringLiteral("Ё№") << hex("A800B900");
}

void ConfigImageTest::textSlotExamples()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, head);
    ConfigImage image;
    const Field slot = ArmTexts.slot(32);
    image.setSlotText(slot, text);
    QCOMPARE(slice(image, slot.offset, 60), head + QByteArray(60 - head.size(), '\0'));
    QCOMPARE(image.slotText(slot), text);
    QCOMPARE(image.byteAt(slot.end() + 1), 0);
}

void ConfigImageTest::slotReadsBothUnitFormsOfACapital()
{
    ConfigImage image;
    const Field slot = StatusTexts.slot(1);
    image.setValue({slot.offset, 2}, 0x0410);
    image.setValue({slot.offset + 2, 2}, 0x00C0);
    QCOMPARE(image.slotText(slot), QStringLiteral("АА"));
}

void ConfigImageTest::slotTextIsCutToThirtyCharacters()
{
    ConfigImage image;
    const Field slot = AlarmTexts.slot(1);
    image.setSlotText(AlarmTexts.slot(2), QStringLiteral("next"));
    image.setSlotText(slot, QString(40, QChar(u'Ж')));
    QCOMPARE(image.slotText(slot), QString(30, QChar(u'Ж')));
    QCOMPARE(image.slotText(AlarmTexts.slot(2)), QStringLiteral("next"));
}

void ConfigImageTest::zoneEntryExample()
{
    // K2, on, 24-hour, with siren, 300 ms, no delay, in groups 1 and 3.
    ConfigImage image;
    image.setValue(zoneField(8, Zone::Marker), Zone::MarkerValue);
    image.setValue(zoneField(8, Zone::ZoneNo), 8);
    image.setValue(zoneField(8, Zone::ZoneType), Zone::On | Zone::Siren | ZoneTypeCode::Hour24);
    image.setValue(zoneField(8, Zone::Sensitivity), 300 / 10);
    image.setValue(zoneField(8, Zone::EntryDelay), 0);
    image.setValue(zoneField(8, Zone::ZoneClass), Zone::KeyboardClass);
    image.setValue(zoneField(8, Zone::GroupMask), 0x0005);
    QCOMPARE(slice(image, 1951 + 8 * 7, 8), hex("1F08311E00100500"));
}

void ConfigImageTest::userEntryExample()
{
    ConfigImage image;
    image.setValue(userField(5, User::UserNo), 5);
    image.setValue(userField(5, User::GroupMask), (1u << 1) | (1u << 7));
    QCOMPARE(slice(image, 2971, 3), hex("058200"));
}

void ConfigImageTest::textCodeBothWays()
{
    QCOMPARE(TextCode::unitOf(0xC0), 0x0410);
    QCOMPARE(TextCode::unitOf(0xFF), 0x044F);
    QCOMPARE(TextCode::unitOf(0xA8), 0x00A8);
    QCOMPARE(TextCode::unitOf(0xBF), 0x00BF);
    QCOMPARE(TextCode::byteOf(0x0410), 0xC0);
    QCOMPARE(TextCode::byteOf(0x044F), 0xFF);
    QCOMPARE(TextCode::byteOf(0x00C0), 0xC0);
    QCOMPARE(TextCode::byteOf(0x0141), 0x41);  // below 0x0410: the low byte
    for (int byte = 0; byte < 256; ++byte)
        QCOMPARE(TextCode::byteOf(TextCode::unitOf(static_cast<std::uint8_t>(byte))), byte);
}

void ConfigImageTest::everyByteSurvivesCp1251()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = Cp1251::toUnicode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x98), QChar(0x0098));
    QCOMPARE(text.at(0xB9), QChar(0x2116));
    QCOMPARE(text.at(0xC0), QChar(u'А'));
    QCOMPARE(text.at(0xFF), QChar(u'я'));
    QCOMPARE(Cp1251::fromUnicode(text), all);
}

void ConfigImageTest::unrepresentableCharactersBecomeQuestionMarks()
{
    QCOMPARE(Cp1251::fromUnicode(QStringLiteral("aΩ€😀b")), QByteArray("a?\x88?b"));
}

void ConfigImageTest::assignCutsAndPads()
{
    ConfigImage image;
    image.assign(QByteArray(10000, '\x01'));
    QCOMPARE(image.bytes(), QByteArray(9419, '\x01'));
    image.assign(QByteArray(5, '\x02'));
    QCOMPARE(image.bytes(), QByteArray(5, '\x02') + QByteArray(9414, '\0'));
}

QTEST_GUILESS_MAIN(ConfigImageTest)
#include "tst_ConfigImage.moc"
