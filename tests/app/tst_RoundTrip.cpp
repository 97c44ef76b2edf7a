// Whatever the configurator writes, it reads back to the same pages: restoring
// a built image and building again gives the same bytes, and loading a saved
// file and saving it again gives the same file.
#include "BuildingWindow.h"
#include "ConfigFiles.h"
#include "GeneralPage.h"
#include "PageStates.h"
#include "TestFiles.h"

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Seeds = 60;

struct Shell : BuildingWindow {
    ConfigFiles files{window.image(), dialogs, settings};
};

// Empty when equal, else where and how the second differs from the first.
QString difference(const QByteArray& expected, const QByteArray& actual)
{
    if (expected.size() != actual.size())
        return QStringLiteral("size %1 instead of %2").arg(actual.size()).arg(expected.size());
    QStringList differences;
    for (int offset = 0; offset < expected.size(); ++offset) {
        if (actual[offset] != expected[offset])
            differences << QStringLiteral("offset %1: %2 instead of %3")
                               .arg(offset)
                               .arg(quint8(actual[offset]), 2, 16, QLatin1Char('0'))
                               .arg(quint8(expected[offset]), 2, 16, QLatin1Char('0'));
    }
    return differences.mid(0, 8).join(QStringLiteral("; "));
}

} // namespace

class RoundTripTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void restoreThenBuildKeepsTheImage_data();
    void restoreThenBuildKeepsTheImage();
    void loadThenSaveKeepsTheFile_data();
    void loadThenSaveKeepsTheFile();

private:
    QTemporaryDir m_dir;
};

void RoundTripTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void RoundTripTest::restoreThenBuildKeepsTheImage_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= Seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void RoundTripTest::restoreThenBuildKeepsTheImage()
{
    QFETCH(quint32, seed);
    Shell shell;
    PageStates(seed).fill(shell.window);
    const QByteArray built = shell.build();
    QCOMPARE(built.size(), ConfigImage::Size);

    shell.window.restorePages();
    const QByteArray rebuilt = shell.build();
    QCOMPARE(rebuilt.size(), ConfigImage::Size);
    const QString differs = difference(built, rebuilt);
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
}

void RoundTripTest::loadThenSaveKeepsTheFile_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1000; seed < 1000 + Seeds / 4; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void RoundTripTest::loadThenSaveKeepsTheFile()
{
    QFETCH(quint32, seed);
    const QString first = m_dir.filePath(QStringLiteral("first%1.q22").arg(seed));
    const QString second = m_dir.filePath(QStringLiteral("second%1.q22").arg(seed));
    {
        Shell author;
        PageStates(seed).fill(author.window);
        QCOMPARE(author.build().size(), ConfigImage::Size);
        author.dialogs.answerSave(first);
        QVERIFY(author.files.saveImage(author.window.generalPage().editAccount()->text()));
    }
    Shell reader;
    reader.dialogs.answerOpen(first);
    reader.window.findChild<QAction*>(QStringLiteral("ItemLoad"))->trigger();
    QCOMPARE(reader.build().size(), ConfigImage::Size);
    reader.dialogs.answerSave(second);
    QVERIFY(reader.files.saveImage(reader.window.generalPage().editAccount()->text()));

    const QByteArray saved = readFile(first);
    QCOMPARE(saved.size(), 6 + ConfigImage::Size);
    const QString differs = difference(saved, readFile(second));
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
}

QTEST_MAIN(RoundTripTest)
#include "tst_RoundTrip.moc"
