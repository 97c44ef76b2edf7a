// export and import through the program: every image comes back byte for byte,
// and a write that fails leaves the file that was there as it was.
#include "TestFiles.h"
#include "Zq22Run.h"

#include "ConfigFile.h"
#include "ConfigImage.h"
#include "FactoryImage.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

ConfigImage randomImage(quint32 seed)
{
    QRandomGenerator random(seed);
    ConfigImage image;
    for (int position = 1; position <= ConfigImage::Size; ++position)
        image.setByteAt(position, static_cast<std::uint8_t>(random.bounded(256)));
    return image;
}

ConfigImage filledImage(std::uint8_t value)
{
    ConfigImage image;
    for (int position = 1; position <= ConfigImage::Size; ++position)
        image.setByteAt(position, value);
    return image;
}

// The child may write files of a few hundred bytes only; a larger write fails.
void smallFileLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{500, 500};
    setrlimit(RLIMIT_FSIZE, &limit);
}

const QByteArray Previous = QByteArrayLiteral("the previous output, to be kept");

} // namespace

class ExportImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void readsFilesByTheRulesOfLoad_data();
    void readsFilesByTheRulesOfLoad();
    void failedWriteKeepsThePreviousFile_data();
    void failedWriteKeepsThePreviousFile();
    void writeIntoAMissingFolderSaysWhy();
};

void ExportImportTest::roundTrip_data()
{
    QTest::addColumn<ConfigImage>("image");
    QTest::newRow("factory") << factoryImage();
    QTest::newRow("all zero") << ConfigImage();
    QTest::newRow("all 0xFF") << filledImage(0xFF);
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::addRow("random %u", seed) << randomImage(seed);
}

void ExportImportTest::roundTrip()
{
    QFETCH(ConfigImage, image);
    QTemporaryDir dir;
    const QString original = dir.filePath(QStringLiteral("EC22.q22"));
    const QString json = dir.filePath(QStringLiteral("EC22.json"));
    const QString back = dir.filePath(QStringLiteral("back.q22"));
    QVERIFY(!ConfigFile::write(original, image));

    const Zq22Run exported = Zq22Run::start({QStringLiteral("export"), original, QStringLiteral("-o"), json});
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(exported.out.isEmpty() && exported.err.isEmpty());
    const Zq22Run imported = Zq22Run::start({QStringLiteral("import"), json, QStringLiteral("-o"), back});
    QCOMPARE(imported.exitCode, 0);
    QVERIFY(imported.out.isEmpty() && imported.err.isEmpty());
    QCOMPARE(readFile(back), readFile(original));

    // Without -o the same document goes to standard output.
    const Zq22Run toStandardOutput = Zq22Run::start({QStringLiteral("export"), original});
    QCOMPARE(toStandardOutput.exitCode, 0);
    QCOMPARE(toStandardOutput.out, readFile(json));

    // A file and its export are the same configuration.
    const Zq22Run diff = Zq22Run::start({QStringLiteral("diff"), original, json});
    QCOMPARE(diff.exitCode, 0);
    QVERIFY(diff.out.isEmpty());
}

void ExportImportTest::readsFilesByTheRulesOfLoad_data()
{
    QTest::addColumn<QByteArray>("contents");
    const QByteArray image = randomImage(3).bytes();
    QTest::newRow("the middle letters of the signature are not compared") << QByteArray("ZQxy2U") + image;
    QTest::newRow("bytes after the image are not read") << ConfigFile::Signature + image + "trailing bytes";
}

void ExportImportTest::readsFilesByTheRulesOfLoad()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString clean = dir.filePath(QStringLiteral("clean.q22"));
    const QString given = dir.filePath(QStringLiteral("given.q22"));
    QVERIFY(!ConfigFile::write(clean, randomImage(3)));
    QVERIFY(writeFile(given, contents));

    const Zq22Run run = Zq22Run::start({QStringLiteral("export"), given});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, Zq22Run::start({QStringLiteral("export"), clean}).out);
}

void ExportImportTest::failedWriteKeepsThePreviousFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("export") << "export" << "EC22.q22" << "EC22.json";
    QTest::newRow("import") << "import" << "EC22.json" << "EC22.q22";
}

void ExportImportTest::failedWriteKeepsThePreviousFile()
{
    QFETCH(QString, command);
    QFETCH(QString, input);
    QFETCH(QString, output);

    QTemporaryDir dir;
    QVERIFY(!ConfigFile::write(dir.filePath(QStringLiteral("EC22.q22")), randomImage(7)));
    QCOMPARE(Zq22Run::start({QStringLiteral("export"), dir.filePath(QStringLiteral("EC22.q22")), QStringLiteral("-o"),
                             dir.filePath(QStringLiteral("EC22.json"))})
                 .exitCode,
             0);
    const QString target = dir.filePath(output);
    QVERIFY(writeFile(target, Previous));

    const Zq22Run run = Zq22Run::start({command, dir.filePath(input), QStringLiteral("-o"), target}, smallFileLimit);

    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.errLines().size(), 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("zq22: %1: cannot write the file: ").arg(target)), qPrintable(run.err));
    QCOMPARE(readFile(target), Previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("EC22.json"), QStringLiteral("EC22.q22")}));
}

void ExportImportTest::writeIntoAMissingFolderSaysWhy()
{
    QTemporaryDir dir;
    QVERIFY(!ConfigFile::write(dir.filePath(QStringLiteral("EC22.q22")), factoryImage()));
    const QString target = dir.filePath(QStringLiteral("missing/EC22.json"));
    const Zq22Run run = Zq22Run::start(
        {QStringLiteral("export"), dir.filePath(QStringLiteral("EC22.q22")), QStringLiteral("-o"), target});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("zq22: %1: cannot write the file: ").arg(target)), qPrintable(run.err));
    QVERIFY(!QDir(dir.filePath(QStringLiteral("missing"))).exists());
}

QTEST_GUILESS_MAIN(ExportImportTest)
#include "tst_ExportImport.moc"
