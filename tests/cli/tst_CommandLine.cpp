// What every command of zq22 shares: the help, the version, the usage errors
// and their exit status, and standard output that must really be written.
#include "Zq22Run.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QStringList CommandNames = {QStringLiteral("show"), QStringLiteral("export"), QStringLiteral("import"),
                                  QStringLiteral("diff"), QStringLiteral("set"),    QStringLiteral("apply"),
                                  QStringLiteral("check"),  QStringLiteral("library")};

// The commands a help lists, one a line under "Commands:", each before its summary.
QStringList listedCommands(const QString& help)
{
    const QString list = help.section(QStringLiteral("Commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    QStringList names;
    for (const QString& line : list.split(QLatin1Char('\n')))
        names << line.simplified().section(QLatin1Char(' '), 0, 0);
    return names;
}

// What the man page's entries begin with, its font changes and quotes taken out:
// "library diff PANEL [V1 [V2]]".
QStringList manPageEntries()
{
    QFile page(QStringLiteral(ZQ_SOURCE_DIR "/packaging/man/zq22.1"));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(page.readAll()).split(QLatin1Char('\n'));
    static const QRegularExpression markup(QStringLiteral("^\\.B[IR]? |\\\\f[BIRP]|\""));
    QStringList entries;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (lines.at(i - 1) == QLatin1String(".TP") || lines.at(i - 1) == QLatin1String(".TQ"))
            entries << QString(lines.at(i)).remove(markup).simplified();
    return entries;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void programHelpListsEveryCommand();
    void manPageDescribesEveryCommand();
    void commandHelp_data();
    void commandHelp();
    void version();
    void usageErrors_data();
    void usageErrors();
    void noCommandGivesTheHelpAsAnError();
    void unwritableStandardOutputIsAFailure();
};

void CommandLineTest::programHelpListsEveryCommand()
{
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Zq22Run run = Zq22Run::start({option});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QString help = QString::fromUtf8(run.out);
        QVERIFY(help.startsWith(QStringLiteral("Usage: zq22 COMMAND")));
        for (const QString& name : CommandNames)
            QVERIFY2(help.contains(QStringLiteral("\n  ") + name + QLatin1Char(' ')), qPrintable(name));
    }
}

// Every command the helps list, those of a group too, has its entry in the man page.
void CommandLineTest::manPageDescribesEveryCommand()
{
    const QStringList entries = manPageEntries();
    QVERIFY(!entries.isEmpty());
    QStringList commands = listedCommands(QString::fromUtf8(Zq22Run::start({"--help"}).out));
    QVERIFY(commands.contains(QStringLiteral("library")));
    commands.removeAll(QStringLiteral("library"));
    const QStringList libraryCommands = listedCommands(QString::fromUtf8(Zq22Run::start({"library", "--help"}).out));
    QVERIFY(libraryCommands.contains(QStringLiteral("check")));
    for (const QString& name : libraryCommands)
        commands << QStringLiteral("library ") + name;
    for (const QString& command : commands) {
        const auto described = [&command](const QString& entry) {
            return entry == command || entry.startsWith(command + QLatin1Char(' '));
        };
        QVERIFY2(std::any_of(entries.cbegin(), entries.cend(), described), qPrintable(command));
    }
}

void CommandLineTest::commandHelp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("mentions");

    QTest::newRow("show") << QStringList{"show", "--help"} << "Usage: zq22 show [options] FILE" << "--changed";
    QTest::newRow("export") << QStringList{"export", "-h"} << "Usage: zq22 export [options] FILE" << "-o, --output OUT.json";
    QTest::newRow("import") << QStringList{"import", "--help"} << "Usage: zq22 import [options] IN.json"
                            << "-o, --output OUT.q22";
    QTest::newRow("diff") << QStringList{"diff", "--help"} << "Usage: zq22 diff [options] A B" << "value in A";
    QTest::newRow("ports") << QStringList{"ports", "--help"} << "Usage: zq22 ports [options]" << "port chooser";
    QTest::newRow("read") << QStringList{"read", "--help"} << "Usage: zq22 read [options]" << "--listen-port N";
    QTest::newRow("write") << QStringList{"write", "--help"} << "Usage: zq22 write [options] FILE" << "--yes";
    QTest::newRow("library") << QStringList{"library", "--help"} << "Usage: zq22 library COMMAND [options] ARGUMENTS..."
                             << "\n  history  List a panel's versions.\n";
    QTest::newRow("library list") << QStringList{"library", "list", "-h"} << "Usage: zq22 library list [options]"
                                  << "--search TEXT";
    QTest::newRow("library add") << QStringList{"library", "add", "--help"}
                                 << "Usage: zq22 library add [options] FILE..." << "--library URL";
    QTest::newRow("library diff") << QStringList{"library", "diff", "--help"}
                                  << "Usage: zq22 library diff [options] PANEL [V1 [V2]]" << "the two newest";
    QTest::newRow("library check") << QStringList{"library", "check", "--help"}
                                   << "Usage: zq22 library check [options] TEMPLATE" << "the panel's value";
    QTest::newRow("read records") << QStringList{"read", "--help"} << "Usage: zq22 read [options]" << "--no-library";
    QTest::newRow("set") << QStringList{"set", "--help"} << "Usage: zq22 set [options] FILE KEY=VALUE..."
                         << "  KEY=VALUE...  a field's key";
    QTest::newRow("apply") << QStringList{"apply", "--help"} << "Usage: zq22 apply [options] TEMPLATE FILE..."
                           << "--in-place";
    QTest::newRow("check") << QStringList{"check", "--help"} << "Usage: zq22 check [options] TEMPLATE FILE..."
                           << "the template's value";
    // Help wins over everything else on the line, even what would be an error.
    QTest::newRow("help with wrong arguments") << QStringList{"diff", "only-one.q22", "--help"}
                                               << "Usage: zq22 diff [options] A B" << "Exit status";
}

void CommandLineTest::commandHelp()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, usage);
    QFETCH(QString, mentions);

    const Zq22Run run = Zq22Run::start(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines().value(0), usage);
    QVERIFY(QString::fromUtf8(run.out).contains(mentions));
    QVERIFY(run.err.isEmpty());
}

void CommandLineTest::version()
{
    const Zq22Run run = Zq22Run::start({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), QStringList{QStringLiteral("zq22 %1").arg(QStringLiteral(ZQ_VERSION))});
}

void CommandLineTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown command") << QStringList{"frobnicate", "a.q22"}
                                     << "zq22: frobnicate: no such command; see \"zq22 --help\"";
    QTest::newRow("unknown option") << QStringList{"show", "--verbose", "a.q22"}
                                    << "zq22: show: Unknown option 'verbose'; see \"zq22 show --help\"";
    QTest::newRow("missing argument") << QStringList{"diff", "a.q22"}
                                      << "zq22: diff: expects A B; see \"zq22 diff --help\"";
    QTest::newRow("extra argument") << QStringList{"show", "a.q22", "b.q22"}
                                    << "zq22: show: expects FILE; see \"zq22 show --help\"";
    QTest::newRow("option without its value") << QStringList{"export", "a.q22", "-o"}
                                              << "zq22: export: Missing value after '-o'; see \"zq22 export --help\"";
    QTest::newRow("import without output") << QStringList{"import", "a.json"}
                                           << "zq22: import: expects -o OUT.q22; see \"zq22 import --help\"";
    QTest::newRow("read without output") << QStringList{"read", "--port", "/dev/ttyUSB0"}
                                         << "zq22: read: expects -o FILE.q22; see \"zq22 read --help\"";
    QTest::newRow("read from nowhere") << QStringList{"read", "-o", "a.q22"}
                                       << "zq22: read: give either --port DEV or --udp; see \"zq22 read --help\"";
    QTest::newRow("read from both") << QStringList{"read", "--port", "/dev/ttyUSB0", "--udp", "-o", "a.q22"}
                                    << "zq22: read: give either --port DEV or --udp; see \"zq22 read --help\"";
    QTest::newRow("listen port of no port")
        << QStringList{"read", "--udp", "--listen-port", "70000", "-o", "a.q22"}
        << "zq22: read: --listen-port takes a port from 1 to 65535; see \"zq22 read --help\"";
    QTest::newRow("listen port on a serial port")
        << QStringList{"read", "--port", "/dev/ttyUSB0", "--listen-port", "9990", "-o", "a.q22"}
        << "zq22: read: --listen-port goes with --udp; see \"zq22 read --help\"";
    QTest::newRow("timeout of no time") << QStringList{"read", "--udp", "--timeout", "0", "-o", "a.q22"}
                                        << "zq22: read: --timeout takes a number of seconds above 0, at most 86400; "
                                           "see \"zq22 read --help\"";
    QTest::newRow("timeout not a number") << QStringList{"read", "--port", "/dev/ttyUSB0", "--timeout", "soon", "-o", "a.q22"}
                                          << "zq22: read: --timeout takes a number of seconds above 0, at most 86400; "
                                             "see \"zq22 read --help\"";
    QTest::newRow("write without a file") << QStringList{"write", "--port", "/dev/ttyUSB0"}
                                          << "zq22: write: expects FILE; see \"zq22 write --help\"";
    QTest::newRow("set without a value") << QStringList{"set", "a.q22", "-o", "b.q22"}
                                         << "zq22: set: expects FILE KEY=VALUE...; see \"zq22 set --help\"";
    QTest::newRow("set without output") << QStringList{"set", "a.q22", "general.siren_time_s=60"}
                                        << "zq22: set: expects -o OUT; see \"zq22 set --help\"";
    QTest::newRow("check without a file") << QStringList{"check", "standard.json"}
                                          << "zq22: check: expects TEMPLATE FILE...; see \"zq22 check --help\"";
    QTest::newRow("argument to ports") << QStringList{"ports", "/dev/ttyUSB0"}
                                       << "zq22: ports: takes no arguments; see \"zq22 ports --help\"";
    QTest::newRow("unknown library command")
        << QStringList{"library", "remove", "1A2B"}
        << "zq22: library remove: no such command; see \"zq22 library --help\"";
    QTest::newRow("history without a panel")
        << QStringList{"library", "history"}
        << "zq22: library history: expects PANEL; see \"zq22 library history --help\"";
    QTest::newRow("add without a file") << QStringList{"library", "add", "--note", "x"}
                                        << "zq22: library add: expects FILE...; see \"zq22 library add --help\"";
    QTest::newRow("diff of three versions")
        << QStringList{"library", "diff", "1A2B", "1", "2", "3"}
        << "zq22: library diff: expects PANEL [V1 [V2]]; see \"zq22 library diff --help\"";
    QTest::newRow("library check without a template")
        << QStringList{"library", "check", "--library", "library.sqlite"}
        << "zq22: library check: expects TEMPLATE; see \"zq22 library check --help\"";
    QTest::newRow("a panel that is none")
        << QStringList{"library", "history", "1A2"}
        << "zq22: library history: «1A2» не номер панели: нужны четыре шестнадцатеричные цифры";
    QTest::newRow("a version that is none")
        << QStringList{"library", "export", "1A2B", "--version", "0"}
        << "zq22: library export: 0 is not a version number; see \"zq22 library export --help\"";
    QTest::newRow("set without a change")
        << QStringList{"library", "set", "1A2B"}
        << "zq22: library set: give --name, --address, --contact or --notes; see \"zq22 library set --help\"";
    QTest::newRow("library of another engine")
        << QStringList{"library", "list", "--library", "mysql://db.example/zq22"}
        << "zq22: mysql://db.example/zq22: библиотека — это путь к файлу SQLite или "
           "postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА, а не адрес «mysql://»";
}

void CommandLineTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const Zq22Run run = Zq22Run::start(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.errLines(), QStringList{message});
}

void CommandLineTest::noCommandGivesTheHelpAsAnError()
{
    const Zq22Run run = Zq22Run::start({});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith(QStringLiteral("Usage: zq22 COMMAND")));
    const Zq22Run library = Zq22Run::start({QStringLiteral("library")});
    QCOMPARE(library.exitCode, 2);
    QVERIFY(library.out.isEmpty());
    QVERIFY(library.err.startsWith(QStringLiteral("Usage: zq22 library COMMAND")));
}

void CommandLineTest::unwritableStandardOutputIsAFailure()
{
    const Zq22Run run = Zq22Run::start({QStringLiteral("--help")}, [] {
        const int full = ::open("/dev/full", O_WRONLY);
        ::dup2(full, STDOUT_FILENO);
    });
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("zq22: standard output: ")), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_CommandLine.moc"
