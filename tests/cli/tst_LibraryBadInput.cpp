// Libraries zq22 cannot use, each refused in one line that names it, with
// exit status 2, and left as they were: not a library, another program's
// database, a newer schema, a folder; a PostgreSQL server that is down,
// silent or refuses the login, without a hang; and a read-only library that
// can still be listed and exported.
#include "LibrarySchema.h"
#include "LibraryTexts.h"
#include "SampleConfigs.h"
#include "ScratchLibrary.h"
#include "TestFiles.h"
#include "Zq22Run.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <unistd.h>

namespace {

constexpr int Refused = 2;
constexpr gid_t NobodyId = 65534;

// A library made by zq22 itself, holding one version of the panel 1A2B.
bool makeLibrary(const QString& url, const QString& folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("1A2B.q22"));
    if (!SampleConfigs::write(path, SampleConfigs::factoryOfPanel(0x1A2B)))
        return false;
    return Zq22Run::start({"library", "add", "--library", url, path}).exitCode == 0;
}

QStringList sideFiles(const QString& path)
{
    QStringList found;
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        if (QFile::exists(path + suffix))
            found << path + suffix;
    return found;
}

// zq22 as a user who may not write the library (root may write anything).
void asAnotherUser()
{
    if (geteuid() != 0)
        return;
    if (setgroups(0, nullptr) != 0 || setgid(NobodyId) != 0 || setuid(NobodyId) != 0)
        _exit(126);
}

} // namespace

class LibraryBadInputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusedAndLeftAlone_data();
    void refusedAndLeftAlone();
    void newerSchema_data();
    void newerSchema();
    void noSuchPlace_data();
    void noSuchPlace();
    void readOnlyLibraryIsListedAndExported();
    void postgresUnreachable_data();
    void postgresUnreachable();
    void postgresRefusesTheLogin();
};

void LibraryBadInputTest::refusedAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("reason");

    QByteArray noise(4096, '\0');
    QRandomGenerator(22).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QTest::newRow("random bytes") << noise << "" << LibraryTexts::notSqlite();
    QTest::newRow("a configuration file") << QByteArrayLiteral("ZQ.32U") + QByteArray(9419, '\1') << ""
                                          << LibraryTexts::notSqlite();
    QTest::newRow("another program's database") << QByteArray() << "CREATE TABLE contacts (name TEXT, phone TEXT)"
                                                << LibraryTexts::foreignDatabase();
}

void LibraryBadInputTest::refusedAndLeftAlone()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, sql);
    QFETCH(QString, reason);

    ScratchLibrary scratch;
    ZQ_SCRATCH_LIBRARY(scratch, ScratchLibrary::Engine::Sqlite);
    const QString path = scratch.url();
    if (sql.isEmpty())
        QVERIFY(writeFile(path, contents));
    else
        QVERIFY2(scratch.runSql(sql), qPrintable(scratch.lastError()));
    const QByteArray before = readFile(path);

    for (const QStringList& command : {QStringList{"library", "list"}, QStringList{"library", "history", "1A2B"}}) {
        const Zq22Run run = Zq22Run::start(command + QStringList{"--library", path});
        QCOMPARE(run.exitCode, Refused);
        QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(path, reason)});
        QVERIFY(run.out.isEmpty());
    }
    QCOMPARE(readFile(path), before);
    QCOMPARE(sideFiles(path), QStringList{});
}

void LibraryBadInputTest::newerSchema_data()
{
    addEngineRows();
}

void LibraryBadInputTest::newerSchema()
{
    QFETCH(ScratchLibrary::Engine, engine);
    ScratchLibrary scratch;
    ZQ_SCRATCH_LIBRARY(scratch, engine);
    QTemporaryDir files;
    QVERIFY(makeLibrary(scratch.url(), files.path()));
    const int newer = LibrarySchema::currentVersion() + 1;
    QVERIFY2(
        scratch.runSql(QStringLiteral("INSERT INTO zq22_schema (version, applied) VALUES (%1, '2030-01-01T00:00:00Z')")
                           .arg(newer)),
        qPrintable(scratch.lastError()));

    const Zq22Run run = Zq22Run::start({"library", "list", "--library", scratch.url()});
    QCOMPARE(run.exitCode, Refused);
    QCOMPARE(run.errLines(),
        QStringList{QStringLiteral("zq22: %1: %2")
                        .arg(scratch.url(), LibraryTexts::newerSchema(newer, LibrarySchema::currentVersion()))});
    QVERIFY(run.out.isEmpty());
}

void LibraryBadInputTest::noSuchPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folderMissing");

    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("a missing folder") << "gone/library.sqlite" << true;
}

void LibraryBadInputTest::noSuchPlace()
{
    QFETCH(QString, name);
    QFETCH(bool, folderMissing);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(name);
    const QString reason = folderMissing ? LibraryTexts::noFolder(dir.filePath(QStringLiteral("gone")))
                                         : LibraryTexts::isFolder();

    const Zq22Run run = Zq22Run::start({"library", "list", "--library", path});
    QCOMPARE(run.exitCode, Refused);
    QCOMPARE(run.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(path, reason)});
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gone"))));
}

void LibraryBadInputTest::readOnlyLibraryIsListedAndExported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("library.sqlite"));
    QVERIFY(makeLibrary(path, dir.path()));
    const QString added = dir.filePath(QStringLiteral("1A2B.q22"));
    // Readable by all, writable by nobody but its owner; the folder too.
    const bool root = geteuid() == 0;
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enterable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(path, readable | (root ? QFile::WriteOwner : QFile::Permissions())));
    QVERIFY(QFile::setPermissions(added, readable));
    QVERIFY(QFile::setPermissions(dir.path(),
                                  readable | enterable | (root ? QFile::WriteOwner : QFile::Permissions())));
    const QByteArray before = readFile(path);

    const Zq22Run list = Zq22Run::start({"library", "list", "--library", path}, asAnotherUser);
    QVERIFY2(list.exitCode == 0, qPrintable(list.err));
    QCOMPARE(list.outLines().size(), 1);
    QVERIFY(list.outLines().constFirst().startsWith(QStringLiteral("1A2B\t\t\t1\t")));
    const Zq22Run exported = Zq22Run::start({"library", "export", "1A2B", "--library", path}, asAnotherUser);
    QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
    QVERIFY(exported.out.startsWith("{"));

    const Zq22Run add = Zq22Run::start({"library", "add", "--library", path, added}, asAnotherUser);
    QCOMPARE(add.exitCode, Refused);
    QCOMPARE(add.errLines(), QStringList{QStringLiteral("zq22: %1: %2").arg(path, LibraryTexts::readOnly())});

    QCOMPARE(readFile(path), before);
    QCOMPARE(sideFiles(path), QStringList{});
    QFile::setPermissions(dir.path(), readable | enterable | QFile::WriteOwner);
}

void LibraryBadInputTest::postgresUnreachable_data()
{
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("reason");
    QTest::newRow("down") << false << "Connection refused";
    // A server that takes the connection and never answers is given up after
    // the connect timeout, not waited for.
    QTest::newRow("silent") << true << "timeout expired";
}

void LibraryBadInputTest::postgresUnreachable()
{
    QFETCH(bool, listening);
    QFETCH(QString, reason);

    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    const quint16 port = silent.serverPort();
    if (!listening)
        silent.close();
    qunsetenv("PGCONNECT_TIMEOUT");
    const QString url = QStringLiteral("postgresql://zq22@127.0.0.1:%1/library").arg(port);

    const Zq22Run run = Zq22Run::start({"library", "list", "--library", url});
    QCOMPARE(run.exitCode, Refused);
    QCOMPARE(run.errLines().size(), 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("zq22: %1: ").arg(url)) && run.err.contains(reason),
             qPrintable(run.err));
}

void LibraryBadInputTest::postgresRefusesTheLogin()
{
    ScratchLibrary scratch;
    ZQ_SCRATCH_LIBRARY(scratch, ScratchLibrary::Engine::Postgres);
    QUrl stranger(scratch.url());
    stranger.setUserName(QStringLiteral("stranger"));
    qunsetenv("PGPASSWORD");

    const Zq22Run run = Zq22Run::start({"library", "list", "--library", stranger.toString()});
    QCOMPARE(run.exitCode, Refused);
    QCOMPARE(run.errLines().size(), 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("zq22: %1: ").arg(stranger.toString()))
                 && run.err.contains("no password supplied"),
             qPrintable(run.err));
}

QTEST_GUILESS_MAIN(LibraryBadInputTest)
#include "tst_LibraryBadInput.moc"
