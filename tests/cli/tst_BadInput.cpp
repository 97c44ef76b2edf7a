// Bad input to every command that reads a configuration: one line on standard
// error that names the file and the reason, exit status 2, nothing on standard
// output, and no output file written or changed.
#include "TestFiles.h"
#include "Zq22Run.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "FactoryImage.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// How the bad input is put on disk.
enum class Make { File, Nothing, Directory, NamedPipe, Oversized };

const QByteArray Previous = QByteArrayLiteral("the previous output, to be kept");

QByteArray validFile()
{
    return ConfigFile::Signature + factoryImage().bytes();
}

QJsonObject withValue(QJsonObject object, const QStringList& path, const QJsonValue& value)
{
    const QString name = path.constFirst();
    object.insert(name, path.size() == 1 ? value : withValue(object.value(name).toObject(), path.mid(1), value));
    return object;
}

// The factory configuration's JSON form with one value set, by key or by path.
QByteArray factoryJsonWith(const QStringList& path, const QJsonValue& value)
{
    const QJsonObject factory = QJsonDocument::fromJson(ConfigJson::write(factoryImage())).object();
    return QJsonDocument(withValue(factory, path, value)).toJson();
}

QByteArray factoryJsonWith(const QString& key, const QJsonValue& value)
{
    return factoryJsonWith(ConfigJson::pathOf(key), value);
}

} // namespace

Q_DECLARE_METATYPE(Make)

class BadInputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refused_data();
    void refused();
};

void BadInputTest::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Make>("make");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");

    const QByteArray valid = validFile();
    QTest::newRow("missing file") << "EC22.q22" << Make::Nothing << QByteArray() << "No such file or directory";
    QTest::newRow("directory") << "EC22.q22" << Make::Directory << QByteArray() << "is a directory";
    QTest::newRow("named pipe") << "EC22.q22" << Make::NamedPipe << QByteArray() << "not a regular file";
    QTest::newRow("named pipe as JSON") << "EC22.json" << Make::NamedPipe << QByteArray() << "not a regular file";
    QTest::newRow("empty file") << "EC22.q22" << Make::File << QByteArray() << "the file is empty";
    QTest::newRow("wrong signature") << "EC22.q22" << Make::File << QByteArray("ZQ.31U") + valid.mid(6)
                                     << "does not start with \"ZQ.32U\"";
    QTest::newRow("text file") << "notes.q22" << Make::File << QByteArray("Z3 on, siren 60 s\n")
                               << "does not start with \"ZQ.32U\"";
    QTest::newRow("one byte short") << "EC22.q22" << Make::File << valid.chopped(1)
                                    << "the file has 9424 bytes, a configuration file has 9425";
    QTest::newRow("signature only") << "EC22.q22" << Make::File << valid.left(6)
                                    << "the file has 6 bytes, a configuration file has 9425";
    QTest::newRow("shorter than the signature") << "EC22.q22" << Make::File << QByteArray("ZQ.3")
                                                << "the file has 4 bytes, a configuration file has 9425";

    const QByteArray json = ConfigJson::write(factoryImage());
    QTest::newRow("malformed JSON") << "EC22.json" << Make::File << json.left(json.size() / 2) << "malformed JSON";
    QTest::newRow("empty JSON file") << "EC22.json" << Make::File << QByteArray() << "the file is empty";
    QTest::newRow("key the format does not know")
        << "EC22.json" << Make::File << factoryJsonWith(QStringLiteral("general.siren_time_min"), 1)
        << "unknown key \"general.siren_time_min\"";
    QTest::newRow("value outside its field's range")
        << "EC22.json" << Make::File << factoryJsonWith(QStringLiteral("zones[Z3].sensitivity_ms"), 100000)
        << "zones[Z3].sensitivity_ms: 100000 is outside 0..2550";
    QTest::newRow("text too long for its field")
        << "EC22.json" << Make::File << factoryJsonWith(QStringLiteral("sms.phones[1]"), QStringLiteral("+79123456789012"))
        << "a text of 15 characters is too long for the field's 13";
    QTest::newRow("format version as text") << "EC22.json" << Make::File
                                            << factoryJsonWith(QStringList{QStringLiteral("version")}, QStringLiteral("1"))
                                            << "\"version\" must be a number; this program reads version 1";
    QTest::newRow("another format version") << "EC22.json" << Make::File
                                            << factoryJsonWith(QStringList{QStringLiteral("version")}, 2)
                                            << "format version 2 is not supported";
    QTest::newRow("JSON too large to be a configuration") << "EC22.json" << Make::Oversized << QByteArray()
                                                          << "too large for a configuration";
    QTest::newRow("JSON of something else") << "EC22.json" << Make::File << QByteArray("[1, 2, 3]")
                                            << "not a configuration";
}

void BadInputTest::refused()
{
    QFETCH(QString, name);
    QFETCH(Make, make);
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString input = dir.filePath(name);
    if (make == Make::File)
        QVERIFY(writeFile(input, contents));
    else if (make == Make::Directory)
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (make == Make::NamedPipe)
        QVERIFY(::mkfifo(QFile::encodeName(input).constData(), 0600) == 0);
    else if (make == Make::Oversized)
        QVERIFY(writeFile(input, contents) && QFile::resize(input, 16 * 1024 * 1024 + 1));
    const QString good = dir.filePath(QStringLiteral("good.q22"));
    QVERIFY(writeFile(good, validFile()));
    const QString json = dir.filePath(QStringLiteral("out.json"));
    const QString q22 = dir.filePath(QStringLiteral("out.q22"));
    QVERIFY(writeFile(json, Previous));
    QVERIFY(writeFile(q22, Previous));
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    const QList<QStringList> commands = {
        {QStringLiteral("show"), input},
        {QStringLiteral("show"), QStringLiteral("--changed"), input},
        {QStringLiteral("diff"), input, good},
        {QStringLiteral("diff"), good, input},
        {QStringLiteral("export"), input},
        {QStringLiteral("export"), input, QStringLiteral("-o"), json},
        {QStringLiteral("import"), input, QStringLiteral("-o"), q22},
    };
    for (const QStringList& arguments : commands) {
        const QString command = arguments.join(QLatin1Char(' '));
        const Zq22Run run = Zq22Run::start(arguments);
        QVERIFY2(run.exitCode == 2, qPrintable(command));
        QVERIFY2(run.out.isEmpty(), qPrintable(command));
        QCOMPARE(run.errLines().size(), 1);
        const QString line = run.errLines().constFirst();
        QVERIFY2(line.startsWith(QStringLiteral("zq22: %1: ").arg(input)), qPrintable(line));
        QVERIFY2(line.contains(reason, Qt::CaseInsensitive), qPrintable(line));
    }
    QCOMPARE(readFile(json), Previous);
    QCOMPARE(readFile(q22), Previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), filesBefore);
}

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_BadInput.moc"
