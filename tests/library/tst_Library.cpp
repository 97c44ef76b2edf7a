// The panel library through its own interface, on SQLite and on PostgreSQL
// alike: versions recorded whole and numbered per panel, images stored once,
// search, details, history with its changes, and the libraries it refuses.
#include "Library.h"
#include "LibrarySchema.h"
#include "LibraryTexts.h"
#include "LibraryUrl.h"
#include "SampleConfigs.h"
#include "ScratchLibrary.h"
#include "TestFiles.h"

#include "FactoryImage.h"

#include <QTest>

namespace {

const QDateTime March5 = QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30), Qt::UTC);
const QString Usb = QStringLiteral("USB /dev/ttyUSB0");

VersionOrigin origin(Operation operation, const QString& how, const QDateTime& time = March5)
{
    return {operation, how, QStringLiteral("petrov"), QStringLiteral("laptop-7"), QStringLiteral("после ремонта"),
            time};
}

ConfigImage withSirenAt(ConfigImage image, unsigned seconds)
{
    image.setValue(ImageLayout::SirenTime, seconds / 5);
    return image;
}

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase_data();
    void init();
    void cleanup();

    void aVersionIsRecordedWhole();
    void anUnchangedImageIsStoredOnce();
    void numbersRisePerPanel();
    void eachPanelsNewestVersion();
    void search_data();
    void search();
    void detailsChangeOnlyWhatIsGiven();
    void historyCountsTheChangedFields();
    void unknownPanelsAndVersions();
    void aReopenedLibraryKeepsEverything();
    void aNewerLibraryIsRefusedAndLeftAlone();
    void anotherProgramsDatabaseIsRefused();
    void aLockedLibraryGivesUpAfterItsTimeout();
    void checkFindsACountThatDisagrees();

private:
    std::unique_ptr<Library> openLibrary();
    // Adds one version, failing the test when it is not recorded.
    RecordedVersion add(Library& library, const ConfigImage& image, const VersionOrigin& how);

    std::unique_ptr<ScratchLibrary> m_scratch;
};

void LibraryTest::initTestCase_data()
{
    addEngineRows();
}

void LibraryTest::init()
{
    QFETCH_GLOBAL(ScratchLibrary::Engine, engine);
    m_scratch = std::make_unique<ScratchLibrary>();
    ZQ_SCRATCH_LIBRARY(*m_scratch, engine);
}

void LibraryTest::cleanup()
{
    m_scratch.reset();
}

std::unique_ptr<Library> LibraryTest::openLibrary()
{
    const auto url = LibraryUrl::parse(m_scratch->url());
    if (!url)
        return nullptr;
    auto library = Library::open(*url);
    if (!library)
        qWarning("%s", qPrintable(library.error));
    return library ? std::move(*library) : nullptr;
}

RecordedVersion LibraryTest::add(Library& library, const ConfigImage& image, const VersionOrigin& how)
{
    const auto recorded = library.addVersions({{image, how}});
    if (!recorded) {
        qWarning("%s", qPrintable(recorded.error));
        return {};
    }
    return recorded->constFirst();
}

void LibraryTest::aVersionIsRecordedWhole()
{
    const auto library = openLibrary();
    QVERIFY(library);
    ConfigImage image;
    image.assign(SampleConfigs::scatteredBytes(3));

    const RecordedVersion recorded = add(*library, image, origin(Operation::Read, Usb));
    QCOMPARE(recorded.identifier, QStringLiteral("1A2B"));
    QCOMPARE(recorded.number, 1);
    QVERIFY(recorded.newImage);

    const auto back = library->image(QStringLiteral("1A2B"), 1);
    QVERIFY2(back, qPrintable(back.error));
    QCOMPARE(back->bytes(), image.bytes());

    const auto history = library->history(QStringLiteral("1A2B"));
    QVERIFY2(history, qPrintable(history.error));
    QCOMPARE(history->size(), 1);
    const VersionEntry& entry = history->constFirst();
    QCOMPARE(entry.number, 1);
    QCOMPARE(entry.origin.time, March5);
    QCOMPARE(entry.origin.operation, Operation::Read);
    QCOMPARE(entry.origin.how, QStringLiteral("USB /dev/ttyUSB0"));
    QCOMPARE(entry.origin.operatorName, QStringLiteral("petrov"));
    QCOMPARE(entry.origin.host, QStringLiteral("laptop-7"));
    QCOMPARE(entry.origin.note, QStringLiteral("после ремонта"));

    const auto details = library->details(QStringLiteral("1A2B"));
    QVERIFY2(details, qPrintable(details.error));
    QCOMPARE(details->versions, 1);
    QCOMPARE(details->firstSeen, March5);
    QCOMPARE(details->lastSeen, March5);
    QCOMPARE(details->lastChange, March5);
}

void LibraryTest::anUnchangedImageIsStoredOnce()
{
    const auto library = openLibrary();
    QVERIFY(library);
    const ConfigImage image = SampleConfigs::factoryOfPanel(0x00AB);
    const RecordedVersion first = add(*library, image, origin(Operation::Read, Usb));
    const RecordedVersion second =
        add(*library, image, origin(Operation::Write, QStringLiteral("UDP 10.1.2.3:34463"), March5.addDays(1)));
    QCOMPARE(first.number, 1);
    QCOMPARE(second.number, 2);
    QVERIFY(first.newImage);
    QVERIFY(!second.newImage);

    const auto counts = library->counts();
    QVERIFY2(counts, qPrintable(counts.error));
    QCOMPARE(counts->panels, 1);
    QCOMPARE(counts->versions, 2);
    QCOMPARE(counts->images, 1);
    // A panel only added by hand has not been seen; a read or a write sees it.
    add(*library, SampleConfigs::factoryOfPanel(0x0C0D), origin(Operation::Added, QStringLiteral("shop.q22")));
    const auto seen = library->details(QStringLiteral("00AB"));
    QCOMPARE(seen->firstSeen, March5);
    QCOMPARE(seen->lastSeen, March5.addDays(1));
    const auto added = library->details(QStringLiteral("0C0D"));
    QVERIFY(!added->firstSeen.isValid());
    QCOMPARE(added->lastChange, March5);
}

void LibraryTest::numbersRisePerPanel()
{
    const auto library = openLibrary();
    QVERIFY(library);
    const ConfigImage a = SampleConfigs::factoryOfPanel(0x0001);
    const ConfigImage b = SampleConfigs::factoryOfPanel(0x0002);
    const auto recorded = library->addVersions({{a, origin(Operation::Added, QStringLiteral("a.q22"))},
                                        {b, origin(Operation::Added, QStringLiteral("b.q22"))},
                                        {withSirenAt(a, 60), origin(Operation::Added, QStringLiteral("a2.q22"))},
                                        {a, origin(Operation::Added, QStringLiteral("a.q22"))}});
    QVERIFY2(recorded, qPrintable(recorded.error));
    QList<int> numbers;
    for (const RecordedVersion& version : *recorded)
        numbers << version.number;
    QCOMPARE(numbers, (QList<int>{1, 1, 2, 3}));
    QCOMPARE(library->counts()->images, 3);

    const auto panels = library->panels();
    QVERIFY2(panels, qPrintable(panels.error));
    QCOMPARE(panels->size(), 2);
    QCOMPARE(panels->at(0).identifier, QStringLiteral("0001"));
    QCOMPARE(panels->at(0).versions, 3);
    QCOMPARE(panels->at(1).identifier, QStringLiteral("0002"));
    QCOMPARE(panels->at(1).versions, 1);
}

void LibraryTest::eachPanelsNewestVersion()
{
    const auto library = openLibrary();
    QVERIFY(library);
    QList<Library::PanelVersion> taken;
    const auto take = [&taken](const Library::PanelVersion& newest) { taken << newest; };
    const auto emptyFailed = library->eachNewestVersion(take);
    QVERIFY2(!emptyFailed, qPrintable(emptyFailed.value_or(QString())));
    QVERIFY(taken.isEmpty());

    const ConfigImage a = SampleConfigs::factoryOfPanel(0x0001);
    const ConfigImage b = SampleConfigs::factoryOfPanel(0x0002);
    // The newest of 0001 has the image of its first version; that of 0002 differs from its first.
    const auto recorded = library->addVersions({{b, origin(Operation::Added, QStringLiteral("b.q22"))},
                                                {a, origin(Operation::Read, Usb)},
                                                {withSirenAt(a, 60), origin(Operation::Read, Usb)},
                                                {a, origin(Operation::Read, Usb)},
                                                {withSirenAt(b, 30), origin(Operation::Write, Usb)}});
    QVERIFY2(recorded, qPrintable(recorded.error));

    const auto failed = library->eachNewestVersion(take);
    QVERIFY2(!failed, qPrintable(failed.value_or(QString())));
    QCOMPARE(taken.size(), 2);
    QCOMPARE(taken[0].identifier, QStringLiteral("0001"));
    QCOMPARE(taken[0].number, 3);
    QCOMPARE(taken[0].image.bytes(), a.bytes());
    QCOMPARE(taken[1].identifier, QStringLiteral("0002"));
    QCOMPARE(taken[1].number, 2);
    QCOMPARE(taken[1].image.bytes(), withSirenAt(b, 30).bytes());
}

void LibraryTest::search_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("everything") << "" << QStringList{"00AB", "1A2B", "3C4D"};
    QTest::newRow("identifier, lower case") << "1a2" << QStringList{"1A2B"};
    QTest::newRow("name, another case") << "АПТЕКА" << QStringList{"1A2B"};
    QTest::newRow("address") << "ленина" << QStringList{"1A2B", "3C4D"};
    QTest::newRow("contact") << "+7 900" << QStringList{"3C4D"};
    QTest::newRow("notes") << "сирена" << QStringList{"00AB"};
    // What LIKE would read as wildcards is looked for as it is.
    QTest::newRow("percent sign") << "100%" << QStringList{"00AB"};
    QTest::newRow("underscore") << "a_b" << QStringList{};
    QTest::newRow("nothing") << "склад" << QStringList{};
}

void LibraryTest::search()
{
    QFETCH(QString, search);
    QFETCH(QStringList, found);

    const auto library = openLibrary();
    QVERIFY(library);
    for (const quint16 account : {0x00AB, 0x1A2B, 0x3C4D})
        add(*library, SampleConfigs::factoryOfPanel(account), origin(Operation::Added, QStringLiteral("x.q22")));
    QVERIFY(!library->setDetails(QStringLiteral("1A2B"), {QStringLiteral("Аптека №5"), QStringLiteral("ул. Ленина, 3"),
                                                          std::nullopt, std::nullopt}));
    QVERIFY(!library->setDetails(QStringLiteral("3C4D"), {QStringLiteral("Гараж"), QStringLiteral("пр. Ленина, 10"),
                                                          QStringLiteral("+7 900 123-45-67"), std::nullopt}));
    QVERIFY(!library->setDetails(QStringLiteral("00AB"),
                                 {std::nullopt, std::nullopt, std::nullopt, QStringLiteral("Сирена 100% громкая")}));

    const auto panels = library->panels(search);
    QVERIFY2(panels, qPrintable(panels.error));
    QStringList identifiers;
    for (const PanelSummary& panel : *panels)
        identifiers << panel.identifier;
    QCOMPARE(identifiers, found);

    // Read a page of two at a time, the same panels in the same order.
    QStringList paged;
    for (int offset = 0; offset <= found.size(); offset += 2) {
        const auto page = library->panels(search, offset, 2);
        QVERIFY2(page, qPrintable(page.error));
        QVERIFY(page->size() <= 2);
        for (const PanelSummary& panel : *page)
            paged << panel.identifier;
    }
    QCOMPARE(paged, found);
}

void LibraryTest::detailsChangeOnlyWhatIsGiven()
{
    const auto library = openLibrary();
    QVERIFY(library);
    add(*library, SampleConfigs::factoryOfPanel(0x1A2B), origin(Operation::Read, Usb));
    QVERIFY(!library->setDetails(QStringLiteral("1A2B"), {QStringLiteral("Аптека"), QStringLiteral("ул. Мира, 1"),
                                                          QStringLiteral("Иванов"), QStringLiteral("код 1234")}));
    QVERIFY(!library->setDetails(QStringLiteral("1A2B"), {std::nullopt, QStringLiteral("ул. Мира, 2"), std::nullopt,
                                                          QString()}));

    const auto details = library->details(QStringLiteral("1A2B"));
    QVERIFY2(details, qPrintable(details.error));
    QCOMPARE(details->name, QStringLiteral("Аптека"));
    QCOMPARE(details->address, QStringLiteral("ул. Мира, 2"));
    QCOMPARE(details->contact, QStringLiteral("Иванов"));
    QCOMPARE(details->notes, QString());
    // The search follows what the details say now.
    QCOMPARE(library->panels(QStringLiteral("мира, 2"))->size(), 1);
    QCOMPARE(library->panels(QStringLiteral("код"))->size(), 0);

    QCOMPARE(library->setDetails(QStringLiteral("FFFF"), {QStringLiteral("Склад"), {}, {}, {}}),
             std::optional<QString>(LibraryTexts::unknownPanel(QStringLiteral("FFFF"))));
    QCOMPARE(library->counts()->panels, 1);
}

void LibraryTest::historyCountsTheChangedFields()
{
    const auto library = openLibrary();
    QVERIFY(library);
    const ConfigImage first = SampleConfigs::factoryOfPanel(0x1A2B);
    ConfigImage second = withSirenAt(first, 60);
    second.setValue(ImageLayout::zoneField(3, ImageLayout::Zone::ZoneType), ImageLayout::Zone::On);
    const auto recorded = library->addVersions({{first, origin(Operation::Read, Usb)},
                                        {second, origin(Operation::Write, Usb)},
                                        {second, origin(Operation::Read, Usb)},
                                        {first, origin(Operation::Added, QStringLiteral("old.q22"))}});
    QVERIFY2(recorded, qPrintable(recorded.error));

    const auto counted = library->history(QStringLiteral("1A2B"), Library::Changes::Counted);
    QVERIFY2(counted, qPrintable(counted.error));
    QList<std::optional<int>> changes;
    for (const VersionEntry& entry : *counted)
        changes << entry.changedFields;
    QCOMPARE(changes, (QList<std::optional<int>>{std::nullopt, 2, 0, 2}));
    // Without being asked, nothing is read for them.
    const auto left = library->history(QStringLiteral("1A2B"));
    QVERIFY2(left, qPrintable(left.error));
    for (const VersionEntry& entry : *left)
        QVERIFY(!entry.changedFields);
}

void LibraryTest::unknownPanelsAndVersions()
{
    const auto library = openLibrary();
    QVERIFY(library);
    add(*library, SampleConfigs::factoryOfPanel(0x1A2B), origin(Operation::Read, Usb));

    QCOMPARE(library->image(QStringLiteral("1A2B"), 2).error, LibraryTexts::unknownVersion(QStringLiteral("1A2B"), 2));
    QCOMPARE(library->image(QStringLiteral("FFFF"), 1).error, LibraryTexts::unknownPanel(QStringLiteral("FFFF")));
    QCOMPARE(library->history(QStringLiteral("FFFF")).error, LibraryTexts::unknownPanel(QStringLiteral("FFFF")));
    QCOMPARE(library->details(QStringLiteral("FFFF")).error, LibraryTexts::unknownPanel(QStringLiteral("FFFF")));
}

void LibraryTest::aReopenedLibraryKeepsEverything()
{
    ConfigImage image;
    image.assign(SampleConfigs::scatteredBytes(11));
    {
        const auto library = openLibrary();
        QVERIFY(library);
        add(*library, image, origin(Operation::Read, Usb));
    }
    const auto library = openLibrary();
    QVERIFY(library);
    QCOMPARE(library->image(QStringLiteral("1A2B"), 1)->bytes(), image.bytes());
    QCOMPARE(add(*library, image, origin(Operation::Read, Usb)).number, 2);
    QVERIFY(library->check()->isEmpty());
}

void LibraryTest::aNewerLibraryIsRefusedAndLeftAlone()
{
    {
        const auto library = openLibrary();
        QVERIFY(library);
        add(*library, SampleConfigs::factoryOfPanel(0x1A2B), origin(Operation::Read, Usb));
    }
    const int newer = LibrarySchema::currentVersion() + 1;
    QVERIFY2(m_scratch->runSql(QStringLiteral("INSERT INTO zq22_schema (version, applied) VALUES (%1, "
                                              "'2030-01-01T00:00:00Z')")
                                   .arg(newer)),
             qPrintable(m_scratch->lastError()));
    const QByteArray before = readFile(m_scratch->url());

    const auto url = LibraryUrl::parse(m_scratch->url());
    const auto refused = Library::open(*url);
    QVERIFY(!refused);
    QCOMPARE(refused.error, LibraryTexts::newerSchema(newer, LibrarySchema::currentVersion()));
    QCOMPARE(readFile(m_scratch->url()), before);
}

void LibraryTest::anotherProgramsDatabaseIsRefused()
{
    QVERIFY2(m_scratch->runSql(QStringLiteral("CREATE TABLE contacts (name TEXT)")),
             qPrintable(m_scratch->lastError()));
    const QByteArray before = readFile(m_scratch->url());

    const auto url = LibraryUrl::parse(m_scratch->url());
    const auto refused = Library::open(*url);
    QVERIFY(!refused);
    QCOMPARE(refused.error, LibraryTexts::foreignDatabase());
    QCOMPARE(readFile(m_scratch->url()), before);
}

void LibraryTest::aLockedLibraryGivesUpAfterItsTimeout()
{
    const auto url = LibraryUrl::parse(m_scratch->url());
    const auto library = Library::open(*url, {std::chrono::milliseconds(300)});
    QVERIFY2(library, qPrintable(library.error));
    add(**library, SampleConfigs::factoryOfPanel(0x1A2B), origin(Operation::Read, Usb));
    QVERIFY2(m_scratch->holdWriteLock(), qPrintable(m_scratch->lastError()));

    const Library::NewVersion another{SampleConfigs::factoryOfPanel(0x1A2B), origin(Operation::Added, "x.q22")};
    const auto refused = (*library)->addVersions({another});
    QVERIFY(!refused);
    QCOMPARE(refused.error, LibraryTexts::busy(1));
    // Reading waits for nobody.
    QCOMPARE((*library)->panels()->size(), 1);

    m_scratch->releaseWriteLock();
    const auto recorded = (*library)->addVersions({another});
    QVERIFY2(recorded, qPrintable(recorded.error));
    QCOMPARE(recorded->constFirst().number, 2);
}

void LibraryTest::checkFindsACountThatDisagrees()
{
    {
        const auto library = openLibrary();
        QVERIFY(library);
        add(*library, SampleConfigs::factoryOfPanel(0x1A2B), origin(Operation::Read, Usb));
        const auto sound = library->check();
        QVERIFY2(sound, qPrintable(sound.error));
        QCOMPARE(*sound, QStringList{});
    }
    QVERIFY2(m_scratch->runSql(QStringLiteral("UPDATE panels SET version_count = 5")),
             qPrintable(m_scratch->lastError()));
    const auto library = openLibrary();
    QVERIFY(library);
    QCOMPARE(*library->check(), QStringList{LibraryTexts::countsDisagree(QStringLiteral("1A2B"), 1, 5)});
}

QTEST_GUILESS_MAIN(LibraryTest)
#include "tst_Library.moc"
