#include "ChListBox.h"
#include "ChannelChoice.h"
#include "ChannelPages.h"
#include "EthernetPage.h"
#include "GsmPage.h"
#include "GeneralPageHarness.h"
#include "RadioGroup.h"
#include "SmsPage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QString ListQuestion = QStringLiteral("Список каналов будет очищен. Очистить?");

// The boxes a restored configuration ticked, with its channel list, set while
// the click reactions are detached as the restore does it.
void restoreChannels(GeneralPageHarness& harness, const QStringList& boxes, int entries)
{
    const auto detached = harness.page->suspendChannelClicks();
    for (const QString& box : boxes)
        harness.find<QCheckBox>(qPrintable(box))->setChecked(true);
    for (int i = 0; i < entries; ++i)
        harness.sheet->chListBox->addEntry(ChListBox::channelText(0x11), 0x11);
    harness.sheet->simCount->setItemIndex(0);
    harness.page->channelChoice().rememberSimSelection();
}

int questions(const GeneralPageHarness& harness)
{
    return int(harness.dialogs.texts().count(ListQuestion));
}

} // namespace

class ChannelChoiceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void smsSetsUpSmsReporting();
    void clickingSmsWhileCheckedKeepsItChecked();
    void clickingSmsInStandAloneKeepsItUnchecked();
    void standAloneHidesChannelsAndZeroesTheKinds();
    void leavingStandAloneBringsBackSms();
    void uncheckingABoxAsksAboutTheList_data();
    void uncheckingABoxAsksAboutTheList();
    void checkingABoxAsksButKeepsTheBox_data();
    void checkingABoxAsksButKeepsTheBox();
    void theLastChannelChecksItselfAgain_data();
    void theLastChannelChecksItselfAgain();
    void hiddenBoxesStayOffWhileSmsIsOn();
    void simSelection_data();
    void simSelection();
    void suspendedClicksRunNothing();
};

void ChannelChoiceTest::smsSetsUpSmsReporting()
{
    GeneralPageHarness harness;
    restoreChannels(harness, {}, 1);
    QSignalSpy firstTextPage(&harness.page->channelChoice(), &ChannelChoice::messagesFirstPageWanted);
    harness.page->voiceBox()->setChecked(true);

    ChannelPages* pages = harness.page->pageCh();
    QCOMPARE(harness.sheet->simCount->itemIndex(), 0);
    QCOMPARE(harness.sheet->chListBox->count(), 0);
    QCOMPARE(questions(harness), 0);
    QVERIFY(!pages->isHidden());
    QVERIFY(!harness.sheet->chList->isEnabled());
    QVERIFY(pages->isPageTabVisible(pages->sheetVoice));
    QCOMPARE(pages->currentWidget(), harness.find<QWidget>("SheetVoice"));
    QCOMPARE(firstTextPage.size(), 1);
}

void ChannelChoiceTest::clickingSmsWhileCheckedKeepsItChecked()
{
    GeneralPageHarness harness;
    harness.page->voiceBox()->setChecked(true);
    harness.show();
    ChannelPages* pages = harness.page->pageCh();
    pages->setCurrentWidget(harness.find<QWidget>("RemConfSheet"));

    clickBox(harness.page->voiceBox());
    QVERIFY(harness.page->voiceBox()->isChecked());
    QCOMPARE(pages->currentWidget(), harness.find<QWidget>("SheetVoice"));
}

void ChannelChoiceTest::clickingSmsInStandAloneKeepsItUnchecked()
{
    GeneralPageHarness harness;
    harness.page->voiceBox()->setChecked(true);
    harness.show();
    clickBox(harness.page->avtBox());
    QVERIFY(!harness.page->voiceBox()->isChecked());

    clickBox(harness.page->voiceBox());
    QVERIFY(!harness.page->voiceBox()->isChecked());
    QVERIFY(harness.page->avtBox()->isChecked());
}

void ChannelChoiceTest::standAloneHidesChannelsAndZeroesTheKinds()
{
    GeneralPageHarness harness;
    harness.page->voiceBox()->setChecked(true);
    restoreChannels(harness, {"GSMBox", "EtherBox"}, 3);
    harness.find<QCheckBox>("ConfGPRSCheck")->setChecked(true);
    harness.sheet->editMac->setText(QStringLiteral("38061"));
    for (int record = 1; record <= ImageLayout::ChannelRecordCount; ++record) {
        harness.image.setValue(ImageLayout::channelField(record, ImageLayout::Channel::Kind), 0x31);
        harness.image.setValue(ImageLayout::channelField(record, ImageLayout::Channel::CallCount), 7);
    }
    QSignalSpy textsTab(&harness.page->channelChoice(), &ChannelChoice::messagesTabHidden);
    harness.show();

    clickBox(harness.page->avtBox());

    QVERIFY(harness.page->grpSys()->isHidden());
    QVERIFY(harness.page->pageCh()->isHidden());
    QCOMPARE(harness.sheet->simCount->itemIndex(), -1);
    for (QCheckBox* box : {harness.page->gsmBox(), harness.page->gprsBox(), harness.page->etherBox(),
                           harness.page->voiceBox()})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QCOMPARE(harness.sheet->chListBox->count(), 0);
    QCOMPARE(questions(harness), 0);
    QCOMPARE(harness.sheet->editMac->text(), QStringLiteral("0"));
    QVERIFY(harness.sheet->editMac->isHidden());
    QVERIFY(harness.sheet->chList->isHidden());
    QVERIFY(harness.sheet->chkGL->isHidden());
    QVERIFY(!harness.find<QCheckBox>("ConfGPRSCheck")->isChecked());
    QCOMPARE(textsTab.size(), 1);
    for (int record = 1; record <= ImageLayout::ChannelRecordCount; ++record) {
        QCOMPARE(harness.image.value(ImageLayout::channelField(record, ImageLayout::Channel::Kind)), 0u);
        QCOMPARE(harness.image.value(ImageLayout::channelField(record, ImageLayout::Channel::CallCount)), 7u);
    }
}

void ChannelChoiceTest::leavingStandAloneBringsBackSms()
{
    GeneralPageHarness harness;
    harness.page->voiceBox()->setChecked(true);
    harness.show();
    clickBox(harness.page->avtBox());
    harness.page->pageCh()->setCurrentWidget(harness.find<QWidget>("SheetGPRS"));

    clickBox(harness.page->avtBox());
    QVERIFY(!harness.page->avtBox()->isChecked());
    QVERIFY(harness.page->voiceBox()->isChecked());
    QCOMPARE(harness.sheet->simCount->itemIndex(), 0);
    QCOMPARE(harness.page->channelChoice().rememberedSimSelection(), 0);
    QVERIFY(harness.page->grpSys()->isVisible());
    QVERIFY(harness.page->pageCh()->isVisible());
    QCOMPARE(harness.page->pageCh()->currentWidget(), harness.find<QWidget>("SheetVoice"));
}

void ChannelChoiceTest::uncheckingABoxAsksAboutTheList_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("yes");
    for (const auto& [box, other] : {std::pair{"GSMBox", "GPRSBox"}, std::pair{"GPRSBox", "GSMBox"},
                                     std::pair{"EtherBox", "GSMBox"}}) {
        QTest::addRow("%s, yes", box) << box << other << true;
        QTest::addRow("%s, no", box) << box << other << false;
    }
}

void ChannelChoiceTest::uncheckingABoxAsksAboutTheList()
{
    QFETCH(QString, box);
    QFETCH(QString, other);
    QFETCH(bool, yes);
    GeneralPageHarness harness;
    restoreChannels(harness, {box, other}, 2);
    harness.dialogs.answer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);

    auto* changed = harness.find<QCheckBox>(qPrintable(box));
    changed->setChecked(false);

    QCOMPARE(questions(harness), 1);
    const Dialogs::Message& question = harness.dialogs.last();
    QCOMPARE(question.caption, QStringLiteral("Определение каналов связи"));
    QCOMPARE(question.icon, Dialogs::Icon::Warning);
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(changed->isChecked(), !yes);
    QCOMPARE(harness.sheet->chListBox->count(), yes ? 0 : 2);
    QVERIFY(harness.find<QCheckBox>(qPrintable(other))->isChecked());
}

void ChannelChoiceTest::checkingABoxAsksButKeepsTheBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("yes");
    for (const auto& [box, other] : {std::pair{"GSMBox", "EtherBox"}, std::pair{"GPRSBox", "EtherBox"},
                                     std::pair{"EtherBox", "GSMBox"}}) {
        QTest::addRow("%s, yes", box) << box << other << true;
        QTest::addRow("%s, no", box) << box << other << false;
    }
}

void ChannelChoiceTest::checkingABoxAsksButKeepsTheBox()
{
    QFETCH(QString, box);
    QFETCH(QString, other);
    QFETCH(bool, yes);
    GeneralPageHarness harness;
    restoreChannels(harness, {other}, 1);
    harness.dialogs.answer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);

    auto* checked = harness.find<QCheckBox>(qPrintable(box));
    checked->setChecked(true);

    QVERIFY(checked->isChecked());
    QVERIFY(harness.find<QCheckBox>(qPrintable(other))->isChecked());
    QCOMPARE(questions(harness), 1);
    QCOMPARE(harness.sheet->chListBox->count(), yes ? 0 : 1);
}

void ChannelChoiceTest::theLastChannelChecksItselfAgain_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("entries");
    for (const char* box : {"GSMBox", "GPRSBox", "EtherBox"}) {
        QTest::addRow("%s, empty list", box) << box << 0;
        QTest::addRow("%s, listed channels", box) << box << 2;
    }
}

void ChannelChoiceTest::theLastChannelChecksItselfAgain()
{
    QFETCH(QString, box);
    QFETCH(int, entries);
    GeneralPageHarness harness;
    restoreChannels(harness, {box}, entries);
    harness.dialogs.answer(Dialogs::Answer::Yes);

    auto* last = harness.find<QCheckBox>(qPrintable(box));
    last->setChecked(false);

    QVERIFY(last->isChecked());
    QCOMPARE(questions(harness), entries > 0 ? 1 : 0);
    QCOMPARE(harness.sheet->chListBox->count(), 0);
    if (box == QLatin1String("GSMBox")) {
        QVERIFY(!harness.sheet->chkGL->isHidden());
        QVERIFY(harness.page->pageCh()->isPageTabVisible(harness.find<QWidget>("SheetGSM")));
        QCOMPARE(harness.sheet->simCount->itemIndex(), 0);
    }
}

void ChannelChoiceTest::hiddenBoxesStayOffWhileSmsIsOn()
{
    GeneralPageHarness harness;
    harness.page->voiceBox()->setChecked(true);
    for (QCheckBox* box : {harness.page->gsmBox(), harness.page->gprsBox(), harness.page->etherBox()}) {
        box->setChecked(true);
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
    QVERIFY(harness.page->voiceBox()->isChecked());
}

void ChannelChoiceTest::simSelection_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void ChannelChoiceTest::simSelection()
{
    QFETCH(bool, yes);
    GeneralPageHarness harness;
    restoreChannels(harness, {"GSMBox"}, 2);
    ChannelPages* pages = harness.page->pageCh();
    harness.dialogs.answer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);

    harness.sheet->simCount->setItemIndex(1);

    QCOMPARE(questions(harness), 1);
    if (!yes) {
        QCOMPARE(harness.sheet->simCount->itemIndex(), 0);
        QCOMPARE(harness.page->channelChoice().rememberedSimSelection(), 0);
        QCOMPARE(harness.sheet->chListBox->count(), 2);
        QVERIFY(harness.page->gsmBox()->isChecked());
        QVERIFY(pages->isPageTabVisible(pages->sheetGSM));
        QVERIFY(!harness.find<QWidget>("GSM1")->isHidden());
        return;
    }
    QCOMPARE(harness.sheet->simCount->itemIndex(), 1);
    QCOMPARE(harness.page->channelChoice().rememberedSimSelection(), 1);
    QCOMPARE(harness.sheet->chListBox->count(), 0);
    QVERIFY(harness.page->etherBox()->isChecked());
    QVERIFY(!harness.page->gsmBox()->isChecked());
    QVERIFY(!harness.page->gprsBox()->isChecked());
    QVERIFY(!pages->isPageTabVisible(pages->sheetGSM));
    QVERIFY(!pages->isPageTabVisible(pages->sheetEthernet));
    QCOMPARE(pages->currentWidget(), harness.find<QWidget>("SheetEthernet"));
    QVERIFY(harness.find<QWidget>("GSM1")->isHidden());
    QVERIFY(harness.find<QWidget>("Lan1")->isHidden());
}

void ChannelChoiceTest::suspendedClicksRunNothing()
{
    GeneralPageHarness harness;
    harness.page->voiceBox()->setChecked(true);
    {
        const auto detached = harness.page->suspendChannelClicks();
        harness.page->avtBox()->setChecked(true);
        harness.page->voiceBox()->setChecked(false);
        harness.sheet->simCount->setItemIndex(1);
        QVERIFY(!harness.page->grpSys()->isHidden());
        QVERIFY(!harness.page->etherBox()->isChecked());
    }
    // Re-attached: the next change reacts again.
    harness.page->avtBox()->setChecked(false);
    QVERIFY(harness.page->voiceBox()->isChecked());
    QCOMPARE(harness.sheet->simCount->itemIndex(), 0);
}

QTEST_MAIN(ChannelChoiceTest)
#include "tst_ChannelChoice.moc"
