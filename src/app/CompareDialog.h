#pragma once

#include "ImageComparison.h"

#include <QDialog>

// "Сравнить с файлом…": the fields where the pages and a file differ, one row
// each with its page, caption and both values. Activating a row asks for its page.
class CompareDialog final : public QDialog {
    Q_OBJECT
public:
    // `differences` hold the pages' values first and the file's second;
    // `failedCheck` is the write command's box when the pages fail one of its checks.
    CompareDialog(const QString& filePath, const QList<FieldDifference>& differences, const QString& failedCheck,
                  QWidget* parent = nullptr);

    static constexpr int KeyRole = Qt::UserRole;   // the catalogue key of a row

Q_SIGNALS:
    void pageWanted(const QString& page);
};
