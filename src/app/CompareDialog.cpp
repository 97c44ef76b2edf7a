#include "CompareDialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr QSize InitialSize{680, 420};

constexpr int PageColumn = 0;

QString captionOf(const CatalogueField& field)
{
    return field.section.isEmpty() ? field.caption : field.section + QStringLiteral(" — ") + field.caption;
}

QLabel* wrappedLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

CompareDialog::CompareDialog(const QString& filePath, const QList<FieldDifference>& differences,
                             const QString& failedCheck, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(tr("Сравнение с файлом"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel("CompareFile", tr("Страницы и файл %1").arg(QFileInfo(filePath).fileName())));

    const bool stopped = !failedCheck.isEmpty();
    if (stopped) {
        // What the build could not reach is left out: it would read as empty.
        QLabel* check = wrappedLabel(
            "FailedCheck", tr("Страницы не проходят проверку перед записью: «%1». Сравнено то, что "
                              "построено до этой проверки.")
                               .arg(failedCheck));
        check->setStyleSheet(QStringLiteral("color: red;"));
        layout->addWidget(check);
    }

    if (differences.isEmpty()) {
        layout->addWidget(
            wrappedLabel("NoDifferences", stopped ? tr("До этой проверки различий нет") : tr("Различий нет")), 1,
            Qt::AlignCenter);
    } else {
        auto* table = new QTreeWidget;
        table->setObjectName(QStringLiteral("Differences"));
        table->setRootIsDecorated(false);
        table->setUniformRowHeights(true);
        table->setHeaderLabels({tr("Страница"), tr("Параметр"), tr("На страницах"), tr("В файле")});
        for (const FieldDifference& difference : differences) {
            auto* row = new QTreeWidgetItem(table, {difference.field->page, captionOf(*difference.field),
                                                    difference.valueA, difference.valueB});
            row->setData(PageColumn, KeyRole, difference.field->key);
        }
        table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        connect(table, &QTreeWidget::itemActivated, this,
                [this](QTreeWidgetItem* row) { Q_EMIT pageWanted(row->text(PageColumn)); });
        layout->addWidget(table, 1);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(InitialSize);
}
