// zq22 check: one line per field where a file differs from a template, with
// the file, the page, the caption, the key and both values; exit status 0 when
// every file matches, 1 when one does not, 2 when a file or the template cannot be read.
#include "CompanyStandard.h"
#include "SampleConfigs.h"
#include "TestFiles.h"
#include "Zq22Run.h"

#include "FactoryImage.h"
#include "FactoryValues.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace L = ImageLayout;

namespace {

ConfigImage matching()
{
    return CompanyStandard::follower(FactoryValues::Account);
}

QStringList linesOf(const QString& file, const QStringList& lines)
{
    QStringList prefixed;
    for (const QString& line : lines)
        prefixed << file + QLatin1Char('\t') + line;
    return prefixed;
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesAndExitStatus_data();
    void linesAndExitStatus();
    void aWholeConfigurationChecksEveryField_data();
    void aWholeConfigurationChecksEveryField();
};

void CheckTest::linesAndExitStatus_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("status");

    QTest::newRow("every file matches") << QStringList{"a.q22", "b.json"} << QStringList{} << QStringList{} << 0;
    QTest::newRow("one file does not")
        << QStringList{"a.q22", "factory.q22", "b.json"}
        << linesOf(QStringLiteral("factory.q22"), CompanyStandard::factoryLines()) << QStringList{} << 1;
    QTest::newRow("a file that cannot be read outweighs a difference")
        << QStringList{"factory.q22", "missing.q22", "a.q22"}
        << linesOf(QStringLiteral("factory.q22"), CompanyStandard::factoryLines())
        << QStringList{"zq22: missing.q22: no such file or directory"} << 2;
    QTest::newRow("a file that is no configuration") << QStringList{"notes.q22", "a.q22"} << QStringList{}
                                                     << QStringList{"zq22: notes.q22: the file is empty"} << 2;
}

void CheckTest::linesAndExitStatus()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, messages);
    QFETCH(int, status);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(writeFile(QStringLiteral("standard.json"), CompanyStandard::json()));
    QVERIFY(SampleConfigs::write(QStringLiteral("a.q22"), matching()));
    QVERIFY(SampleConfigs::write(QStringLiteral("b.json"), matching()));
    QVERIFY(SampleConfigs::write(QStringLiteral("factory.q22"), factoryImage()));
    QVERIFY(writeFile(QStringLiteral("notes.q22"), {}));

    const Zq22Run run = Zq22Run::start(QStringList{"check", "standard.json"} + files);
    QCOMPARE(run.outLines(), lines);
    QCOMPARE(run.errLines(), messages);
    QCOMPARE(run.exitCode, status);
}

void CheckTest::aWholeConfigurationChecksEveryField_data()
{
    QTest::addColumn<QString>("standard");
    QTest::newRow("a .q22 file") << "standard.q22";
    QTest::newRow("its JSON export") << "standard.json";
}

// Every field is named, the reserved ranges too: the lines are those of diff.
void CheckTest::aWholeConfigurationChecksEveryField()
{
    QFETCH(QString, standard);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    ConfigImage odd = matching();
    odd.setChars({L::ReservedTable.offset, 1}, "\x01");
    QVERIFY(SampleConfigs::write(standard, factoryImage()));
    QVERIFY(SampleConfigs::write(QStringLiteral("odd.q22"), odd));

    const Zq22Run diff = Zq22Run::start({"diff", standard, "odd.q22"});
    const Zq22Run check = Zq22Run::start({"check", standard, "odd.q22"});
    QCOMPARE(check.exitCode, 1);
    QCOMPARE(check.outLines(), linesOf(QStringLiteral("odd.q22"), diff.outLines()));
    QVERIFY(diff.outLines().size() >= 5);
    QCOMPARE(check.outLines().filter(QStringLiteral("\treserved_table\t")).size(), 1);
}

QTEST_GUILESS_MAIN(CheckTest)
#include "tst_Check.moc"
