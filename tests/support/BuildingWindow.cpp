#include "BuildingWindow.h"

#include "ConfigImage.h"

#include <QTabWidget>

BuildingWindow::BuildingWindow()
    : builder(window.image(), dialogs, window.generalPage(), window.zonesPage(), window.textsPage(),
              {*window.findChild<QTabWidget*>(QStringLiteral("PageConfig")),
               *window.findChild<QWidget*>(QStringLiteral("SheetPblSet")),
               *window.findChild<QWidget*>(QStringLiteral("SheetZones"))})
{
}

QByteArray BuildingWindow::build()
{
    if (builder.build() != ImageBuilder::Result::Complete)
        return {};
    return window.image().bytes();
}
