#include "FirstCopy.h"
#include "ScriptedDialogs.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// A first copy of the program, as a separate process holding the lock.
class FirstCopyProcess {
public:
    explicit FirstCopyProcess(const QString& folder)
    {
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tool_hold_lock"), {folder});
    }
    ~FirstCopyProcess() { stop(); }

    QByteArray waitForLine()
    {
        if (!m_process.waitForReadyRead(10000))
            return {};
        return m_process.readLine().trimmed();
    }
    void crash()
    {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
        m_process.waitForFinished();
    }
    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished();
        }
    }

private:
    QProcess m_process;
};

} // namespace

class FirstCopyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondCopyIsRefusedWhileTheFirstRuns_data();
    void secondCopyIsRefusedWhileTheFirstRuns();
};

void FirstCopyTest::secondCopyIsRefusedWhileTheFirstRuns_data()
{
    QTest::addColumn<bool>("crashes");
    QTest::newRow("first copy ends") << false;
    QTest::newRow("first copy crashes") << true;
}

void FirstCopyTest::secondCopyIsRefusedWhileTheFirstRuns()
{
    QFETCH(bool, crashes);
    QTemporaryDir folder;
    FirstCopyProcess first(folder.path());
    QCOMPARE(first.waitForLine(), QByteArray("locked"));

    ScriptedDialogs dialogs;
    {
        SingleInstance second(folder.path());
        QVERIFY(!claimFirstCopy(second, dialogs));
    }
    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.last().text, QStringLiteral("Приложение уже загружено"));
    QCOMPARE(dialogs.last().caption, QStringLiteral("Повторный запуск приложения"));
    QCOMPARE(dialogs.last().icon, Dialogs::Icon::Stop);
    QVERIFY(dialogs.last().onTop);

    if (crashes)
        first.crash();
    else
        first.stop();

    SingleInstance next(folder.path());
    QVERIFY(claimFirstCopy(next, dialogs));
    QCOMPARE(dialogs.shown().size(), 1);
}

QTEST_GUILESS_MAIN(FirstCopyTest)
#include "tst_FirstCopy.moc"
