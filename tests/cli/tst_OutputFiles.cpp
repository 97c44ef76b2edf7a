// What -o may be: never a device, a named pipe or a socket, which stay as they
// are; a symbolic link stays a link and its file is written; and a name that
// asks for the other form of configuration is refused with the command that
// writes it.
#include "NonRegularFiles.h"
#include "TestFiles.h"
#include "Zq22Run.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "SampleConfigs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Previous = QByteArrayLiteral("the previous output, to be kept");

ConfigImage sample()
{
    ConfigImage image;
    image.assign(SampleConfigs::scatteredBytes(3));
    return image;
}

// Each command that writes a file, with its output at `target`. The read is
// refused before its port is looked at, so it needs no panel.
QList<std::pair<const char*, QStringList>> writers(const QString& q22, const QString& json, const QString& target)
{
    return {
        {"export", {"export", q22, "-o", target}},
        {"import", {"import", json, "-o", target}},
        {"read", {"read", "--port", "/nonexistent/ttyUSB9", "-o", target}},
    };
}

} // namespace

class OutputFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void nonRegularFilesAreLeftAsTheyAre_data();
    void nonRegularFilesAreLeftAsTheyAre();
    void linkToAFileStaysALink();
    void nameOfTheOtherFormIsRefused_data();
    void nameOfTheOtherFormIsRefused();
    void otherNamesAreWritten_data();
    void otherNamesAreWritten();

private:
    QTemporaryDir m_dir;
    QString m_q22;
    QString m_json;
};

void OutputFilesTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_q22 = m_dir.filePath(QStringLiteral("sample.q22"));
    m_json = m_dir.filePath(QStringLiteral("sample.json"));
    QVERIFY(!ConfigFile::write(m_q22, sample()));
    QVERIFY(writeFile(m_json, ConfigJson::write(sample())));
}

void OutputFilesTest::nonRegularFilesAreLeftAsTheyAre_data()
{
    QTest::addColumn<NonRegularFile>("kind");
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("kindName");
    const QList<std::tuple<const char*, NonRegularFile, bool, const char*>> kinds = {
        {"named pipe", NonRegularFile::NamedPipe, false, "named pipe"},
        {"character device", NonRegularFile::CharacterDevice, false, "character device"},
        {"socket", NonRegularFile::Socket, false, "socket"},
        {"link to a named pipe", NonRegularFile::NamedPipe, true, "named pipe"},
    };
    for (const auto& [kindRow, kind, throughLink, kindName] : kinds) {
        for (const auto& [command, arguments] : writers(m_q22, m_json, QStringLiteral("TARGET")))
            QTest::addRow("%s, %s", command, kindRow) << kind << throughLink << arguments << kindName;
    }
}

void OutputFilesTest::nonRegularFilesAreLeftAsTheyAre()
{
    QFETCH(NonRegularFile, kind);
    QFETCH(bool, throughLink);
    QFETCH(QStringList, arguments);
    QFETCH(QString, kindName);

    QTemporaryDir dir;
    const QString target = nonRegularTarget(dir.path(), kind, throughLink);
    if (target.isEmpty())
        QSKIP("this user may not make it here");
    arguments.replace(arguments.indexOf(QStringLiteral("TARGET")), target);

    const Zq22Run run = Zq22Run::start(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: cannot write the file: not a regular file").arg(target)});
    QCOMPARE(kindOf(dir.filePath(QStringLiteral("odd"))), kindName);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(),
             throughLink ? 2 : 1);
}

void OutputFilesTest::linkToAFileStaysALink()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept/EC22.q22"));
    const QString link = dir.filePath(QStringLiteral("EC22.q22"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kept")) && writeFile(file, Previous));
    QVERIFY(QFile::link(file, link));

    const Zq22Run run = Zq22Run::start({"import", m_json, "-o", link});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(kindOf(link), QStringLiteral("symbolic link"));
    QCOMPARE(readFile(file), ConfigFile::bytesOf(sample()));
}

void OutputFilesTest::nameOfTheOtherFormIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    const QString toJson = QStringLiteral("import writes a .q22 file, not the JSON form the name asks for; "
                                          "\"zq22 export\" writes the JSON form");
    const QString toQ22 = QStringLiteral("export writes the JSON form, not the .q22 file the name asks for; "
                                         "\"zq22 import\" writes .q22 files");
    QTest::newRow("import to .json") << QStringList{"import", m_json, "-o", "OUT"} << "out.json" << toJson;
    QTest::newRow("import to .JSON") << QStringList{"import", m_json, "-o", "OUT"} << "OUT.JSON" << toJson;
    QTest::newRow("export to .q22") << QStringList{"export", m_q22, "-o", "OUT"} << "out.q22" << toQ22;
    QTest::newRow("export to .Q22") << QStringList{"export", m_q22, "-o", "OUT"} << "OUT.Q22" << toQ22;
    QTest::newRow("read to .json") << QStringList{"read", "--port", "/nonexistent/ttyUSB9", "-o", "OUT"} << "out.json"
                                   << "read writes a .q22 file, not the JSON form the name asks for; \"zq22 read ... "
                                      "-o - | zq22 export - -o OUT\" writes it";
}

void OutputFilesTest::nameOfTheOtherFormIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString target = dir.filePath(name);
    QVERIFY(writeFile(target, Previous));
    arguments.replace(arguments.indexOf(QStringLiteral("OUT")), target);
    reason.replace(QStringLiteral("OUT"), target);

    const Zq22Run run = Zq22Run::start(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(target, reason)});
    QCOMPARE(readFile(target), Previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

// What scripts may rely on: a name of neither form takes what the command writes.
void OutputFilesTest::otherNamesAreWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("export to .txt") << QStringList{"export", m_q22, "-o", "OUT"} << "configuration.txt"
                                    << ConfigJson::write(sample());
    QTest::newRow("import to .bin") << QStringList{"import", m_json, "-o", "OUT"} << "configuration.bin"
                                    << ConfigFile::bytesOf(sample());
}

void OutputFilesTest::otherNamesAreWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    QFETCH(QByteArray, written);

    QTemporaryDir dir;
    const QString target = dir.filePath(name);
    arguments.replace(arguments.indexOf(QStringLiteral("OUT")), target);
    const Zq22Run run = Zq22Run::start(arguments);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(readFile(target), written);
}

QTEST_GUILESS_MAIN(OutputFilesTest)
#include "tst_OutputFiles.moc"
