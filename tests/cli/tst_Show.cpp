// zq22 show: the configuration grouped like the pages, with their captions;
// --changed keeps only what differs from the factory configuration.
#include "SampleConfigs.h"
#include "Zq22Run.h"

#include "FactoryImage.h"
#include "FieldCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const CatalogueField& fieldAt(int position)
{
    for (const CatalogueField& field : FieldCatalogue::fields())
        if (position >= field.offset && position < field.offset + field.size)
            return field;
    qFatal("no catalogue entry at position %d", position);
}

// A byte of the reserved table, which no page shows.
constexpr int ReservedPosition = ImageLayout::ReservedTable.offset + 1;

ConfigImage factoryWithReservedByte()
{
    ConfigImage image = factoryImage();
    image.setByteAt(ReservedPosition, 0xA5);
    return image;
}

Zq22Run show(const ConfigImage& image, const QString& name, const QStringList& options = {})
{
    QTemporaryDir dir;
    if (!SampleConfigs::write(dir.filePath(name), image))
        return {};
    return Zq22Run::start(QStringList{QStringLiteral("show")} + options + QStringList{dir.filePath(name)});
}

} // namespace

class ShowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factoryConfigurationPageByPage();
    void changedFields_data();
    void changedFields();
    void reservedBytesOnlyWhenNotZero();
    void jsonShowsAsItsFile();
};

void ShowTest::factoryConfigurationPageByPage()
{
    const Zq22Run run = show(factoryImage(), QStringLiteral("EC22.q22"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    const QStringList lines = run.outLines();

    // The pages in the order of the window's tabs, each once.
    QStringList pages;
    for (const QString& line : lines)
        if (!line.startsWith(QLatin1Char(' ')))
            pages << line;
    QCOMPARE(pages, (QStringList{QStringLiteral("Общие установки"), QStringLiteral("Шлейфы сигнализации"),
                                 QStringLiteral("Тексты извещений"), QStringLiteral("Каналы связи")}));

    // A field under its section, under its page, with the value the page shows.
    const qsizetype siren = lines.indexOf(QStringLiteral("    Вкл. сирены, с: 20  [general.siren_time_s]"));
    QVERIFY(siren > 0);
    QCOMPARE(lines.lastIndexOf(QStringLiteral("  Времена"), siren), siren - 2);
    QVERIFY(lines.indexOf(QStringLiteral("Общие установки")) < siren);
    QVERIFY(lines.indexOf(QStringLiteral("Шлейфы сигнализации")) > siren);
    QVERIFY(lines.contains(QStringLiteral("    Тип: Включен, Сирена, Вход/выход  [zones[Z1].type]")));

    // Every field that a page shows is there, once.
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        const QString key = QStringLiteral("  [%1]").arg(field.key);
        const qsizetype count = std::count_if(lines.cbegin(), lines.cend(),
                                              [&](const QString& line) { return line.endsWith(key); });
        QCOMPARE(count, field.kind == FieldKind::Reserved ? 0 : 1);
    }
}

void ShowTest::changedFields_data()
{
    QTest::addColumn<ConfigImage>("image");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("factory") << factoryImage() << QStringList{};
    QTest::newRow("Z3 on and siren at 60 s") << SampleConfigs::factoryWithZ3OnAndSirenAt60()
                                             << QStringList{QStringLiteral("Общие установки"),
                                                            QStringLiteral("  Времена"),
                                                            QStringLiteral("    Вкл. сирены, с: 60  [general.siren_time_s]"),
                                                            QStringLiteral("Шлейфы сигнализации"),
                                                            QStringLiteral("  Z3"),
                                                            QStringLiteral("    Тип: Включен, Мгновенный  [zones[Z3].type]")};
}

void ShowTest::changedFields()
{
    QFETCH(ConfigImage, image);
    QFETCH(QStringList, lines);

    const Zq22Run run = show(image, QStringLiteral("EC22.q22"), {QStringLiteral("--changed")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), lines);
}

void ShowTest::reservedBytesOnlyWhenNotZero()
{
    const CatalogueField& reserved = fieldAt(ReservedPosition);
    QCOMPARE(reserved.kind, FieldKind::Reserved);
    const QString key = QStringLiteral("[%1]").arg(reserved.key);

    QVERIFY(!QString::fromUtf8(show(factoryImage(), QStringLiteral("EC22.q22")).out).contains(key));
    const ConfigImage image = factoryWithReservedByte();
    for (const QStringList& options : {QStringList{}, QStringList{QStringLiteral("--changed")}}) {
        const QStringList lines = show(image, QStringLiteral("EC22.q22"), options).outLines();
        const auto line = std::find_if(lines.cbegin(), lines.cend(), [&](const QString& l) { return l.endsWith(key); });
        QVERIFY(line != lines.cend());
        QVERIFY2(line->contains(FieldCatalogue::displayValue(reserved, image)), qPrintable(*line));
    }
}

void ShowTest::jsonShowsAsItsFile()
{
    const ConfigImage image = SampleConfigs::factoryWithZ3OnAndSirenAt60();
    const Zq22Run fromFile = show(image, QStringLiteral("edited.q22"));
    const Zq22Run fromJson = show(image, QStringLiteral("edited.json"));
    QCOMPARE(fromJson.exitCode, 0);
    QCOMPARE(fromJson.out, fromFile.out);
}

QTEST_GUILESS_MAIN(ShowTest)
#include "tst_Show.moc"
