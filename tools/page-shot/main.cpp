// Shows the real main window, in its factory configuration, with one of its
// pages in front, so the pages whose tabs are hidden can be looked at.
// Usage: zq22-page-shot <page objectName>, for example SheetZones, SheetMes, or a
// page inside one: SheetGSM, SheetEthernet, RemConfSheet, ArmedMesSheet, tsGR.
// It speaks the language the configurator would ("Сервис" → "Язык", or the system's).
#include "Application.h"
#include "MainWindow.h"
#include "QtPlatform.h"

#include <QStackedWidget>
#include <QTextStream>

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: zq22-page-shot <page objectName>\n";
        return 2;
    }
    QtPlatform qt;
    qt.useChosenLanguage(app);
    MainWindow window(qt.platform());
    qt.dialogs.setParent(&window);
    app.setDialogs(&qt.dialogs);

    auto* page = window.findChild<QWidget*>(args.at(1));
    if (!page || !qobject_cast<QStackedWidget*>(page->parentWidget())) {
        QTextStream(stderr) << "no page named " << args.at(1) << "\n";
        return 2;
    }
    // The first showing puts the factory configuration in and brings the
    // general page forward; the chosen page comes forward after it, with the
    // pages it lies on.
    window.show();
    for (QWidget* widget = page; widget->parentWidget(); widget = widget->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget()))
            stack->setCurrentWidget(widget);
    }
    return app.exec();
}
