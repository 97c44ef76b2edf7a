#include "Application.h"
#include "EnglishSystem.h"
#include "MainWindow.h"
#include "QtDialogs.h"
#include "TestPlatform.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <qpa/qplatformwindow.h>

namespace {

// What the windowing system is given for a window's title: the platform layer
// may add to the title the widget holds.
struct TitleBar : QPlatformWindow {
    static QString of(const QString& title) { return formatWindowTitle(title, QStringLiteral(" — ")); }
};

const QString WindowCaption = QStringLiteral("Конфигуратор ППК Зорвел-22 Lite (\"ZQ3.22L\") вер. 19.02.19");

struct ShownBox {
    QString title;
    QString yes;
    QString no;
};

// Reads the box once it is up, then answers No.
void readBoxAndAnswerNo(ShownBox& shown)
{
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = {box->windowTitle(), box->button(QMessageBox::Yes)->text().remove(u'&'),
                 box->button(QMessageBox::No)->text().remove(u'&')};
        box->button(QMessageBox::No)->click();
    });
}

} // namespace

// What the application object sets up for every window and box at start.
class ApplicationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titleBarShowsTheCaptionAlone();
    void boxHasItsCaptionAndRussianButtons();
};

void ApplicationTest::titleBarShowsTheCaptionAlone()
{
    TestPlatform doubles;
    MainWindow window(doubles.platform());
    QCOMPARE(TitleBar::of(window.windowTitle()), WindowCaption);
}

void ApplicationTest::boxHasItsCaptionAndRussianButtons()
{
    QtDialogs dialogs;
    ShownBox shown;
    readBoxAndAnswerNo(shown);
    const Dialogs::Answer answer = dialogs.message(Dialogs::Message::question(
        QStringLiteral("Вы действительно хотите завершить программу?"), QStringLiteral("Завершение работы")));
    QCOMPARE(answer, Dialogs::Answer::No);
    QCOMPARE(TitleBar::of(shown.title), QStringLiteral("Завершение работы"));
    QCOMPARE(shown.yes, QStringLiteral("Да"));
    QCOMPARE(shown.no, QStringLiteral("Нет"));
}

int main(int argc, char* argv[])
{
    // The program's boxes are Russian all the same.
    return runOnAnEnglishSystem<Application, ApplicationTest>(argc, argv);
}

#include "tst_Application.moc"
