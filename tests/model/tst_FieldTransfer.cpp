// Chosen fields taken from one image into another: exactly their bytes change,
// the fields the pages tie to them follow or the change is refused, and the
// result must pass the checks of "Записать".
#include "SampleConfigs.h"

#include "FieldCatalogue.h"
#include "FieldTie.h"
#include "FieldTransfer.h"
#include "FieldValue.h"

#include <QTest>

#include <algorithm>

namespace L = ImageLayout;

namespace {

using Assignments = QList<std::pair<QString, QString>>;

const CatalogueField& field(const QString& key)
{
    const CatalogueField* found = FieldCatalogue::find(key);
    if (!found)
        qFatal("no key %s", qPrintable(key));
    return *found;
}

QString shown(const QString& key, const ConfigImage& image)
{
    return FieldCatalogue::displayValue(field(key), image);
}

// The values typed as zq22 show prints them, taken into the target.
FieldTransfer::Result take(const ConfigImage& target, const Assignments& assignments, bool answerYes = false)
{
    ConfigImage source;
    QList<const CatalogueField*> fields;
    for (const auto& [key, text] : assignments) {
        QString error;
        const std::optional<QJsonValue> value = FieldCatalogue::valueOfDisplay(field(key), text, error);
        if (!value || !FieldValue::write(field(key), *value, source, error))
            qFatal("%s=%s: %s", qPrintable(key), qPrintable(text), qPrintable(error));
        fields.append(&field(key));
    }
    return FieldTransfer::take(target, source, fields, answerYes);
}

QStringList carriedKeys(const FieldTransfer::Result& result)
{
    QStringList keys;
    for (const FieldTie* tie : result.carried)
        keys << tie->follower->key + QStringLiteral(" with ") + tie->leader->key;
    return keys;
}

} // namespace

class FieldTransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exactlyTheChosenFieldsChange();
    void tiedFieldsAreCarriedAlong_data();
    void tiedFieldsAreCarriedAlong();
    void aChangeThatBreaksATieIsRefused_data();
    void aChangeThatBreaksATieIsRefused();
    void aCopiedFieldMayKeepAValueOfItsOwn_data();
    void aCopiedFieldMayKeepAValueOfItsOwn();
    void whatTheTargetBroughtIsNotTheChangesToMend();
    void theResultMustPassTheChecksOfWrite_data();
    void theResultMustPassTheChecksOfWrite();
};

void FieldTransferTest::exactlyTheChosenFieldsChange()
{
    ConfigImage source;
    source.assign(SampleConfigs::scatteredBytes(23));
    const QList<const CatalogueField*> chosen{&field("channels[2].address"), &field("wifi.ssid"),
                                              &field("general.siren_time_s"), &field("reserved_table"),
                                              &field("texts.arm[7]")};
    const ConfigImage target = SampleConfigs::readyToWrite();

    const FieldTransfer::Result result = FieldTransfer::take(target, source, chosen, false);
    QVERIFY(result.accepted());
    QVERIFY(result.carried.isEmpty());
    for (int offset = 0; offset < ConfigImage::Size; ++offset) {
        const auto inChosen = [offset](const CatalogueField* f) { return f->layoutField().offset <= offset
                                                                         && offset < f->layoutField().end(); };
        const ConfigImage& expected = std::any_of(chosen.begin(), chosen.end(), inChosen) ? source : target;
        QVERIFY2(result.image.byteAt(offset + 1) == expected.byteAt(offset + 1), qPrintable(QString::number(offset)));
    }
}

void FieldTransferTest::tiedFieldsAreCarriedAlong_data()
{
    QTest::addColumn<ConfigImage>("target");
    QTest::addColumn<Assignments>("assignments");
    QTest::addColumn<QStringList>("carried");
    QTest::addColumn<QString>("follower");
    QTest::addColumn<QString>("followerShows");

    const ConfigImage target = SampleConfigs::readyToWrite();
    ConfigImage userOutside = target;
    userOutside.setValue(L::userField(6, L::User::UserNo), 0);
    userOutside.setValue(L::userField(6, L::User::GroupMask), 0);

    QTest::newRow("a user taken out of every group loses its number")
        << target << Assignments{{"users[5].groups", ""}} << QStringList{"users[5].number with users[5].groups"}
        << "users[5].number" << "0";
    QTest::newRow("a user put into a group is numbered by its row")
        << userOutside << Assignments{{"users[6].groups", "2"}}
        << QStringList{"users[6].number with users[6].groups"} << "users[6].number" << "6";
    QTest::newRow("an emptied phone loses its call")
        << target << Assignments{{"sms.phones[1]", ""}} << QStringList{"channels[1].call_mask with sms.phones[1]"}
        << "channels[1].call_mask" << "";
    QTest::newRow("the exit delay takes Z1's entry delay with it")
        << target << Assignments{{"groups[1].exit_delay_s", "45"}}
        << QStringList{"zones[Z1].entry_delay_s with groups[1].exit_delay_s"} << "zones[Z1].entry_delay_s" << "45";
    QTest::newRow("a phone replaced by another keeps its call")
        << target << Assignments{{"sms.phones[1]", "+380671234567"}} << QStringList{} << "channels[1].call_mask"
        << "1";
    QTest::newRow("a user moved to another group keeps its number")
        << target << Assignments{{"users[5].groups", "2"}} << QStringList{} << "users[5].number" << "5";
}

void FieldTransferTest::tiedFieldsAreCarriedAlong()
{
    QFETCH(ConfigImage, target);
    QFETCH(Assignments, assignments);
    QFETCH(QStringList, carried);
    QFETCH(QString, follower);
    QFETCH(QString, followerShows);

    const FieldTransfer::Result result = take(target, assignments, true);
    QVERIFY2(result.accepted(), qPrintable(result.verdict.message.text));
    QCOMPARE(carriedKeys(result), carried);
    QCOMPARE(shown(follower, result.image), followerShows);
    for (const auto& [key, text] : assignments)
        QCOMPARE(shown(key, result.image), text);
}

void FieldTransferTest::aChangeThatBreaksATieIsRefused_data()
{
    QTest::addColumn<Assignments>("assignments");
    QTest::addColumn<QString>("follower");
    QTest::addColumn<QString>("leader");
    QTest::addColumn<QString>("shown");   // the refusal in the window's words

    const QString userTie = QStringLiteral("«Пользователь 5 — Номер» следует за «Пользователь 5 — Группы»: "
                                           "пользователь, включённый в группу, получает номер своей строки, "
                                           "не включённый ни в одну — 0.");
    const auto callTie = [](int phone) {
        return QStringLiteral("«СМС — Звонок» следует за «СМС — Номер %1»: «Звонок» отмечается только у номера "
                              "из 13 символов.")
            .arg(phone);
    };
    QTest::newRow("a user's number alone") << Assignments{{"users[5].number", "0"}} << "users[5].number"
                                           << "users[5].groups" << userTie;
    QTest::newRow("a user's number against its groups")
        << Assignments{{"users[5].groups", ""}, {"users[5].number", "5"}} << "users[5].number" << "users[5].groups"
        << userTie;
    QTest::newRow("a number for a user in no group") << Assignments{{"users[5].groups", ""}, {"users[5].number", "7"}}
                                                     << "users[5].number" << "users[5].groups" << userTie;
    QTest::newRow("a call for an empty phone") << Assignments{{"channels[1].call_mask", "1, 2"}}
                                               << "channels[1].call_mask" << "sms.phones[2]" << callTie(2);
    QTest::newRow("a call kept for an emptied phone")
        << Assignments{{"sms.phones[1]", ""}, {"channels[1].call_mask", "1"}} << "channels[1].call_mask"
        << "sms.phones[1]" << callTie(1);
}

void FieldTransferTest::aChangeThatBreaksATieIsRefused()
{
    QFETCH(Assignments, assignments);
    QFETCH(QString, follower);
    QFETCH(QString, leader);
    QFETCH(QString, shown);

    const FieldTransfer::Result result = take(SampleConfigs::readyToWrite(), assignments);
    QVERIFY(!result.accepted());
    QVERIFY(result.brokenTie);
    QCOMPARE(result.brokenTie->follower->key, follower);
    QCOMPARE(result.brokenTie->leader->key, leader);
    QCOMPARE(result.brokenTie->refusalText(), shown);
}

void FieldTransferTest::aCopiedFieldMayKeepAValueOfItsOwn_data()
{
    QTest::addColumn<int>("z1EntryDelay");
    QTest::addColumn<Assignments>("assignments");
    QTest::addColumn<QString>("z1Shows");
    QTest::addColumn<QString>("exitShows");

    QTest::newRow("Z1's delay apart from the exit delay stays apart")
        << 10 << Assignments{{"groups[1].exit_delay_s", "45"}} << "10" << "45";
    QTest::newRow("Z1's delay changed alone") << 30 << Assignments{{"zones[Z1].entry_delay_s", "15"}} << "15" << "30";
    QTest::newRow("Z1's delay given beside the exit delay")
        << 30 << Assignments{{"groups[1].exit_delay_s", "45"}, {"zones[Z1].entry_delay_s", "30"}} << "30" << "45";
}

void FieldTransferTest::aCopiedFieldMayKeepAValueOfItsOwn()
{
    QFETCH(int, z1EntryDelay);
    QFETCH(Assignments, assignments);
    QFETCH(QString, z1Shows);
    QFETCH(QString, exitShows);

    ConfigImage target = SampleConfigs::readyToWrite();
    target.setValue(L::zoneField(1, L::Zone::EntryDelay), static_cast<std::uint32_t>(z1EntryDelay));
    const FieldTransfer::Result result = take(target, assignments);
    QVERIFY(result.accepted());
    QVERIFY(result.carried.isEmpty());
    QCOMPARE(shown(QStringLiteral("zones[Z1].entry_delay_s"), result.image), z1Shows);
    QCOMPARE(shown(QStringLiteral("groups[1].exit_delay_s"), result.image), exitShows);
}

// A panel's image may hold what the pages would never write; a change that
// does not touch it leaves it, and a carried bit takes only its own.
void FieldTransferTest::whatTheTargetBroughtIsNotTheChangesToMend()
{
    ConfigImage target = SampleConfigs::readyToWrite();
    target.setValue(L::userField(7, L::User::UserNo), 9);
    target.setValue(L::channelField(L::SmsRecord, L::Channel::CallMask), 0x09);   // phone 4 is empty

    const FieldTransfer::Result siren = take(target, {{"general.siren_time_s", "60"}});
    QVERIFY(siren.accepted());
    QCOMPARE(shown(QStringLiteral("users[7].number"), siren.image), QStringLiteral("9"));

    const FieldTransfer::Result phone = take(target, {{"sms.phones[1]", ""}});
    QVERIFY(phone.accepted());
    QCOMPARE(shown(QStringLiteral("channels[1].call_mask"), phone.image), QStringLiteral("4"));
}

void FieldTransferTest::theResultMustPassTheChecksOfWrite_data()
{
    QTest::addColumn<Assignments>("assignments");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    using Outcome = ImageChecks::Verdict::Outcome;
    QTest::newRow("a zone switched on in no group")
        << Assignments{{"zones[Z3].type", "Включен, Периметр"}} << false << int(Outcome::Refused)
        << "Шлейф Z3 не включен в группы!" << "Ошибка описания";
    QTest::newRow("a phone too short") << Assignments{{"sms.phones[2]", "+38050"}} << false << int(Outcome::Refused)
                                       << "Нарушен формат номера телефона для получения СМС. (+380ххххххххх)"
                                       << "Ошибка";
    QTest::newRow("a malformed balance request")
        << Assignments{{"sms.balance_request", "100#"}} << false << int(Outcome::Refused)
        << "Нарушен формат запроса баланса на карточке!" << "Конфигурирование";
    QTest::newRow("no balance request, answered No")
        << Assignments{{"sms.balance_request", ""}} << false << int(Outcome::Declined)
        << "Не заполнен запрос баланса на карточке. Продолжить?" << "Конфигурирование";
    QTest::newRow("no balance request, answered Yes")
        << Assignments{{"sms.balance_request", ""}} << true << int(Outcome::Passed) << "" << "";
    QTest::newRow("the zone put into a group with it")
        << Assignments{{"zones[Z3].type", "Включен, Периметр"}, {"zones[Z3].groups", "1"}} << false
        << int(Outcome::Passed) << "" << "";
}

void FieldTransferTest::theResultMustPassTheChecksOfWrite()
{
    QFETCH(Assignments, assignments);
    QFETCH(bool, answerYes);
    QFETCH(int, outcome);
    QFETCH(QString, text);
    QFETCH(QString, caption);

    const FieldTransfer::Result result = take(SampleConfigs::readyToWrite(), assignments, answerYes);
    QCOMPARE(int(result.verdict.outcome), outcome);
    QCOMPARE(result.accepted(), outcome == int(ImageChecks::Verdict::Outcome::Passed));
    QCOMPARE(result.verdict.message.text, text);
    QCOMPARE(result.verdict.message.caption, caption);
}

QTEST_GUILESS_MAIN(FieldTransferTest)
#include "tst_FieldTransfer.moc"
