#include "Application.h"
#include "ScriptedDialogs.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

// An exception that escapes an event handler ends in the "Exception" box and
// the program goes on with the next event.
class AppExceptionTest : public QObject {
    Q_OBJECT
public:
    explicit AppExceptionTest(Application& app) : m_app(app) {}

private Q_SLOTS:
    void escapingExceptionIsShownAndTheProgramGoesOn();

private:
    Application& m_app;
};

void AppExceptionTest::escapingExceptionIsShownAndTheProgramGoesOn()
{
    ScriptedDialogs dialogs;
    m_app.setDialogs(&dialogs);

    QPushButton button(QStringLiteral("throw"));
    int clicks = 0;
    connect(&button, &QPushButton::clicked, [&] {
        if (++clicks == 1)
            throw std::runtime_error("Ошибка в обработчике");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);

    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.last().text, QStringLiteral("Ошибка в обработчике"));
    QCOMPARE(dialogs.last().caption, QStringLiteral("Exception"));
    QCOMPARE(dialogs.last().icon, Dialogs::Icon::None);
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::Ok);
    QVERIFY(dialogs.last().onTop);

    // The same handler runs again on the next event.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);

    // Timers run through the same path.
    bool timerRan = false;
    QTimer::singleShot(0, &button, [&] {
        timerRan = true;
        throw std::logic_error("из таймера");
    });
    QTRY_VERIFY(timerRan);
    QTRY_COMPARE(dialogs.shown().size(), 2);
    QCOMPARE(dialogs.last().text, QStringLiteral("из таймера"));
    m_app.setDialogs(nullptr);
}

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    AppExceptionTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_AppException.moc"
