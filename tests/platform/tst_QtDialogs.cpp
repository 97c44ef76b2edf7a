#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QTest>
#include <QTimer>

namespace {

// Answers the port chooser once it is up: types the text and accepts, or cancels.
void answerChooser(const std::optional<QString>& typed)
{
    QTimer::singleShot(0, [typed] {
        auto* chooser = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        if (typed) {
            chooser->setTextValue(*typed);
            chooser->accept();
        } else {
            chooser->reject();
        }
    });
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portChooser_data();
    void portChooser();
};

void QtDialogsTest::portChooser_data()
{
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<std::optional<QString>>("port");
    QTest::newRow("typed pseudo-terminal") << std::optional<QString>("/dev/pts/7") << std::optional<QString>("/dev/pts/7");
    QTest::newRow("listed port with description")
        << std::optional<QString>("/dev/ttyUSB0 — USB Serial") << std::optional<QString>("/dev/ttyUSB0");
    QTest::newRow("nothing typed") << std::optional<QString>("  ") << std::optional<QString>();
    QTest::newRow("cancelled") << std::optional<QString>() << std::optional<QString>();
}

void QtDialogsTest::portChooser()
{
    QFETCH(std::optional<QString>, typed);
    QFETCH(std::optional<QString>, port);
    QtDialogs dialogs;
    answerChooser(typed);
    QCOMPARE(dialogs.choosePort(), port);
}

QTEST_MAIN(QtDialogsTest)
#include "tst_QtDialogs.moc"
