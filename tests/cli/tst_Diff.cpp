// zq22 diff: one line per field that differs, with the page, the caption, the
// key and both values as the pages show them; exit status 0 or 1.
#include "SampleConfigs.h"
#include "Zq22Run.h"

#include "FactoryImage.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SirenLine = QStringLiteral("Общие установки\tВкл. сирены, с\tgeneral.siren_time_s\t20\t60");
const QString Z3Line = QStringLiteral("Шлейфы сигнализации\tТип\tzones[Z3].type\t\tВключен, Мгновенный");

ConfigImage factoryWithPhone(const QByteArray& phone)
{
    ConfigImage image = factoryImage();
    image.setChars(ImageLayout::smsPhone(1), phone);
    return image;
}

} // namespace

class DiffTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void diff_data();
    void diff();
};

void DiffTest::diff_data()
{
    QTest::addColumn<ConfigImage>("a");
    QTest::addColumn<QString>("nameA");
    QTest::addColumn<ConfigImage>("b");
    QTest::addColumn<QString>("nameB");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");

    const ConfigImage factory = factoryImage();
    const ConfigImage edited = SampleConfigs::factoryWithZ3OnAndSirenAt60();
    QTest::newRow("Z3 on and siren at 60 s") << factory << "EC22.q22" << edited << "edited.q22"
                                             << QStringList{SirenLine, Z3Line} << 1;
    QTest::newRow("the other way round")
        << edited << "edited.q22" << factory << "EC22.q22"
        << QStringList{QStringLiteral("Общие установки\tВкл. сирены, с\tgeneral.siren_time_s\t60\t20"),
                       QStringLiteral("Шлейфы сигнализации\tТип\tzones[Z3].type\tВключен, Мгновенный\t")}
        << 1;
    QTest::newRow("a file against a JSON document") << factory << "EC22.q22" << edited << "edited.json"
                                                    << QStringList{SirenLine, Z3Line} << 1;
    QTest::newRow("equal") << factory << "EC22.q22" << factory << "copy.q22" << QStringList{} << 0;
    QTest::newRow("a file and its JSON form") << edited << "edited.q22" << edited << "edited.json" << QStringList{}
                                              << 0;
    // Whatever bytes a character field holds, one field stays one line.
    QTest::newRow("control characters in a value")
        << factory << "EC22.q22" << factoryWithPhone("12\t3\n4") << "odd.q22"
        << QStringList{QStringLiteral("Общие установки\tНомер 1\tsms.phones[1]\t\t12\\x093\\x0a4")} << 1;
}

void DiffTest::diff()
{
    QFETCH(ConfigImage, a);
    QFETCH(QString, nameA);
    QFETCH(ConfigImage, b);
    QFETCH(QString, nameB);
    QFETCH(QStringList, lines);
    QFETCH(int, status);

    QTemporaryDir dir;
    QVERIFY(SampleConfigs::write(dir.filePath(nameA), a));
    QVERIFY(SampleConfigs::write(dir.filePath(nameB), b));

    const Zq22Run run = Zq22Run::start({QStringLiteral("diff"), dir.filePath(nameA), dir.filePath(nameB)});

    QCOMPARE(run.exitCode, status);
    QCOMPARE(run.outLines(), lines);
    QVERIFY(run.err.isEmpty());
}

QTEST_GUILESS_MAIN(DiffTest)
#include "tst_Diff.moc"
