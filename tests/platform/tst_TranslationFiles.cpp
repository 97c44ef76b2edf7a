// Every text the sources pass through Qt's translation has a finished
// translation in each file of translations/: lupdate over the sources finds
// nothing new, and lrelease compiles every entry.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
};

void TranslationFilesTest::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("Ukrainian") << "zq22lite_uk.ts";
    QTest::newRow("English") << "zq22lite_en.ts";
}

void TranslationFilesTest::everyTextIsTranslated()
{
    QFETCH(QString, file);
    // A copy, so the sources are left as they are.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ts = dir.filePath(file);
    QVERIFY(QFile::copy(QStringLiteral(ZQ_SOURCE_DIR "/translations/") + file, ts));
    QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);

    const QDir src(QStringLiteral(ZQ_SOURCE_DIR "/src"));
    QStringList arguments = {QStringLiteral("-source-language"), QStringLiteral("ru_RU"),
                             QStringLiteral("-locations"), QStringLiteral("none"),
                             QStringLiteral("-extensions"), QStringLiteral("cpp,h"), src.path()};
    for (const char* room : {"model", "link", "editor", "app", "cli", "platform", "platform/widgets"})
        arguments << QStringLiteral("-I") + src.filePath(QLatin1String(room));
    arguments << QStringLiteral("-ts") << ts;
    const Run update = run(QStringLiteral(ZQ_LUPDATE), arguments);
    QVERIFY2(update.exitCode == 0, qPrintable(update.output));
    const QRegularExpressionMatch found
        = QRegularExpression(QStringLiteral("Found (\\d+) source text\\(s\\) \\((\\d+) new")).match(update.output);
    QVERIFY2(found.hasMatch(), qPrintable(update.output));
    QVERIFY2(found.captured(1).toInt() > 0, qPrintable(update.output));
    QVERIFY2(found.captured(2) == QLatin1String("0"),
             qPrintable(QStringLiteral("texts without a translation (run the update_translations target and "
                                       "translate them):\n") + update.output));

    const Run release = run(QStringLiteral(ZQ_LRELEASE), {ts, QStringLiteral("-qm"), dir.filePath(QStringLiteral("out.qm"))});
    QVERIFY2(release.exitCode == 0, qPrintable(release.output));
    QVERIFY2(release.output.contains(QLatin1String(" finished and 0 unfinished)")), qPrintable(release.output));
    QVERIFY2(!release.output.contains(QLatin1String("Ignored")), qPrintable(release.output));
}

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "tst_TranslationFiles.moc"
