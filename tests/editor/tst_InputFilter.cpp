#include "GeneralPageHarness.h"
#include "InputFilter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

class InputFilterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedCharacters_data();
    void typedCharacters();
    void editingKeysPassAndEnterTypesNothing_data();
    void editingKeysPassAndEnterTypesNothing();
    void pastedTextIsFilteredAsTyped_data();
    void pastedTextIsFilteredAsTyped();
    void restoredTextStaysAndWhatIsAddedIsJudgedAlone_data();
    void restoredTextStaysAndWhatIsAddedIsJudgedAlone();
    void everyFieldHasItsFilter_data();
    void everyFieldHasItsFilter();
};

using Kind = InputFilter::Kind;
Q_DECLARE_METATYPE(InputFilter::Kind)

namespace {

void paste(QLineEdit* field, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

void InputFilterTest::typedCharacters_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("phone") << Kind::Phone << "+380 б-5#.*a" << "+3805#";
    QTest::newRow("address") << Kind::Address << "192.168 б-1#+*" << "192.1681#";
    QTest::newRow("port") << Kind::Port << "12 б-a#3.+" << "12#3";
    QTest::newRow("balance") << Kind::BalanceRequest << "*111 б-#+." << "*111#";
    QTest::newRow("ascii") << Kind::Ascii << "internet-Б 1.б" << "internet- 1.";
}

void InputFilterTest::typedCharacters()
{
    QFETCH(Kind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QLineEdit field;
    InputFilter::install(&field, kind);
    typeText(&field, typed);
    QCOMPARE(field.text(), kept);
}

void InputFilterTest::editingKeysPassAndEnterTypesNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("phone") << Kind::Phone;
    QTest::newRow("address") << Kind::Address;
    QTest::newRow("port") << Kind::Port;
    QTest::newRow("balance") << Kind::BalanceRequest;
}

void InputFilterTest::editingKeysPassAndEnterTypesNothing()
{
    QFETCH(Kind, kind);
    QLineEdit field;
    InputFilter::install(&field, kind);
    QTest::keyClicks(&field, "1234");
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QStringLiteral("123"));
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(field.text(), QStringLiteral("123"));

    field.selectAll();
    QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(field.text(), QString());
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field.text(), QStringLiteral("123"));
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
}

void InputFilterTest::pastedTextIsFilteredAsTyped_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");

    // A paste that brings in a character the field refuses is refused whole.
    QTest::newRow("port, with a word") << Kind::Port << "80 порт" << "1";
    QTest::newRow("port, digits") << Kind::Port << "8080" << "18080";
    QTest::newRow("phone, with spaces") << Kind::Phone << "+38 050" << "1";
    QTest::newRow("phone, number") << Kind::Phone << "+38050#" << "1+38050#";
    QTest::newRow("address, with a mask") << Kind::Address << "10.0.0.1/8" << "1";
    QTest::newRow("balance, Cyrillic") << Kind::BalanceRequest << "*111б" << "1";
    QTest::newRow("ascii, Cyrillic") << Kind::Ascii << "интернет" << "1";
    QTest::newRow("ascii, one Cyrillic letter") << Kind::Ascii << "internet.бeeline" << "1";
    QTest::newRow("ascii, Latin") << Kind::Ascii << "internet.beeline.ru" << "1internet.beeline.ru";
}

void InputFilterTest::pastedTextIsFilteredAsTyped()
{
    QFETCH(Kind, kind);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QLineEdit field;
    InputFilter::install(&field, kind);
    typeText(&field, QStringLiteral("1"));
    QSignalSpy changes(&field, &QLineEdit::textChanged);
    paste(&field, pasted);
    QCOMPARE(field.text(), kept);
    QCOMPARE(changes.size(), kept == QStringLiteral("1") ? 0 : 1);
}

void InputFilterTest::restoredTextStaysAndWhatIsAddedIsJudgedAlone_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("restored");   // set by the program, as a load does
    QTest::addColumn<bool>("signalsBlocked"); // as a restore that detaches the field's reactions
    QTest::addColumn<QString>("typed");      // at the end of the field
    QTest::addColumn<QString>("pasted");     // after that
    QTest::addColumn<QString>("kept");

    QTest::newRow("ascii, typed") << Kind::Ascii << "интернет" << false << "жz" << "" << "интернетz";
    QTest::newRow("ascii, pasted") << Kind::Ascii << "интернет" << false << "" << "жz" << "интернет";
    QTest::newRow("ascii, pasted Latin") << Kind::Ascii << "интернет" << false << "" << ".ru" << "интернет.ru";
    QTest::newRow("ascii, restored with its signals blocked") << Kind::Ascii << "интернет" << true << "жz" << "ж1"
                                                              << "интернетz";
    QTest::newRow("phone with a blank") << Kind::Phone << "+380 5012345" << false << " 6" << "" << "+380 50123456";
    QTest::newRow("port with a letter") << Kind::Port << "99a" << false << "x1" << "b2" << "99a1";
}

void InputFilterTest::restoredTextStaysAndWhatIsAddedIsJudgedAlone()
{
    QFETCH(Kind, kind);
    QFETCH(QString, restored);
    QFETCH(bool, signalsBlocked);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QLineEdit field;
    InputFilter::install(&field, kind);
    {
        const QSignalBlocker detached(signalsBlocked ? &field : nullptr);
        field.setText(restored);
    }
    QCOMPARE(field.text(), restored);

    QTest::keyClick(&field, Qt::Key_End);
    typeText(&field, typed);
    if (!pasted.isEmpty())
        paste(&field, pasted);
    QCOMPARE(field.text(), kept);

    // Deleting is no change the filter judges: the restored characters go as asked.
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    QCOMPARE(field.text(), kept.mid(1));
}

void InputFilterTest::everyFieldHasItsFilter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    // A Cyrillic letter, a space and a minus are dropped everywhere but in the ASCII fields.
    const QString probe = QStringLiteral("б -");
    for (const char* phone : {"PhV1", "PGSMT", "PGSM1", "PGSM2", "PhoneUpEdit", "VerSim"})
        QTest::newRow(phone) << phone << probe + "+#1" << "+#1";
    for (const char* address : {"EditIP", "EditIP1_PCN", "EditIP2_PCN", "DHCP_IP", "Shl_IP", "ConfIPEdit",
                                "RemConfIPEdit", "ConfEtherSlEdit"})
        QTest::newRow(address) << address << probe + "1.#" << "1.#";
    for (const char* port : {"ConfPortEdit", "PblPortEdit", "vPort1", "vPort2", "EditPort1_PCN",
                             "EditPort2_PCN", "EditPort_Loc"})
        QTest::newRow(port) << port << probe + "1#" << "1#";
    QTest::newRow("edtBl") << "edtBl" << probe + "*1#" << "*1#";
    for (const char* ascii : {"EditApn1", "EditAPN_PBL1", "UpAPNEdit", "ConfAPNEdit"})
        QTest::newRow(ascii) << ascii << probe + "a" << " -a";
}

void InputFilterTest::everyFieldHasItsFilter()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    GeneralPageHarness harness;
    QLineEdit* field = harness.edit(name.toLatin1().constData());
    field->setEnabled(true);
    field->clear();
    typeText(field, typed);
    QCOMPARE(field->text(), kept);

    // Pasting the same characters ends the same way: nothing the field refuses gets in.
    field->clear();
    paste(field, typed);
    QCOMPARE(field->text(), QString());
    paste(field, kept);
    QCOMPARE(field->text(), kept);
}

QTEST_MAIN(InputFilterTest)
#include "tst_InputFilter.moc"
