// The factory image of the model, which the command line uses without a
// window, is the image the window builds from its factory configuration.
#include "BuildingWindow.h"
#include "FactoryImage.h"
#include "ImageComparison.h"

#include <QAction>
#include <QTest>

class FactoryImageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowBuildsTheFactoryImage();
};

void FactoryImageTest::windowBuildsTheFactoryImage()
{
    BuildingWindow shell;
    shell.window.show();
    shell.window.findChild<QAction*>(QStringLiteral("ItemDefault"))->trigger();
    shell.dialogs.answer(Dialogs::Answer::Ok);    // the SMS phones: none given
    shell.dialogs.answer(Dialogs::Answer::Yes);   // no balance request: go on
    const QByteArray built = shell.build();
    QCOMPARE(built.size(), ConfigImage::Size);
    ConfigImage windowImage;
    windowImage.assign(built);

    QStringList differences;
    for (const FieldDifference& difference : compareImages(windowImage, factoryImage()))
        differences << QStringLiteral("%1: window %2, model %3")
                           .arg(difference.field->key, difference.valueA, difference.valueB);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    QVERIFY(windowImage == factoryImage());
}

QTEST_MAIN(FactoryImageTest)
#include "tst_FactoryImage.moc"
