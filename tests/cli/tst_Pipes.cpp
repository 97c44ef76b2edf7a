// Where zq22 takes and puts configurations besides named files: "-" reads
// standard input, its form told by its first bytes, and "-o -" writes standard
// output, so that commands can be joined by pipes.
#include "TestFiles.h"
#include "Zq22Run.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "SampleConfigs.h"
#include "VirtualPanel.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>

namespace {

ConfigImage sample()
{
    ConfigImage image;
    image.assign(SampleConfigs::scatteredBytes(11));
    return image;
}

} // namespace

class PipesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void standardInputIsReadInEitherForm_data();
    void standardInputIsReadInEitherForm();
    void standardInputIsReadToItsEnd();
    void standardInputThatIsNoConfiguration_data();
    void standardInputThatIsNoConfiguration();
    void standardOutputTakesTheFile_data();
    void standardOutputTakesTheFile();
    void readIntoStandardOutput();

private:
    QTemporaryDir m_dir;
    QString m_q22;    // the sample as a .q22 file
    QByteArray m_json; // and in its JSON form
};

void PipesTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_q22 = m_dir.filePath(QStringLiteral("sample.q22"));
    QVERIFY(!ConfigFile::write(m_q22, sample()));
    m_json = ConfigJson::write(sample());
}

void PipesTest::standardInputIsReadInEitherForm_data()
{
    QTest::addColumn<QByteArray>("input");
    const QByteArray file = ConfigFile::bytesOf(sample());
    QTest::newRow(".q22 file") << file;
    QTest::newRow(".q22 file with bytes after the image") << file + "trailing";
    QTest::newRow("JSON") << m_json;
    QTest::newRow("JSON after a byte order mark and blanks") << QByteArray("\xEF\xBB\xBF \n\t") + m_json;
}

void PipesTest::standardInputIsReadInEitherForm()
{
    QFETCH(QByteArray, input);

    const Zq22Run exported = Zq22Run::withInput(input, {"export", "-"});
    QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
    QCOMPARE(exported.out, m_json);

    const Zq22Run imported = Zq22Run::withInput(input, {"import", "-", "-o", "-"});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
    QCOMPARE(imported.out, ConfigFile::bytesOf(sample()));

    for (const QStringList& arguments : {QStringList{"diff", "-", m_q22}, QStringList{"diff", m_q22, "-"}}) {
        const Zq22Run diff = Zq22Run::withInput(input, arguments);
        QVERIFY2(diff.exitCode == 0, qPrintable(diff.err));
        QVERIFY(diff.out.isEmpty());
    }
    const Zq22Run shown = Zq22Run::withInput(input, {"show", "-"});
    QCOMPARE(shown.exitCode, 0);
    QCOMPARE(shown.out, Zq22Run::start({"show", m_q22}).out);
}

// A writer that pauses half-way, as a program that produces its output slowly
// does: what came first is not the whole document.
void PipesTest::standardInputIsReadToItsEnd()
{
    QProcess zq22;
    zq22.start(Zq22Run::program(), {"import", "-", "-o", "-"});
    QVERIFY(zq22.waitForStarted());
    const qsizetype half = m_json.size() / 2;
    zq22.write(m_json.left(half));
    QVERIFY(zq22.waitForBytesWritten());
    QThread::msleep(300);
    zq22.write(m_json.mid(half));
    zq22.closeWriteChannel();
    QVERIFY(zq22.waitForFinished());
    QCOMPARE(zq22.readAllStandardError(), QByteArray());
    QCOMPARE(zq22.exitCode(), 0);
    QCOMPARE(zq22.readAllStandardOutput(), ConfigFile::bytesOf(sample()));
}

void PipesTest::standardInputThatIsNoConfiguration_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList show{"show", "-"};
    QTest::newRow("nothing") << QByteArray() << show << "zq22: standard input: it is empty";
    QTest::newRow("text") << QByteArray("Z3 on, siren 60 s\n") << show
                          << "zq22: standard input: neither a .q22 file (it does not start with \"ZQ.32U\") nor a "
                             "JSON document";
    QTest::newRow(".q22 file cut short") << ConfigFile::bytesOf(sample()).left(100) << show
                                         << "zq22: standard input: the file has 100 bytes, a configuration file has 9425";
    QTest::newRow("JSON cut short") << QByteArray("{\n  \"format\": ") << show
                                    << "zq22: standard input: malformed JSON at line 2, column 13: unterminated object";
    QTest::newRow("both sides of diff") << ConfigFile::bytesOf(sample()) << QStringList{"diff", "-", "-"}
                                        << "zq22: diff: standard input (-) can be only one of A and B";
}

void PipesTest::standardInputThatIsNoConfiguration()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const Zq22Run run = Zq22Run::withInput(input, arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.errLines(), QStringList{message});
}

void PipesTest::standardOutputTakesTheFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("export") << QStringList{"export", m_q22, "-o", "-"} << m_json;
    QTest::newRow("import") << QStringList{"import", m_q22, "-o", "-"} << ConfigFile::bytesOf(sample());
}

void PipesTest::standardOutputTakesTheFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);

    const Zq22Run run = Zq22Run::start(arguments);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, output);
    QVERIFY(run.err.isEmpty());
}

void PipesTest::readIntoStandardOutput()
{
    const QByteArray image = SampleConfigs::scatteredBytes(5);
    const QString held = m_dir.filePath(QStringLiteral("held.q22"));
    QVERIFY(writeFile(held, ConfigFile::Signature + image));
    VirtualPanel panel;
    QVERIFY2(panel.start({held}), qPrintable(panel.errors()));

    const Zq22Run run = Zq22Run::start({"read", "--port", panel.devicePath(), "-o", "-"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, ConfigFile::Signature + image);
    // The messages stay on standard error.
    QVERIFY2(run.errLines().constLast().endsWith(QStringLiteral(" выполнено.")), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(PipesTest)
#include "tst_Pipes.moc"
