#include "FileWindow.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "FieldCatalogue.h"
#include "FieldValue.h"
#include "PagesImage.h"
#include "TestFiles.h"

#include <QAction>
#include <QTabWidget>
#include <QTest>

FileWindow::FileWindow()
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never shown");
    dialogs.forget();
}

QString FileWindow::writeConfigFile(const QString& name, const ConfigImage& image) const
{
    if (ConfigFile::write(path(name), image))
        qFatal("cannot write %s", qPrintable(path(name)));
    return path(name);
}

QString FileWindow::writeJsonFile(const QString& name, const ConfigImage& image) const
{
    if (!writeFile(path(name), ConfigJson::write(image)))
        qFatal("cannot write %s", qPrintable(path(name)));
    return path(name);
}

QAction* FileWindow::item(const QString& name) const
{
    return window.findChild<QAction*>(name);
}

ConfigImage FileWindow::pagesImageOf(MainWindow& window)
{
    return window.pagesImage().image;
}

QString FileWindow::currentPage() const
{
    return window.findChild<QTabWidget*>(QStringLiteral("PageConfig"))->currentWidget()->objectName();
}

ConfigImage withValues(ConfigImage image, const QList<std::pair<QString, QJsonValue>>& values)
{
    for (const auto& [key, value] : values) {
        const CatalogueField* field = FieldCatalogue::find(key);
        QString error;
        if (!field || !FieldValue::write(*field, value, image, error))
            qFatal("cannot set %s: %s", qPrintable(key), qPrintable(error));
    }
    return image;
}
