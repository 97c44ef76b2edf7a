#include "Application.h"
#include "FirstCopy.h"
#include "MainWindow.h"
#include "QtDialogs.h"
#include "QtSerialPort.h"
#include "QtTickClock.h"
#include "SingleInstance.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QtDialogs dialogs;

    SingleInstance firstCopy;
    if (!claimFirstCopy(firstCopy, dialogs))
        return 1;

    QtTickClock clock;
    QtSerialPort serial;
    MainWindow window(Platform{dialogs, clock, serial});
    dialogs.setParent(&window);
    app.setDialogs(&dialogs);
    window.show();
    return app.exec();
}
