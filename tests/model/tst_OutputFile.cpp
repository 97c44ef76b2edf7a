// Where a written file lands: a regular file is replaced whole, a symbolic link
// stays a link and its target is written, and nothing that is not a regular
// file is ever replaced.
#include "OutputFile.h"
#include "PrivateMount.h"
#include "NonRegularFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>


namespace {

const QByteArray Old = QByteArrayLiteral("what was there before");
const QByteArray New = QByteArrayLiteral("the new output");

} // namespace

class OutputFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nonRegularFilesAreNeverReplaced_data();
    void nonRegularFilesAreNeverReplaced();
    void symbolicLinksStayLinks_data();
    void symbolicLinksStayLinks();
    void newAndRegularFilesAreWritten();
    void missingFolderIsNamed();
    void readOnlyFileSystemIsNamed();
};

void OutputFileTest::nonRegularFilesAreNeverReplaced_data()
{
    QTest::addColumn<NonRegularFile>("kind");
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<QString>("kindName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shownText");
    const QString notRegular = QStringLiteral("not a regular file");
    const QString notRegularShown = QStringLiteral("не является обычным файлом");
    QTest::newRow("named pipe") << NonRegularFile::NamedPipe << false << "named pipe" << notRegular << notRegularShown;
    QTest::newRow("character device") << NonRegularFile::CharacterDevice << false << "character device" << notRegular
                                      << notRegularShown;
    QTest::newRow("socket") << NonRegularFile::Socket << false << "socket" << notRegular << notRegularShown;
    QTest::newRow("directory") << NonRegularFile::Directory << false << "directory" << "it is a directory"
                               << notRegularShown;
    QTest::newRow("link to a named pipe") << NonRegularFile::NamedPipe << true << "named pipe" << notRegular
                                          << notRegularShown;
    QTest::newRow("link to a character device") << NonRegularFile::CharacterDevice << true << "character device"
                                                << notRegular << notRegularShown;
}

void OutputFileTest::nonRegularFilesAreNeverReplaced()
{
    QFETCH(NonRegularFile, kind);
    QFETCH(bool, throughLink);
    QFETCH(QString, kindName);
    QFETCH(QString, text);
    QFETCH(QString, shownText);

    QTemporaryDir dir;
    const QString target = nonRegularTarget(dir.path(), kind, throughLink);
    if (target.isEmpty())
        QSKIP("this user may not make it here");

    QCOMPARE(OutputFile::refusal(target)->text, text);
    const auto error = OutputFile::write(target, New);
    QVERIFY(error);
    QCOMPARE(error->text, text);
    QCOMPARE(error->shownText, shownText);
    QCOMPARE(kindOf(dir.filePath(QStringLiteral("odd"))), kindName);
    QCOMPARE(kindOf(target), throughLink ? QStringLiteral("symbolic link") : kindName);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(),
             throughLink ? 2 : 1);
}

void OutputFileTest::symbolicLinksStayLinks_data()
{
    QTest::addColumn<QString>("linkTarget");   // what the link holds
    QTest::addColumn<QString>("written");      // the file that receives the bytes
    QTest::newRow("to a file beside it") << "config.q22" << "config.q22";
    QTest::newRow("to a file in another folder") << "sub/config.q22" << "sub/config.q22";
    QTest::newRow("to a link to a file") << "second" << "config.q22";
    QTest::newRow("to nothing yet") << "fresh.q22" << "fresh.q22";
}

void OutputFileTest::symbolicLinksStayLinks()
{
    QFETCH(QString, linkTarget);
    QFETCH(QString, written);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("config.q22")), Old));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("sub/config.q22")), Old));
    QVERIFY(QFile::link(QStringLiteral("config.q22"), dir.filePath(QStringLiteral("second"))));
    const QString link = dir.filePath(QStringLiteral("link"));
    QVERIFY(QFile::link(linkTarget, link));

    QVERIFY(!OutputFile::write(link, New));
    QCOMPARE(kindOf(link), QStringLiteral("symbolic link"));
    QCOMPARE(QFile::symLinkTarget(link), dir.filePath(linkTarget));
    QCOMPARE(readFile(dir.filePath(written)), New);
    QCOMPARE(kindOf(dir.filePath(written)), QStringLiteral("regular file"));
}

void OutputFileTest::newAndRegularFilesAreWritten()
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.json"));
    const QString old = dir.filePath(QStringLiteral("old.json"));
    QVERIFY(writeFile(old, Old));
    QVERIFY(!OutputFile::refusal(fresh) && !OutputFile::refusal(old));
    QVERIFY(!OutputFile::write(fresh, New));
    QVERIFY(!OutputFile::write(old, New));
    QCOMPARE(readFile(fresh), New);
    QCOMPARE(readFile(old), New);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("fresh.json"), QStringLiteral("old.json")}));
}

void OutputFileTest::missingFolderIsNamed()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("missing"));
    const auto error = OutputFile::write(folder + QStringLiteral("/EC22.q22"), New);
    QVERIFY(error);
    QCOMPARE(error->text, QStringLiteral("there is no directory %1").arg(folder));
    QCOMPARE(error->shownText, QStringLiteral("нет папки %1").arg(folder));
    QVERIFY(!QFileInfo::exists(folder));
}

void OutputFileTest::readOnlyFileSystemIsNamed()
{
    QTemporaryDir dir;
    PrivateMount mount(dir.path());
    if (!mount.isMounted())
        QSKIP("needs the right to mount a file system");
    const QString existing = dir.filePath(QStringLiteral("EC22.q22"));
    QVERIFY(writeFile(existing, Old));
    QVERIFY(mount.makeReadOnly());

    for (const QString& path : {existing, dir.filePath(QStringLiteral("new.q22"))}) {
        const auto error = OutputFile::write(path, New);
        QVERIFY(error);
        QCOMPARE(error->text, QStringLiteral("the file system %1 is read-only").arg(dir.path()));
        QCOMPARE(error->shownText, QStringLiteral("файловая система %1 доступна только для чтения").arg(dir.path()));
    }
    QCOMPARE(readFile(existing), Old);
}

QTEST_GUILESS_MAIN(OutputFileTest)
#include "tst_OutputFile.moc"
