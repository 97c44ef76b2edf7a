// Shows the real main window, in its factory configuration, with one of its
// pages in front, so the pages whose tabs are hidden can be looked at.
// Usage: zq22-page-shot <page objectName>, for example SheetZones or SheetMes.
// It speaks the language the configurator would ("Сервис" → "Язык", or the system's).
#include "Application.h"
#include "MainWindow.h"
#include "QtPlatform.h"

#include <QTabWidget>
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
    app.setLanguage(Translations::chosen(qt.preferences));
    MainWindow window(qt.platform());
    qt.dialogs.setParent(&window);
    app.setDialogs(&qt.dialogs);

    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageConfig"));
    auto* page = pages ? pages->findChild<QWidget*>(args.at(1)) : nullptr;
    if (!page || pages->indexOf(page) < 0) {
        QTextStream(stderr) << "no page named " << args.at(1) << "\n";
        return 2;
    }
    // The first showing puts the factory configuration in and brings the
    // general page forward; the chosen page comes forward after it.
    window.show();
    pages->setCurrentWidget(page);
    return app.exec();
}
