// The catalogue names every byte the window writes or reads, and whatever the
// window builds travels through the JSON form as plain values.
#include "BuildingWindow.h"
#include "ConfigJson.h"
#include "FieldCatalogue.h"
#include "PageStates.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

constexpr int BuildSeeds = 40;
constexpr int RestoreSeeds = 12;

ConfigImage builtImage(quint32 seed)
{
    BuildingWindow shell;
    PageStates(seed).fill(shell.window);
    ConfigImage image;
    image.assign(shell.build());
    return image;
}

// Everything the pages show and every box they put up, in a fixed order.
QStringList pagesOf(BuildingWindow& shell)
{
    QStringList state;
    for (QObject* child : shell.window.findChildren<QObject*>()) {
        const QString name = child->objectName();
        if (auto* edit = qobject_cast<QLineEdit*>(child)) {
            state << name + QStringLiteral(" = ") + edit->text() + (edit->isEnabled() ? "" : " (disabled)");
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            state << name + (button->isChecked() ? " checked" : " unchecked");
        } else if (auto* spin = qobject_cast<QSpinBox*>(child)) {
            state << name + QStringLiteral(" = ") + QString::number(spin->value());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                state << name + QStringLiteral(" tab %1 ").arg(tab) + (tabs->isTabVisible(tab) ? "shown" : "hidden");
            state << name + QStringLiteral(" at %1").arg(tabs->currentIndex());
        } else if (auto* model = qobject_cast<QAbstractItemModel*>(child)) {
            for (int row = 0; row < model->rowCount(); ++row)
                for (int column = 0; column < model->columnCount(); ++column)
                    state << name + QStringLiteral("[%1,%2] = ").arg(row).arg(column)
                                 + model->index(row, column).data().toString();
        }
    }
    return state + shell.dialogs.texts();
}

QStringList pagesRestoredFrom(const ConfigImage& image)
{
    BuildingWindow shell;
    shell.window.image() = image;
    shell.window.restorePages();
    return pagesOf(shell);
}

// The first line where the two differ, for the failure message.
QString firstDifference(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a.at(i) != b.at(i))
            return a.at(i) + QStringLiteral(" / ") + b.at(i);
    }
    return a.size() == b.size() ? QString() : QStringLiteral("%1 lines / %2 lines").arg(a.size()).arg(b.size());
}

} // namespace

class CatalogueAndWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesAreTheWindowsTabsInOrder();
    void builtImagesTravelAsPlainValues_data();
    void builtImagesTravelAsPlainValues();
    void everyByteTheBuilderWritesIsNamed();
    void restoringReadsNoReservedByte_data();
    void restoringReadsNoReservedByte();
};

void CatalogueAndWindowTest::pagesAreTheWindowsTabsInOrder()
{
    BuildingWindow shell;
    const auto* tabs = shell.window.findChild<QTabWidget*>(QStringLiteral("PageConfig"));
    QVERIFY(tabs);
    QStringList captions;
    for (int tab = 0; tab < tabs->count(); ++tab)
        captions << tabs->tabText(tab);
    QCOMPARE(captions, FieldCatalogue::pages());
}

void CatalogueAndWindowTest::builtImagesTravelAsPlainValues_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= BuildSeeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void CatalogueAndWindowTest::builtImagesTravelAsPlainValues()
{
    QFETCH(quint32, seed);
    const ConfigImage image = builtImage(seed);
    QVERIFY(image != ConfigImage());
    const QByteArray json = ConfigJson::write(image);
    QVERIFY2(!json.contains(ConfigJson::HexSuffix), json.constData());
    const ConfigJson::ReadResult result = ConfigJson::read(json);
    QCOMPARE(result.error, QString());
    QVERIFY(*result.image == image);
}

// The builder starts from a cleared image, so a byte it writes is one that is
// not zero in some built image.
void CatalogueAndWindowTest::everyByteTheBuilderWritesIsNamed()
{
    QList<bool> written(ConfigImage::Size + 1, false);
    for (quint32 seed = 1; seed <= BuildSeeds; ++seed) {
        const ConfigImage image = builtImage(seed);
        for (int position = 1; position <= ConfigImage::Size; ++position)
            written[position] = written[position] || image.byteAt(position) != 0;
    }
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind != FieldKind::Reserved)
            continue;
        for (int position = field.offset; position < field.offset + field.size; ++position)
            QVERIFY2(!written[position], qPrintable(QStringLiteral("%1 at %2").arg(field.key).arg(position)));
    }
}

void CatalogueAndWindowTest::restoringReadsNoReservedByte_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= RestoreSeeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Any image, restored with its reserved ranges drawn afresh, fills the pages
// the same; a named field changed does not.
void CatalogueAndWindowTest::restoringReadsNoReservedByte()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    ConfigImage image;
    for (int position = 1; position <= ConfigImage::Size; ++position)
        image.setByteAt(position, static_cast<std::uint8_t>(random.bounded(256)));
    // Half of the images set up SMS notification, so that the texts and phones are read too.
    if (seed % 2 == 0)
        image.setValue(ImageLayout::channelField(ImageLayout::SmsRecord, ImageLayout::Channel::Kind),
                       ImageLayout::Kind::SmsValue);
    image.setValue(ImageLayout::SirenTime, 20 / 5);

    ConfigImage redrawn = image;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind != FieldKind::Reserved)
            continue;
        for (int position = field.offset; position < field.offset + field.size; ++position)
            redrawn.setByteAt(position, static_cast<std::uint8_t>(image.byteAt(position) ^ (1 + random.bounded(255))));
    }
    ConfigImage sirenChanged = image;
    sirenChanged.setValue(ImageLayout::SirenTime, 60 / 5);

    const QStringList pages = pagesRestoredFrom(image);
    const QStringList redrawnPages = pagesRestoredFrom(redrawn);
    QVERIFY2(pages == redrawnPages, qPrintable(firstDifference(pages, redrawnPages)));
    QVERIFY(pages != pagesRestoredFrom(sirenChanged));
}

QTEST_MAIN(CatalogueAndWindowTest)
#include "tst_CatalogueAndWindow.moc"
