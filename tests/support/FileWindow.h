#pragma once

#include "ConfigImage.h"
#include "MainWindow.h"
#include "TestPlatform.h"

#include <QJsonValue>
#include <QList>
#include <QTemporaryDir>

#include <utility>

class QAction;

// A shown window in its factory configuration, with a folder for the files
// it is to compare, load or report into.
struct FileWindow : TestPlatform {
    QTemporaryDir dir;
    MainWindow window{platform()};

    FileWindow();

    QString path(const QString& name) const { return dir.filePath(name); }
    // A configuration file, or the configuration's JSON form; the path.
    QString writeConfigFile(const QString& name, const ConfigImage& image) const;
    QString writeJsonFile(const QString& name, const ConfigImage& image) const;

    QAction* item(const QString& name) const;
    // The pages as the window would write them, without a box.
    ConfigImage pagesImage() { return pagesImageOf(window); }
    static ConfigImage pagesImageOf(MainWindow& window);
    QString currentPage() const;   // the objectName of PageConfig's current page
};

// `image` with catalogue fields set to readable values, as the JSON form gives them.
ConfigImage withValues(ConfigImage image, const QList<std::pair<QString, QJsonValue>>& values);
