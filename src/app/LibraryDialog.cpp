#include "LibraryDialog.h"

#include "ConfigOutput.h"
#include "Dialogs.h"
#include "LibrarySettings.h"
#include "LibrarySettingsDialog.h"
#include "OutputFile.h"
#include "PanelDetailsForm.h"
#include "PanelListModel.h"
#include "VersionListModel.h"
#include "VersionRecording.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr QSize OpeningSize{940, 640};
constexpr int RowPadding = 6;

QPushButton* button(const QString& text, const char* name)
{
    auto* made = new QPushButton(text);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    return made;
}

// Rows of one height and no sizing to contents: a list of ten thousand costs
// what the rows in sight cost.
QTableView* table(QAbstractItemModel* model, const char* name, QAbstractItemView::SelectionMode selection,
                  const QList<int>& widths)
{
    auto* view = new QTableView;
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(selection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + RowPadding);
    view->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < widths.size(); ++column)
        view->setColumnWidth(column, widths.at(column));
    return view;
}

} // namespace

LibraryDialog::LibraryDialog(Preferences& preferences, Dialogs& dialogs, const QString& folder, QWidget* parent)
    : QDialog(parent)
    , m_preferences(preferences)
    , m_dialogs(dialogs)
    , m_folder(folder)
    , m_panelModel(new PanelListModel(this))
    , m_historyModel(new VersionListModel(this))
{
    setObjectName(QStringLiteral("LibraryDialog"));
    setWindowTitle(tr("Библиотека"));
    setModal(false);
    buildLayout();
    resize(OpeningSize);
    reopen();
}

LibraryDialog::~LibraryDialog() = default;

void LibraryDialog::buildLayout()
{
    m_where = new QLabel;
    m_where->setObjectName(QStringLiteral("LibraryWhere"));
    m_where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_where->setWordWrap(true);
    QPushButton* settings = button(tr("Настройки…"), "LibrarySettings");
    connect(settings, &QPushButton::clicked, this, &LibraryDialog::chooseSettings);
    auto* top = new QHBoxLayout;
    top->addWidget(m_where, 1);
    top->addWidget(settings);

    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("LibrarySearch"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(tr("ППК, объект, адрес, контакт или заметки"));
    auto* searchLabel = new QLabel(tr("&Поиск:"));
    searchLabel->setBuddy(m_search);
    connect(m_search, &QLineEdit::textChanged, this, &LibraryDialog::listPanels);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);

    m_panels = table(m_panelModel, "LibraryPanels", QAbstractItemView::SingleSelection, {70, 260, 320, 70});
    connect(m_panels->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LibraryDialog::showPanel);
    connect(m_panelModel, &PanelListModel::failed, this, &LibraryDialog::showReason);

    m_details = new PanelDetailsForm;
    m_details->setObjectName(QStringLiteral("LibraryDetails"));
    connect(m_details, &PanelDetailsForm::saveWanted, this, &LibraryDialog::saveDetails);

    m_history = table(m_historyModel, "LibraryHistory", QAbstractItemView::ExtendedSelection,
                      {110, 80, 130, 80, 110});
    connect(m_history->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LibraryDialog::updateButtons);
    m_open = button(tr("Открыть"), "LibraryOpen");
    m_comparePages = button(tr("Сравнить со страницами"), "LibraryComparePages");
    m_compareVersions = button(tr("Сравнить версии"), "LibraryCompareVersions");
    m_export = button(tr("Экспорт…"), "LibraryExport");
    connect(m_open, &QPushButton::clicked, this, &LibraryDialog::openVersion);
    connect(m_comparePages, &QPushButton::clicked, this, &LibraryDialog::compareWithPages);
    connect(m_compareVersions, &QPushButton::clicked, this, &LibraryDialog::compareVersions);
    connect(m_export, &QPushButton::clicked, this, &LibraryDialog::exportVersion);
    auto* versionButtons = new QHBoxLayout;
    for (QPushButton* each : {m_open, m_comparePages, m_compareVersions, m_export})
        versionButtons->addWidget(each);
    versionButtons->addStretch();
    auto* historyColumn = new QVBoxLayout;
    historyColumn->addWidget(m_history, 1);
    historyColumn->addLayout(versionButtons);

    auto* panelRow = new QHBoxLayout;
    panelRow->addWidget(m_details, 2);
    panelRow->addLayout(historyColumn, 5);

    m_addPages = button(tr("Добавить страницы"), "LibraryAddPages");
    connect(m_addPages, &QPushButton::clicked, this, &LibraryDialog::addPagesWanted);
    QPushButton* close = button(tr("Закрыть"), "LibraryClose");
    connect(close, &QPushButton::clicked, this, &LibraryDialog::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_addPages);
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(searchRow);
    layout->addWidget(m_panels, 3);
    layout->addLayout(panelRow, 2);
    layout->addLayout(bottom);
}

void LibraryDialog::reopen()
{
    m_library.reset();
    const LibraryResult<LibraryUrl> url = LibrarySettings(m_preferences).url();
    auto opened = url ? Library::open(*url) : LibraryResult<std::unique_ptr<Library>>::failure(url.error);
    if (opened) {
        m_library = std::move(*opened);
        m_where->setStyleSheet(QString());
        m_where->setText(m_library->isReadOnly() ? tr("Библиотека: %1 (только для чтения)").arg(url->text())
                                                 : tr("Библиотека: %1").arg(url->text()));
    } else {
        m_where->setStyleSheet(QStringLiteral("color: red;"));
        m_where->setText(tr("Библиотека %1 не открыта: %2")
                             .arg(url ? url->text() : LibrarySettings(m_preferences).urlText(), opened.error));
    }
    listPanels();
}

void LibraryDialog::refresh()
{
    listPanels();
}

void LibraryDialog::choosePanel(const QString& identifier)
{
    // A panel the library does not hold is not looked for down a long list.
    if (!m_library || !m_library->details(identifier))
        return;
    const int row = m_panelModel->find(identifier);
    if (row < 0)
        return;
    m_panels->selectRow(row);
    m_panels->scrollTo(m_panelModel->index(row, 0));
}

void LibraryDialog::listPanels()
{
    const std::optional<QString> chosen = chosenPanel();
    {
        // One showing of the panel below, once the list stands.
        const QSignalBlocker quiet(m_panels->selectionModel());
        if (const std::optional<QString> error = m_panelModel->list(m_library.get(), m_search->text().trimmed()))
            showReason(*error);
        m_panels->clearSelection();
    }
    const int row = chosen ? m_panelModel->find(*chosen) : -1;
    if (row >= 0)
        m_panels->selectRow(row);
    else
        showPanel();
    m_addPages->setEnabled(m_library && !m_library->isReadOnly());
}

std::optional<QString> LibraryDialog::chosenPanel() const
{
    const QModelIndexList rows = m_panels->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_panelModel->panelAt(rows.constFirst().row()).identifier;
}

void LibraryDialog::showPanel()
{
    const std::optional<QString> panel = chosenPanel();
    std::optional<PanelDetails> details;
    QList<VersionEntry> history;
    if (panel && m_library) {
        LibraryResult<PanelDetails> known = m_library->details(*panel);
        LibraryResult<QList<VersionEntry>> versions = m_library->history(*panel, Library::Changes::Counted);
        if (known && versions) {
            details = std::move(*known);
            history = std::move(*versions);
        } else {
            showReason(known ? versions.error : known.error);
        }
    }
    m_details->showDetails(details);
    m_historyModel->setHistory(history);
    updateButtons();
}

void LibraryDialog::saveDetails()
{
    const std::optional<QString> panel = chosenPanel();
    if (!panel || !m_library)
        return;
    if (const std::optional<QString> error = m_library->setDetails(*panel, m_details->change())) {
        showReason(*error);
        return;
    }
    listPanels();
}

void LibraryDialog::chooseSettings()
{
    LibrarySettingsDialog settings(m_preferences, m_dialogs, this);
    if (settings.exec() == QDialog::Accepted)
        reopen();
}

QList<VersionEntry> LibraryDialog::chosenVersions() const
{
    QModelIndexList rows = m_history->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QList<VersionEntry> versions;
    for (const QModelIndex& row : rows)
        versions << m_historyModel->versionAt(row.row());
    return versions;
}

void LibraryDialog::updateButtons()
{
    const qsizetype chosen = chosenVersions().size();
    for (QPushButton* each : {m_open, m_comparePages, m_export})
        each->setEnabled(chosen == 1);
    m_compareVersions->setEnabled(chosen == 2);
}

std::optional<ConfigImage> LibraryDialog::imageOf(const QString& panel, const VersionEntry& version)
{
    LibraryResult<ConfigImage> image = m_library->image(panel, version.number);
    if (!image) {
        showReason(image.error);
        return std::nullopt;
    }
    return std::move(*image);
}

std::optional<ConfigImage> LibraryDialog::chosenImage()
{
    const std::optional<QString> panel = chosenPanel();
    const QList<VersionEntry> versions = chosenVersions();
    if (!panel || !m_library || versions.size() != 1)
        return std::nullopt;
    return imageOf(*panel, versions.constFirst());
}

void LibraryDialog::openVersion()
{
    if (const std::optional<ConfigImage> image = chosenImage())
        Q_EMIT openWanted(*image);
}

void LibraryDialog::compareWithPages()
{
    if (const std::optional<ConfigImage> image = chosenImage())
        Q_EMIT compareWithPagesWanted(*image, VersionListModel::nameOf(chosenVersions().constFirst()));
}

void LibraryDialog::compareVersions()
{
    const std::optional<QString> panel = chosenPanel();
    const QList<VersionEntry> versions = chosenVersions();
    if (!panel || !m_library || versions.size() != 2)
        return;
    // The older on the left, as the history reads from the older to the newer.
    const VersionEntry& older = versions.at(1);
    const VersionEntry& newer = versions.at(0);
    const std::optional<ConfigImage> a = imageOf(*panel, older);
    const std::optional<ConfigImage> b = a ? imageOf(*panel, newer) : std::nullopt;
    if (!b)
        return;
    Q_EMIT comparisonWanted(
        Comparison::twoVersions(*a, *b, *panel, VersionListModel::nameOf(older), VersionListModel::nameOf(newer)));
}

void LibraryDialog::exportVersion()
{
    const std::optional<ConfigImage> image = chosenImage();
    if (!image)
        return;
    const QString name = QStringLiteral("%1-%2").arg(*chosenPanel()).arg(chosenVersions().constFirst().number);
    const QStringList filters = {QCoreApplication::translate("ConfigFiles", "Конфигурации Зорвел Lite (*.q22)"),
                                 QCoreApplication::translate("ConfigFiles", "Конфигурации в JSON (*.json)")};
    const auto path = m_dialogs.saveFile({tr("Экспорт версии"), m_folder, name, filters, QStringLiteral("q22")});
    if (!path)
        return;
    if (const auto error = OutputFile::write(*path, ConfigOutput::bytesFor(*path, *image))) {
        m_dialogs.message(Dialogs::Message::error(
            QCoreApplication::translate("DocumentOutput", "Не удалось сохранить файл %1.\n%2")
                .arg(*path, error->shownText),
            VersionRecording::caption()));
    }
}

void LibraryDialog::showReason(const QString& reason)
{
    VersionRecording::tell(m_dialogs, reason);
}
