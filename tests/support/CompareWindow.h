#pragma once

#include "FileWindow.h"

#include <QStringList>

class CompareDialog;
class QTreeWidget;
class QTreeWidgetItem;

// A shown window whose "Сервис" commands open the compare dialog on a file
// or a template, and what that dialog lists.
struct CompareWindow : FileWindow {
    // The dialog of "Сравнить с файлом…" or "Применить шаблон…" on the file
    // at path; none when the file was not read.
    CompareDialog* compare(const QString& path);
    CompareDialog* applyTemplate(const QString& path);

    static QTreeWidget* table(CompareDialog* dialog);
    static QTreeWidgetItem* row(CompareDialog* dialog, const QString& key);
    static QStringList listedKeys(CompareDialog* dialog);
};
