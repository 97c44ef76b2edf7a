#include "Application.h"
#include "FirstCopy.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "SingleInstance.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QtPlatform qt;
    // Before the first text is shown: a new choice in "Язык" takes effect at the next start.
    qt.useChosenLanguage(app);

    SingleInstance firstCopy;
    if (!claimFirstCopy(firstCopy, qt.dialogs))
        return 1;

    MainWindow window(qt.platform());
    window.setStartFiles(app.arguments().mid(1));
    qt.dialogs.setParent(&window);
    app.setDialogs(&qt.dialogs);
    window.show();
    return app.exec();
}
