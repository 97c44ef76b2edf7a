// A configuration that arrives in the window is refused by "Записать" exactly
// when zq22 write refuses it, with the same words.
#include "BuildingWindow.h"
#include "ImageChecks.h"
#include "RefusedImages.h"

#include <QTest>

class WriteChecksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void acceptedByBoth();
    void refusedByBoth_data();
    void refusedByBoth();
    void askedByBoth_data();
    void askedByBoth();

private:
    // The window's verdict on its pages once the image has arrived; its boxes
    // answered in turn, from the first the build shows.
    static ImageBuilder::Result buildRestored(BuildingWindow& window, const ConfigImage& image,
                                              const QList<Dialogs::Answer>& answers = {});
};

ImageBuilder::Result WriteChecksTest::buildRestored(BuildingWindow& window, const ConfigImage& image,
                                                    const QList<Dialogs::Answer>& answers)
{
    window.window.image() = image;
    window.window.restorePages();
    window.dialogs.forget();
    for (Dialogs::Answer answer : answers)
        window.dialogs.answer(answer);
    return window.builder.build();
}

void WriteChecksTest::acceptedByBoth()
{
    BuildingWindow window;
    QCOMPARE(buildRestored(window, RefusedImages::accepted()), ImageBuilder::Result::Complete);
    QCOMPARE(ImageChecks::ofImage(RefusedImages::accepted(), false).outcome, ImageChecks::Verdict::Outcome::Passed);
}

void WriteChecksTest::refusedByBoth_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    for (const RefusedImages::Case& refused : RefusedImages::cases())
        QTest::newRow(qPrintable(refused.name)) << refused.image.bytes() << refused.text << refused.caption;
}

void WriteChecksTest::refusedByBoth()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    ConfigImage image;
    image.assign(bytes);

    BuildingWindow window;
    QCOMPARE(buildRestored(window, image), ImageBuilder::Result::Stopped);
    QCOMPARE(window.dialogs.last().text, text);
    QCOMPARE(window.dialogs.last().caption, caption);

    const ImageChecks::Verdict verdict = ImageChecks::ofImage(image, true);
    QCOMPARE(verdict.outcome, ImageChecks::Verdict::Outcome::Refused);
    QCOMPARE(verdict.message.text, text);
    QCOMPARE(verdict.message.caption, caption);
}

void WriteChecksTest::askedByBoth_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("question");

    for (const RefusedImages::Case& asking : RefusedImages::asking())
        QTest::newRow(qPrintable(asking.name)) << asking.image.bytes() << asking.text;
}

void WriteChecksTest::askedByBoth()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, question);
    ConfigImage image;
    image.assign(bytes);

    BuildingWindow window;
    // The phones' list ends first, in a box of its own.
    QCOMPARE(buildRestored(window, image, {Dialogs::Answer::Ok, Dialogs::Answer::No}), ImageBuilder::Result::Stopped);
    QCOMPARE(window.dialogs.last().text, question);
    QCOMPARE(window.dialogs.last().buttons, Dialogs::Buttons::YesNo);

    const ImageChecks::Verdict declined = ImageChecks::ofImage(image, false);
    QCOMPARE(declined.outcome, ImageChecks::Verdict::Outcome::Declined);
    QCOMPARE(declined.message.text, question);
    QCOMPARE(ImageChecks::ofImage(image, true).outcome, ImageChecks::Verdict::Outcome::Passed);
}

QTEST_MAIN(WriteChecksTest)
#include "tst_WriteChecks.moc"
