#include "CompareWindow.h"

#include "CompareDialog.h"

#include <QAction>
#include <QTreeWidget>

CompareDialog* CompareWindow::compare(const QString& path)
{
    dialogs.answerOpen(path);
    item(QStringLiteral("ItemCompare"))->trigger();
    return window.findChild<CompareDialog*>();
}

CompareDialog* CompareWindow::applyTemplate(const QString& path)
{
    dialogs.answerOpen(path);
    item(QStringLiteral("ItemApplyTemplate"))->trigger();
    return window.findChild<CompareDialog*>();
}

QTreeWidget* CompareWindow::table(CompareDialog* dialog)
{
    return dialog->findChild<QTreeWidget*>(QStringLiteral("Differences"));
}

QTreeWidgetItem* CompareWindow::row(CompareDialog* dialog, const QString& key)
{
    QTreeWidget* rows = table(dialog);
    for (int i = 0; rows && i < rows->topLevelItemCount(); ++i) {
        if (rows->topLevelItem(i)->data(0, CompareDialog::KeyRole).toString() == key)
            return rows->topLevelItem(i);
    }
    return nullptr;
}

QStringList CompareWindow::listedKeys(CompareDialog* dialog)
{
    QStringList keys;
    if (QTreeWidget* rows = table(dialog)) {
        for (int i = 0; i < rows->topLevelItemCount(); ++i)
            keys << rows->topLevelItem(i)->data(0, CompareDialog::KeyRole).toString();
    }
    return keys;
}
