// The configurator's own start-up, ended right after the main window's first
// showing has applied the start-up configuration.
#include "Application.h"
#include "FirstCopy.h"
#include "GeneralPage.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "SingleInstance.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QtPlatform qt;

    // The lock of a private folder: a configurator running beside the bench
    // must neither stop it nor be disturbed by it.
    const QTemporaryDir lockFolder;
    SingleInstance firstCopy(lockFolder.path());
    if (!claimFirstCopy(firstCopy, qt.dialogs))
        return 1;

    MainWindow window(qt.platform());
    qt.dialogs.setParent(&window);
    app.setDialogs(&qt.dialogs);
    window.show();
    QTimer::singleShot(0, &app, [&] {
        std::printf("shown %s\n", qPrintable(window.generalPage().editAccount()->text()));
        std::fflush(stdout);
        // exit, not quit: quitting would close the window and ask first.
        QCoreApplication::exit(0);
    });
    return app.exec();
}
