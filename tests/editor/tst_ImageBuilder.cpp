#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "ConfigImage.h"
#include "EthernetPage.h"
#include "GeneralPage.h"
#include "GroupsModel.h"
#include "ImageBuilder.h"
#include "MainWindow.h"
#include "SmsPage.h"
#include "StringGrid.h"
#include "TestPlatform.h"
#include "TextsPage.h"
#include "UserCountSpin.h"
#include "UsersGrid.h"
#include "ZoneGrid.h"
#include "ZoneLinksModel.h"
#include "ZonesPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace L = ImageLayout;
using Result = ImageBuilder::Result;

namespace {

const QString PhoneA = QStringLiteral("+380501234567");
const QString PhoneB = QStringLiteral("+380671112233");
const QString PhoneC = QStringLiteral("+380939998877");

// A window in its factory configuration with a valid SMS setup, ready to build.
struct Bench : TestPlatform {
    MainWindow window{platform()};

    Bench()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        sms().phV[0]->setText(PhoneA);
        sms().edtBl->setText(QStringLiteral("*100#"));
        dialogs.forget();
    }

    GeneralPage& general() { return window.generalPage(); }
    SmsPage& sms() { return *general().pageCh()->sheetVoice; }
    EthernetPage& ethernet() { return *general().pageCh()->sheetEthernet; }
    ZoneGrid& zones() { return window.zonesPage().gridZone(); }
    QTabWidget& pageConfig() { return *window.findChild<QTabWidget*>("PageConfig"); }
    QWidget* sheet(const char* name) { return window.findChild<QWidget*>(name); }
    const ConfigImage& image() { return window.image(); }

    Result build()
    {
        ImageBuilder builder(window.image(), dialogs, general(), window.zonesPage(), window.textsPage(),
                             {pageConfig(), *sheet("SheetPblSet"), *sheet("SheetZones")});
        return builder.build();
    }

    QByteArray field(L::Field field) { return image().bytes().mid(field.offset, field.size); }
    bool zero(L::Field f) { return field(f) == QByteArray(f.size, '\0'); }
};

QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

// Bytes a build is to leave in a field.
struct Stored {
    L::Field field;
    QByteArray bytes;
};

} // namespace

class ImageBuilderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factoryConfigurationBuilds();
    void accountIsChecked_data();
    void accountIsChecked();
    void phones_data();
    void phones();
    void wrongPhoneLengthStopsWithFocus();
    void balanceRequest_data();
    void balanceRequest();
    void standAloneWritesNoSmsPart();
    void macNumberThatIsNoNumberStops();
    void textsAreTrimmedAndEmptyCellsStayZero();
    void zoneTypeOf_data();
    void zoneTypeOf();
    void sensitivityIsRoundedHalfToEven_data();
    void sensitivityIsRoundedHalfToEven();
    void zoneWithoutGroupStops_data();
    void zoneWithoutGroupStops();
    void zoneThatIsOffNeedsNoGroup();
    void linkToGroupZeroGivesNoGroup();
    void wifi_data();
    void wifi();
    void users_data();
    void users();
    void sirenTime_data();
    void sirenTime();
    void quietBuildTakesEveryFieldAndListsTheFailedChecks_data();
    void quietBuildTakesEveryFieldAndListsTheFailedChecks();
};

void ImageBuilderTest::factoryConfigurationBuilds()
{
    Bench bench;
    QCOMPARE(bench.build(), Result::Complete);
    QCOMPARE(bench.dialogs.shown().size(), 1);  // the phone list ends at the empty PhV2
    QCOMPARE(bench.dialogs.last().text, QStringLiteral("СМС будут отправлены на телефоны с №1 по №1"));
    const ConfigImage& image = bench.image();
    QCOMPARE(image.value(L::channelField(1, L::Channel::Kind)), 0x40u);
    QCOMPARE(image.value(L::channelField(1, L::Channel::Account)), 0xEC22u);
    QCOMPARE(image.value(L::channelField(2, L::Channel::Kind)), 0x60u);
    QCOMPARE(image.value(L::channelField(2, L::Channel::MacNumber)), 38061u);
    QCOMPARE(image.value(L::LayoutMark), 0x4903u);
    QCOMPARE(image.value(L::SirenTime), 4u);
    QCOMPARE(image.value(L::MainsEvents), 3u);
    QCOMPARE(image.value(L::TamperKeyboardEvents), 0u);
    // Z1 entry/exit with siren, Z2 interior with siren, both in group 1.
    QCOMPARE(bench.field(L::zoneField(1, {0, 8})), QByteArray::fromHex("1f0132061e000100"));
    QCOMPARE(bench.field(L::zoneField(2, {0, 8})), QByteArray::fromHex("1f02330600000100"));
    QCOMPARE(bench.field(L::zoneField(3, {0, 8})), QByteArray::fromHex("1f03000600000000"));
    QCOMPARE(bench.field(L::zoneField(7, {0, 8})), QByteArray::fromHex("1f07000600100000"));
    QCOMPARE(bench.field(L::groupField(1, {0, 3})), QByteArray::fromHex("011e00"));
    QCOMPARE(bench.field(L::userField(32, {0, 3})), QByteArray::fromHex("200100"));
    QVERIFY(bench.zero(L::userField(33, {0, 3})));
    const QString status = bench.window.textsPage().statusGrid().cell(1, 1).trimmed();
    QVERIFY(!status.isEmpty());
    QCOMPARE(image.slotText(L::StatusTexts.slot(1)), status);
}

void ImageBuilderTest::accountIsChecked_data()
{
    QTest::addColumn<QString>("account");
    QTest::newRow("three characters") << "EC2";
    QTest::newRow("not hexadecimal") << "EC2G";
    QTest::newRow("empty") << "";
}

void ImageBuilderTest::accountIsChecked()
{
    QFETCH(QString, account);
    Bench bench;
    bench.general().editAccount()->setText(account);
    bench.pageConfig().setCurrentWidget(bench.sheet("SheetZones"));
    QCOMPARE(bench.build(), Result::Stopped);
    QCOMPARE(bench.dialogs.shown().size(), 1);
    const Dialogs::Message& box = bench.dialogs.last();
    QCOMPARE(box.text, QStringLiteral("Проверьте номер ППК !"));
    QCOMPARE(box.caption, QStringLiteral("Ошибка"));
    QCOMPARE(box.icon, Dialogs::Icon::Stop);
    QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    QVERIFY(!box.onTop);
    QCOMPARE(bench.image().bytes(), zeros(L::ImageSize));
    QCOMPARE(bench.pageConfig().currentWidget(), bench.sheet("SheetPblSet"));
    QCOMPARE(bench.window.focusWidget(), bench.general().editAccount());
}

void ImageBuilderTest::phones_data()
{
    QTest::addColumn<QStringList>("phones");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QList<QByteArray>>("stored");
    QTest::addColumn<int>("callMask");

    const QByteArray a = PhoneA.toLatin1();
    const QByteArray b = PhoneB.toLatin1();
    const QByteArray none = zeros(13);
    const QString upTo = QStringLiteral("СМС будут отправлены на телефоны с №1 по №");
    QTest::newRow("first empty: no SMS, not a range up to №0")
        << QStringList{"", PhoneB} << QList<int>{1}
        << QStringLiteral("СМС не будут отправлены: не указан ни один номер телефона.")
        << QList<QByteArray>{none, none} << 0;
    QTest::newRow("gap ends the list") << QStringList{PhoneA, "", PhoneC} << QList<int>{1, 3} << upTo + "1"
                                       << QList<QByteArray>{a, none, none} << 0x01;
    QTest::newRow("call box of a stored phone") << QStringList{PhoneA, PhoneB} << QList<int>{2} << upTo + "2"
                                                << QList<QByteArray>{a, b, none} << 0x02;
    QTest::newRow("call box of an empty phone") << QStringList{PhoneA} << QList<int>{2} << upTo + "1"
                                                << QList<QByteArray>{a, none} << 0x00;
    QTest::newRow("space is a zero byte") << QStringList{"+380 50123456"} << QList<int>{} << upTo + "1"
                                          << QList<QByteArray>{QByteArray("+380\0" "50123456", 13)} << 0;
    QTest::newRow("all six") << QStringList{PhoneA, PhoneB, PhoneC, PhoneA, PhoneB, PhoneC}
                             << QList<int>{1, 6} << QString() << QList<QByteArray>{a, b} << 0x21;
}

void ImageBuilderTest::phones()
{
    QFETCH(QStringList, phones);
    QFETCH(QList<int>, ticked);
    QFETCH(QString, warning);
    QFETCH(QList<QByteArray>, stored);
    QFETCH(int, callMask);

    Bench bench;
    for (int n = 0; n < SmsPage::Rows; ++n)
        bench.sms().phV[n]->setText(phones.value(n));
    for (int n : ticked)
        bench.sms().chkCh[n - 1]->setChecked(true);
    bench.dialogs.forget();

    QCOMPARE(bench.build(), Result::Complete);
    if (warning.isEmpty()) {
        QVERIFY(bench.dialogs.shown().isEmpty());
    } else {
        QCOMPARE(bench.dialogs.shown().size(), 1);
        const Dialogs::Message& box = bench.dialogs.last();
        QCOMPARE(box.text, warning);
        QCOMPARE(box.caption, QStringLiteral("Номера телефонов для получения СМС"));
        QCOMPARE(box.icon, Dialogs::Icon::Warning);
        QVERIFY(box.onTop);
    }
    for (int n = 1; n <= stored.size(); ++n)
        QCOMPARE(bench.field(L::smsPhone(n)), stored.at(n - 1));
    QCOMPARE(bench.image().value(L::channelField(1, L::Channel::CallMask)), quint32(callMask));
}

void ImageBuilderTest::wrongPhoneLengthStopsWithFocus()
{
    Bench bench;
    bench.sms().phV[1]->setText(PhoneB.left(12));
    bench.dialogs.forget();
    QCOMPARE(bench.build(), Result::Stopped);
    QCOMPARE(bench.dialogs.shown().size(), 1);
    const Dialogs::Message& box = bench.dialogs.last();
    QCOMPARE(box.text, QStringLiteral("Нарушен формат номера телефона для получения СМС. (+380ххххххххх)"));
    QCOMPARE(box.caption, QStringLiteral("Ошибка"));
    QCOMPARE(box.icon, Dialogs::Icon::Stop);
    QVERIFY(box.onTop);
    QCOMPARE(bench.window.focusWidget(), bench.sms().phV[1]);
    QCOMPARE(bench.field(L::smsPhone(1)), PhoneA.toLatin1());
    // Stopped before the zones: nothing after the phones was built.
    QCOMPARE(bench.image().value(L::LayoutMark), 0u);
}

void ImageBuilderTest::balanceRequest_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<Result>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Dialogs::Icon>("icon");
    QTest::addColumn<QByteArray>("stored");

    const QString question = QStringLiteral("Не заполнен запрос баланса на карточке. Продолжить?");
    const QString format = QStringLiteral("Нарушен формат запроса баланса на карточке!");
    const auto stop = Dialogs::Icon::Stop;
    const auto ask = Dialogs::Icon::Question;
    QTest::newRow("star to hash") << "*100#" << Dialogs::Answer::Ok << Result::Complete << QString()
                                  << Dialogs::Icon::None << QByteArray::fromHex("2a313030230000000000");
    QTest::newRow("no star") << "100#" << Dialogs::Answer::Ok << Result::Stopped << format << stop << zeros(10);
    QTest::newRow("no hash") << "*100" << Dialogs::Answer::Ok << Result::Stopped << format << stop << zeros(10);
    QTest::newRow("empty, yes") << "" << Dialogs::Answer::Yes << Result::Complete << question << ask << zeros(10);
    QTest::newRow("empty, no") << "" << Dialogs::Answer::No << Result::Stopped << question << ask << zeros(10);
}

void ImageBuilderTest::balanceRequest()
{
    QFETCH(QString, request);
    QFETCH(Dialogs::Answer, answer);
    QFETCH(Result, result);
    QFETCH(QString, text);
    QFETCH(Dialogs::Icon, icon);
    QFETCH(QByteArray, stored);

    Bench bench;
    for (int n = 1; n < SmsPage::Rows; ++n)
        bench.sms().phV[n]->setText(PhoneB);
    bench.sms().edtBl->setText(request);
    bench.dialogs.forget();
    bench.dialogs.answer(answer);
    QCOMPARE(bench.build(), result);
    QCOMPARE(bench.dialogs.texts(), text.isEmpty() ? QStringList() : QStringList{text});
    if (!text.isEmpty()) {
        QCOMPARE(bench.dialogs.last().caption, QStringLiteral("Конфигурирование"));
        QCOMPARE(bench.dialogs.last().icon, icon);
        QCOMPARE(bench.dialogs.last().buttons, icon == Dialogs::Icon::Question ? Dialogs::Buttons::YesNo : Dialogs::Buttons::Ok);
        QVERIFY(bench.dialogs.last().onTop);
    }
    QCOMPARE(bench.field(L::BalanceRequest), stored);
}

void ImageBuilderTest::standAloneWritesNoSmsPart()
{
    Bench bench;
    bench.sms().phV[1]->setText(QStringLiteral("+38"));  // would fail the phone check
    bench.sms().edtBl->clear();                            // would ask the balance question
    bench.general().avtBox()->setChecked(true);
    QVERIFY(!bench.general().voiceBox()->isChecked());
    bench.dialogs.forget();

    QCOMPARE(bench.build(), Result::Complete);
    QVERIFY(bench.dialogs.shown().isEmpty());
    QVERIFY(bench.zero({0, 2 * L::ChannelRecordSize}));
    QVERIFY(bench.zero({L::smsPhone(1).offset, L::BalanceRequest.end() - L::smsPhone(1).offset}));
    QCOMPARE(bench.image().value(L::LayoutMark), 0x4903u);
}

void ImageBuilderTest::macNumberThatIsNoNumberStops()
{
    Bench bench;
    bench.general().channelsSheet().editMac->setText(QStringLiteral("38O61"));
    QCOMPARE(bench.build(), Result::Stopped);
    QCOMPARE(bench.dialogs.shown().size(), 1);
    QVERIFY(bench.dialogs.last().text.contains(QStringLiteral("EditMac")));
    QVERIFY(bench.dialogs.last().text.contains(QStringLiteral("38O61")));
    QCOMPARE(bench.dialogs.last().icon, Dialogs::Icon::Stop);
    QCOMPARE(bench.image().value(L::LayoutMark), 0u);
}

void ImageBuilderTest::textsAreTrimmedAndEmptyCellsStayZero()
{
    Bench bench;
    TextsPage& texts = bench.window.textsPage();
    texts.sysMesGrid().setCell(1, 1, QStringLiteral(" \tТревога 1 \n"));
    texts.armMesGrid().setCell(2, 32, QStringLiteral("Снята"));
    texts.grNameGrid().setCell(1, 8, QStringLiteral("   "));
    QCOMPARE(bench.build(), Result::Complete);
    QCOMPARE(bench.image().slotText(L::SystemTexts.slot(1)), QStringLiteral("Тревога 1"));
    QCOMPARE(bench.image().slotText(L::DisarmTexts.slot(32)), QStringLiteral("Снята"));
    QVERIFY(bench.zero(L::GroupNames.slot(8)));
    // Cyrillic letters travel as their code points.
    QCOMPARE(bench.field({L::SystemTexts.slot(1).offset, 2}), QByteArray::fromHex("2204"));
}

void ImageBuilderTest::zoneTypeOf_data()
{
    // Rows 1..8 of one zone column: Включен, Чувствит., Круглосуточный,
    // Интерьер, Сирена, Периметр, Вход, Постановочный.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("type");
    QTest::newRow("off") << QStringList{"", "60", "+", "+", "+", "", "", ""} << 0x00;
    QTest::newRow("a blank is not off") << QStringList{" ", "60", "", "", "", "", "", ""} << 0x15;
    QTest::newRow("24 hours") << QStringList{"+", "60", "+", "+", "", "", "", ""} << 0x11;
    QTest::newRow("entry delay alone") << QStringList{"+", "60", "", "", "+", "", "30", ""} << 0x32;
    QTest::newRow("interior") << QStringList{"+", "60", "", "+", "", "", "30", ""} << 0x13;
    QTest::newRow("interior before arming") << QStringList{"+", "60", "", "+", "", "", "", "+"} << 0x13;
    QTest::newRow("perimeter") << QStringList{"+", "60", "", "", "+", "+", "", ""} << 0x34;
    QTest::newRow("instant") << QStringList{"+", "60", "", "", "", "", "", ""} << 0x15;
    QTest::newRow("interior and perimeter") << QStringList{"+", "60", "", "+", "", "+", "", ""} << 0x17;
    QTest::newRow("arming with siren") << QStringList{"+", "60", "", "", "+", "", "", "+"} << 0x36;
    QTest::newRow("arming ignores a delay") << QStringList{"+", "60", "", "", "", "", "30", "+"} << 0x16;
    QTest::newRow("unknown marks") << QStringList{"+", "60", "", "x", "", "", "", ""} << 0x10;
}

void ImageBuilderTest::zoneTypeOf()
{
    QFETCH(QStringList, rows);
    QFETCH(int, type);
    ZoneGrid grid;
    for (int row = 1; row <= rows.size(); ++row)
        grid.setCell(4, row, rows.at(row - 1));
    QCOMPARE(ImageBuilder::ZoneTypeOf(grid, 4), type);
}

void ImageBuilderTest::sensitivityIsRoundedHalfToEven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("25") << "25" << 2;
    QTest::newRow("35") << "35" << 4;
    QTest::newRow("24") << "24" << 2;
    QTest::newRow("26") << "26" << 3;
    QTest::newRow("300") << "300" << 30;
    QTest::newRow("2560 keeps 8 bits") << "2560" << 0;
    QTest::newRow("not a number") << "6x" << 0;
}

void ImageBuilderTest::sensitivityIsRoundedHalfToEven()
{
    QFETCH(QString, text);
    QFETCH(int, stored);
    Bench bench;
    bench.zones().setCell(1, ZoneGrid::RowSensitivity, text);
    QCOMPARE(bench.build(), Result::Complete);
    QCOMPARE(bench.image().value(L::zoneField(1, L::Zone::Sensitivity)), quint32(stored));
}

void ImageBuilderTest::zoneWithoutGroupStops_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("name");
    QTest::newRow("Z5") << 5 << "Z5";
    QTest::newRow("K1") << 7 << "K1";
    QTest::newRow("K2") << 8 << "K2";
}

void ImageBuilderTest::zoneWithoutGroupStops()
{
    QFETCH(int, zone);
    QFETCH(QString, name);
    Bench bench;
    bench.zones().setCell(zone, ZoneGrid::RowOn, StringGrid::Mark);
    QCOMPARE(bench.build(), Result::Stopped);
    const Dialogs::Message& box = bench.dialogs.last();
    QCOMPARE(box.text, QStringLiteral("Шлейф ") + name + QStringLiteral(" не включен в группы!"));
    QCOMPARE(box.caption, QStringLiteral("Ошибка описания"));
    QCOMPARE(box.icon, Dialogs::Icon::Stop);
    QVERIFY(box.onTop);
    QCOMPARE(bench.pageConfig().currentWidget(), bench.sheet("SheetZones"));
    QCOMPARE(bench.image().value(L::groupField(1, L::Group::GrNmb)), 0u);
}

void ImageBuilderTest::zoneThatIsOffNeedsNoGroup()
{
    Bench bench;
    bench.zones().setCell(3, ZoneGrid::RowPerimeter, StringGrid::Mark);
    QCOMPARE(bench.build(), Result::Complete);
    QCOMPARE(bench.image().value(L::zoneField(3, L::Zone::ZoneType)), 0u);
    QCOMPARE(bench.image().value(L::zoneField(3, L::Zone::GroupMask)), 0u);
}

void ImageBuilderTest::linkToGroupZeroGivesNoGroup()
{
    Bench bench;
    ZoneLinksModel& links = bench.window.zonesPage().zoneLinks();
    links.clear();
    links.append({0, QStringLiteral("Z1"), 1});
    links.append({1, QStringLiteral("Z2"), 2});
    links.append({3, QStringLiteral("Z2"), 2});
    QCOMPARE(bench.build(), Result::Stopped);
    QCOMPARE(bench.dialogs.last().text, QStringLiteral("Шлейф Z1 не включен в группы!"));

    links.remove(0);
    links.append({2, QStringLiteral("Z1"), 1});
    QCOMPARE(bench.build(), Result::Complete);
    QCOMPARE(bench.image().value(L::zoneField(1, L::Zone::GroupMask)), 0x02u);
    QCOMPARE(bench.image().value(L::zoneField(2, L::Zone::GroupMask)), 0x05u);
}

void ImageBuilderTest::wifi_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("secured");
    QTest::addColumn<QByteArray>("password");
    QTest::newRow("open") << true << 0 << zeros(32);
    QTest::newRow("secured") << false << 1 << (QByteArray("secret") + zeros(26));
}

void ImageBuilderTest::wifi()
{
    QFETCH(bool, open);
    QFETCH(int, secured);
    QFETCH(QByteArray, password);
    Bench bench;
    const QString ssid = QStringLiteral("0123456789abcdefghijklmnopqrstuv");
    bench.ethernet().edtSSID->setText(ssid);
    bench.ethernet().edtPassWF->setText(QStringLiteral("secret"));
    bench.ethernet().chkOpenWF->setChecked(open);
    bench.ethernet().edtPassWF->setText(QStringLiteral("secret"));
    QCOMPARE(bench.build(), Result::Complete);
    QCOMPARE(bench.field(L::WifiSsid), ssid.toLatin1());
    QCOMPARE(bench.image().value(L::WifiSecured), quint32(secured));
    QCOMPARE(bench.field(L::WifiPassword), password);
    // The field after the name is untouched by a full-length name.
    QCOMPARE(bench.field(L::WifiSsid).size(), 32);
}

void ImageBuilderTest::users_data()
{
    QTest::addColumn<int>("userCount");
    QTest::addColumn<int>("unmarked");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("lastStored");
    QTest::newRow("user 2 of 3") << 3 << 2 << "Пользователь № 2 не включен в группы. Формирование списка прервано." << 1;
    QTest::newRow("user 3 of 3 is not tested") << 3 << 3 << QString() << 32;
    QTest::newRow("user 32 of 32 is not tested") << 32 << 32 << QString() << 31;
}

void ImageBuilderTest::users()
{
    QFETCH(int, userCount);
    QFETCH(int, unmarked);
    QFETCH(QString, message);
    QFETCH(int, lastStored);
    Bench bench;
    bench.window.zonesPage().userCount().setValue(userCount);
    bench.window.zonesPage().gridUsers().setCell(1, unmarked, UsersGrid::NoMark);
    bench.dialogs.forget();

    QCOMPARE(bench.build(), Result::Complete);
    QStringList texts = bench.dialogs.texts();
    texts.removeIf([](const QString& text) { return text.startsWith(QStringLiteral("СМС")); });
    QCOMPARE(texts, message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(bench.dialogs.last().caption, QStringLiteral("Список пользователей"));
        QCOMPARE(bench.dialogs.last().icon, Dialogs::Icon::Stop);
    }
    int stored = 0;
    for (int user = 1; user <= L::UserEntryCount; ++user) {
        if (bench.image().value(L::userField(user, L::User::UserNo)) != 0)
            stored = user;
    }
    QCOMPARE(stored, lastStored);
    QVERIFY(bench.zero(L::userField(unmarked, {0, 3})));
}

void ImageBuilderTest::sirenTime_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("900") << 900 << QByteArray::fromHex("b400");
    QTest::newRow("20") << 20 << QByteArray::fromHex("0400");
    QTest::newRow("10") << 10 << QByteArray::fromHex("0200");
}

void ImageBuilderTest::sirenTime()
{
    QFETCH(int, seconds);
    QFETCH(QByteArray, stored);
    Bench bench;
    bench.general().delaySiren()->setValue(seconds);
    QCOMPARE(bench.build(), Result::Complete);
    QCOMPARE(bench.field(L::SirenTime), stored);
}

void ImageBuilderTest::quietBuildTakesEveryFieldAndListsTheFailedChecks_data()
{
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<QStringList>("failedChecks");
    QTest::addColumn<QList<L::Field>>("unreadable");
    QTest::addColumn<QList<Stored>>("stored");   // beside the siren time, which every case sets

    const QString account = QStringLiteral("Проверьте номер ППК !");
    const QString phone = QStringLiteral("Нарушен формат номера телефона для получения СМС. (+380ххххххххх)");
    const QString balance = QStringLiteral("Нарушен формат запроса баланса на карточке!");
    const QString zone = QStringLiteral("Шлейф Z3 не включен в группы!");
    const L::Field accountField = L::channelField(L::SmsRecord, L::Channel::Account);
    const L::Field macField = L::channelField(L::RemoteConfigRecord, L::Channel::MacNumber);
    const Stored phoneA{L::smsPhone(1), PhoneA.toLatin1()};
    const Stored phoneC{L::smsPhone(3), PhoneC.toLatin1()};
    const Stored layoutMark{L::LayoutMark, QByteArray::fromHex("0349")};
    const Stored group1{L::groupField(1, L::Group::GrNmb), QByteArray::fromHex("01")};
    const QList<L::Field> none;

    QTest::newRow("valid") << QStringList{} << QStringList{} << none << QList<Stored>{phoneA, group1};
    QTest::newRow("no balance request, taken as Yes")
        << QStringList{"no balance request"} << QStringList{} << none << QList<Stored>{{L::BalanceRequest, zeros(10)}};
    QTest::newRow("bad account") << QStringList{"bad account"} << QStringList{account}
                                 << QList<L::Field>{accountField} << QList<Stored>{phoneA, layoutMark};
    QTest::newRow("short phone, a phone after it")
        << QStringList{"short phone"} << QStringList{phone} << QList<L::Field>{L::smsPhone(2)}
        << QList<Stored>{phoneA, phoneC, {L::channelField(L::SmsRecord, L::Channel::CallMask), QByteArray::fromHex("04")},
                         {L::BalanceRequest, QByteArray("*100#") + zeros(5)}};
    QTest::newRow("a phone after an empty one")
        << QStringList{"phone after a gap"} << QStringList{QStringLiteral("СМС будут отправлены на телефоны с №1 по №1")}
        << none << QList<Stored>{phoneA, phoneC};
    QTest::newRow("EditMac not a number")
        << QStringList{"bad MAC"}
        << QStringList{QStringLiteral("Поле EditMac содержит «12x», а не целое число. Конфигурация не сформирована.")}
        << QList<L::Field>{macField}
        << QList<Stored>{{L::channelField(L::RemoteConfigRecord, L::Channel::Kind), QByteArray::fromHex("60")}};
    QTest::newRow("bad balance request") << QStringList{"bad balance"} << QStringList{balance}
                                         << QList<L::Field>{L::BalanceRequest} << QList<Stored>{layoutMark};
    QTest::newRow("zone without group") << QStringList{"zone without group"} << QStringList{zone} << none
                                        << QList<Stored>{group1};
    QTest::newRow("users after one without group")
        << QStringList{"user without group"}
        << QStringList{QStringLiteral("Пользователь № 1 не включен в группы. Формирование списка прервано.")} << none
        << QList<Stored>{{L::userField(2, L::User::UserNo), QByteArray::fromHex("02")}};
    QTest::newRow("every check at once")
        << QStringList{"bad account", "short phone", "bad balance", "zone without group"}
        << QStringList{account, phone, balance, zone}
        << QList<L::Field>{accountField, L::smsPhone(2), L::BalanceRequest} << QList<Stored>{phoneA, phoneC, group1};
}

void ImageBuilderTest::quietBuildTakesEveryFieldAndListsTheFailedChecks()
{
    QFETCH(QStringList, states);
    QFETCH(QStringList, failedChecks);
    QFETCH(QList<L::Field>, unreadable);
    QFETCH(QList<Stored>, stored);

    Bench bench;
    bench.general().delaySiren()->setValue(100);
    for (const QString& state : states) {
        if (state == "no balance request")
            bench.sms().edtBl->clear();
        else if (state == "bad account")
            bench.general().editAccount()->setText(QStringLiteral("EC2"));
        else if (state == "short phone")
            bench.sms().phV[1]->setText(QStringLiteral("+3806"));
        else if (state == "phone after a gap")
            bench.sms().phV[1]->clear();
        else if (state == "bad MAC")
            bench.general().channelsSheet().editMac->setText(QStringLiteral("12x"));
        else if (state == "bad balance")
            bench.sms().edtBl->setText(QStringLiteral("100#"));
        else if (state == "zone without group")
            bench.zones().setCell(3, ZoneGrid::RowOn, StringGrid::Mark);
        else if (state == "user without group")
            bench.window.zonesPage().gridUsers().setCell(1, 1, UsersGrid::NoMark);
    }
    if (states.contains("short phone") || states.contains("phone after a gap")) {
        bench.sms().phV[2]->setText(PhoneC);
        bench.sms().chkCh[2]->setChecked(true);
    }
    bench.pageConfig().setCurrentWidget(bench.sheet("SheetMes"));
    bench.sms().edtBl->setFocus();
    QWidget* focused = QApplication::focusWidget();
    bench.dialogs.forget();

    ConfigImage quietImage;
    ImageBuilder quiet(quietImage, bench.general(), bench.window.zonesPage(), bench.window.textsPage());
    QCOMPARE(quiet.build(), Result::Complete);
    QVERIFY(bench.dialogs.shown().isEmpty());
    QCOMPARE(bench.pageConfig().currentWidget(), bench.sheet("SheetMes"));
    QCOMPARE(QApplication::focusWidget(), focused);

    QCOMPARE(quiet.failedChecks(), failedChecks);
    QList<L::Field> notRead;
    for (const ImageBuilder::Unreadable& field : quiet.unreadable()) {
        notRead.append(field.field);
        QCOMPARE(quietImage.bytes().mid(field.field.offset, field.field.size), zeros(field.field.size));
    }
    QCOMPARE(notRead, unreadable);
    QCOMPARE(quietImage.bytes().mid(L::SirenTime.offset, L::SirenTime.size), QByteArray::fromHex("1400"));
    for (const Stored& field : stored)
        QCOMPARE(quietImage.bytes().mid(field.field.offset, field.field.size), field.bytes);

    // Where the write command stops at nothing and leaves nothing out, both build the same image.
    bench.dialogs.forget();
    if (bench.build() == Result::Complete && failedChecks.isEmpty())
        QCOMPARE(quietImage.bytes(), bench.image().bytes());
    else
        QVERIFY(!bench.dialogs.shown().isEmpty());
}

QTEST_MAIN(ImageBuilderTest)
#include "tst_ImageBuilder.moc"
