#include "MainWindow.h"

#include "ChannelChoice.h"
#include "ChannelPages.h"
#include "ChannelsSheet.h"
#include "ClockLabel.h"
#include "CompareDialog.h"
#include "ConfigFile.h"
#include "ConfigTemplate.h"
#include "Comparison.h"
#include "Dialogs.h"
#include "FactoryDefaults.h"
#include "FieldCatalogue.h"
#include "FieldPlace.h"
#include "GeneralPage.h"
#include "GroupsModel.h"
#include "ImageBuilder.h"
#include "ImageRestorer.h"
#include "JsonConfigFile.h"
#include "LibraryDialog.h"
#include "LibrarySettings.h"
#include "LibrarySite.h"
#include "LinkConstants.h"
#include "LinkTexts.h"
#include "MenuButton.h"
#include "PagesImage.h"
#include "PanelIdentifier.h"
#include "PanelLink.h"
#include "RemotePage.h"
#include "ReportDialog.h"
#include "StatusLight.h"
#include "TextsPage.h"
#include "TickClock.h"
#include "VersionRecording.h"
#include "ZoneLinksModel.h"
#include "ZonesPage.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>

namespace {

const QString ProgramVersion = QStringLiteral("19.02.19");

constexpr QSize ClientSize{582, 573};
constexpr int BottomBarHeight = 31;
constexpr int StatusWidth = 367;
constexpr int GaugeWidth = 450;
constexpr int BlockingPhoneLimit = 10;

QAction* commandItem(QMenuBar* bar, const char* name, const QString& caption, bool enabled)
{
    QAction* action = bar->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    return action;
}

QWidget* page(const char* name)
{
    auto* sheet = new QWidget;
    sheet->setObjectName(QLatin1String(name));
    return sheet;
}

} // namespace

MainWindow::MainWindow(const Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_link(std::make_unique<PanelLink>(m_image, *this, platform.dialogs, platform.clock, platform.serial,
                                         platform.udp))
    , m_files(m_image, platform.dialogs, platform.settings)
    , m_change(m_image, platform.dialogs, [this] { return pagesImage(); }, loadPages())
    , m_recording(new VersionRecording(platform.preferences, platform.dialogs, this))
{
    setObjectName(QStringLiteral("A_Form"));
    createMenu();
    createPages();
    createServiceMenu();
    createLanguageMenu();
    createBottomBar();
    m_restorer = std::make_unique<ImageRestorer>(m_image, *m_generalPage, *m_zonesPage, *m_textsPage);
    FormCreate();
    setFixedSize(ClientSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate()
{
    setWindowTitle(tr("Конфигуратор ППК Зорвел-22 Lite (\"ZQ3.22L\") вер. %1").arg(ProgramVersion));
    m_pageConfig->setCurrentWidget(m_sheetPblSet);
    setStatus(LinkTexts::standAlone());
}

void MainWindow::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    m_itemLink = bar->addMenu(tr("Связь с ППК"));
    m_itemLink->setObjectName(QStringLiteral("ItemLink"));
    m_itemLink->menuAction()->setObjectName(QStringLiteral("ItemLink"));
    m_n1 = m_itemLink->addMenu(tr("Локальная"));
    m_n1->setObjectName(QStringLiteral("N1"));
    m_usb2 = m_n1->addAction(QStringLiteral("USB"));
    m_usb2->setObjectName(QStringLiteral("USB2"));
    m_bt = m_n1->addAction(QStringLiteral("BT"));
    m_bt->setObjectName(QStringLiteral("BT"));
    m_n2 = m_itemLink->addAction(tr("Удаленная"));
    m_n2->setObjectName(QStringLiteral("N2"));
    connect(m_usb2, &QAction::triggered, this, [this] { m_link->USB2Click(); });
    connect(m_bt, &QAction::triggered, this, [this] { m_link->BTClick(); });
    connect(m_n2, &QAction::triggered, this, [this] { m_link->N2Click(); });

    m_itemRead = commandItem(bar, "ItemRead", tr("Прочитать"), false);
    connect(m_itemRead, &QAction::triggered, this, [this] { m_link->ItemReadClick(); });
    m_itemWr = commandItem(bar, "ItemWr", tr("Записать"), false);
    connect(m_itemWr, &QAction::triggered, this, &MainWindow::ItemWrClick);
    m_itemSave = commandItem(bar, "ItemSave", tr("Сохранить"), true);
    connect(m_itemSave, &QAction::triggered, this, &MainWindow::ItemSaveClick);
    m_itemLoad = commandItem(bar, "ItemLoad", tr("Загрузить"), true);
    connect(m_itemLoad, &QAction::triggered, this, [this] { m_files.ItemLoadClick(loadPages()); });
    m_itemDefault = commandItem(bar, "ItemDefault", tr("Заводские установки"), true);
    connect(m_itemDefault, &QAction::triggered, this, &MainWindow::ItemDefaultClick);
    m_itemExit = commandItem(bar, "ItemExit", tr("Выход"), true);
    connect(m_itemExit, &QAction::triggered, this, &MainWindow::ItemExitClick);
}

void MainWindow::createServiceMenu()
{
    // The menu bar keeps its seven items; at the window's fixed width an eighth
    // would hide behind the bar's "»". The button sits in the corner of the page tabs.
    m_itemService = new QMenu(tr("&Сервис"), this);
    m_itemService->setObjectName(QStringLiteral("ItemService"));
    m_itemService->menuAction()->setObjectName(QStringLiteral("ItemService"));
    m_itemCompare = m_itemService->addAction(tr("Сравнить с файлом…"));
    m_itemCompare->setObjectName(QStringLiteral("ItemCompare"));
    m_itemCompare->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_itemCompare, &QAction::triggered, this, &MainWindow::ItemCompareClick);
    m_itemApplyTemplate = m_itemService->addAction(tr("Применить шаблон…"));
    m_itemApplyTemplate->setObjectName(QStringLiteral("ItemApplyTemplate"));
    m_itemApplyTemplate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(m_itemApplyTemplate, &QAction::triggered, this, &MainWindow::ItemApplyTemplateClick);
    m_itemReport = m_itemService->addAction(tr("Отчёт…"));
    m_itemReport->setObjectName(QStringLiteral("ItemReport"));
    m_itemReport->setShortcut(QKeySequence::Print);
    connect(m_itemReport, &QAction::triggered, this, &MainWindow::ItemReportClick);
    m_itemLibrary = m_itemService->addAction(tr("Библиотека…"));
    m_itemLibrary->setObjectName(QStringLiteral("ItemLibrary"));
    m_itemLibrary->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_itemLibrary, &QAction::triggered, this, &MainWindow::ItemLibraryClick);
    auto* serviceButton = new MenuButton(m_itemService);
    serviceButton->setObjectName(QStringLiteral("ServiceButton"));
    m_pageConfig->setCornerWidget(serviceButton, Qt::BottomRightCorner);
    // They read the pages as "Сохранить" does, and the compare dialog's takes
    // change them, so they are offered exactly when it is: not while a
    // transfer runs, whichever arrangement set that.
    connect(m_itemSave, &QAction::enabledChanged, this, [this](bool enabled) {
        for (QAction* item : {m_itemCompare, m_itemApplyTemplate, m_itemReport})
            item->setEnabled(enabled);
        if (m_compareDialog)
            m_compareDialog->setTakingOffered(m_compareTakes && enabled);
    });
    setAcceptDrops(true);
}

void MainWindow::createLanguageMenu()
{
    // A setting, apart from the commands above it.
    m_itemService->addSeparator();
    m_itemLanguage = m_itemService->addMenu(tr("Язык"));
    m_itemLanguage->setObjectName(QStringLiteral("ItemLanguage"));
    m_itemLanguage->menuAction()->setObjectName(QStringLiteral("ItemLanguage"));
    auto* languages = new QActionGroup(m_itemLanguage);
    const Translations::Language current = Translations::chosen(m_platform.preferences);
    for (const Translations::Choice& choice : Translations::choices()) {
        // Each language is named in itself, so the one the user reads is found in any.
        QAction* item = m_itemLanguage->addAction(choice.name);
        item->setObjectName(QStringLiteral("ItemLanguage_") + choice.code);
        item->setCheckable(true);
        item->setChecked(choice.language == current);
        languages->addAction(item);
        connect(item, &QAction::triggered, this, [this, language = choice.language] { chooseLanguage(language); });
    }
}

void MainWindow::chooseLanguage(Translations::Language language)
{
    if (language == Translations::chosen(m_platform.preferences))
        return;
    Translations::keep(m_platform.preferences, language);
    m_platform.dialogs.message(Dialogs::Message::information(
        tr("Язык интерфейса сменится при следующем запуске программы."), tr("Язык")));
}

void MainWindow::createPages()
{
    m_pageConfig = new QTabWidget;
    m_pageConfig->setObjectName(QStringLiteral("PageConfig"));
    m_pageConfig->setTabPosition(QTabWidget::South);

    m_sheetPblSet = page("SheetPblSet");
    m_sheetZones = page("SheetZones");
    m_sheetMes = page("SheetMes");
    m_sheetKS = page("SheetKS");
    m_pageConfig->addTab(m_sheetPblSet, tr("Общие установки"));
    m_pageConfig->addTab(m_sheetZones, tr("Шлейфы сигнализации"));
    m_pageConfig->addTab(m_sheetMes, tr("Тексты извещений"));
    m_pageConfig->addTab(m_sheetKS, tr("Каналы связи"));
    m_zonesPage = new ZonesPage(m_platform.dialogs);
    m_textsPage = new TextsPage;
    for (auto [sheet, content] : {std::pair<QWidget*, QWidget*>{m_sheetZones, m_zonesPage}, {m_sheetMes, m_textsPage}}) {
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
    }
    // Only the general page offers its tab; the others come to the front only
    // when the program makes them the active page.
    for (int i = 1; i < m_pageConfig->count(); ++i)
        m_pageConfig->setTabVisible(i, false);

    m_gauge = new QProgressBar;
    m_gauge->setObjectName(QStringLiteral("Gauge"));
    m_gauge->setFormat(QStringLiteral("%p%"));
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setFixedWidth(GaugeWidth);
    m_gauge->hide();

    m_wrBtn = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), tr("Записать"));
    m_wrBtn->setObjectName(QStringLiteral("WrBtn"));
    m_wrBtn->hide();
    connect(m_wrBtn, &QPushButton::clicked, this, &MainWindow::WrBtnClick);

    auto* transferRow = new QHBoxLayout;
    transferRow->addWidget(m_gauge);
    transferRow->addStretch();
    transferRow->addWidget(m_wrBtn);
    auto* channels = new ChannelsSheet;
    (new QVBoxLayout(m_sheetKS))->addWidget(channels);
    m_generalPage = new GeneralPage(m_image, m_platform.dialogs, *channels);
    connect(&m_generalPage->channelChoice(), &ChannelChoice::messagesTabHidden, this,
            [this] { m_pageConfig->setTabVisible(m_pageConfig->indexOf(m_sheetMes), false); });
    connect(&m_generalPage->channelChoice(), &ChannelChoice::messagesFirstPageWanted, this,
            [this] { m_textsPage->mesPageControl().setCurrentIndex(0); });
    // The exit delay and the keyboard choice sit on the general page but belong
    // to the zones and groups.
    m_zonesPage->connectGeneralPage(*m_generalPage->dlExt(), *m_generalPage->armBox(), *m_generalPage->boxTmpKbd(),
                                    *m_generalPage->boxLnkKbd());

    auto* generalLayout = new QVBoxLayout(m_sheetPblSet);
    generalLayout->addWidget(m_generalPage, 1);
    generalLayout->addLayout(transferRow);
}

void MainWindow::createBottomBar()
{
    m_sb = new QLabel;
    m_sb->setObjectName(QStringLiteral("SB"));
    m_sb->setFixedWidth(StatusWidth);
    m_sb->setStyleSheet(QStringLiteral("color: red;"));
    m_sb->setFrameShape(QFrame::Panel);
    m_sb->setFrameShadow(QFrame::Sunken);

    m_clock = new ClockLabel;
    m_clock->setObjectName(QStringLiteral("JvClock1"));
    connect(m_clock, &ClockLabel::doubleClicked, this, [this] { m_link->JvClock1DblClick(); });

    m_whoLbl = new StatusLight;
    m_whoLbl->setObjectName(QStringLiteral("WhoLbl"));

    auto* bottomBar = new QWidget;
    bottomBar->setFixedHeight(BottomBarHeight);
    auto* barLayout = new QHBoxLayout(bottomBar);
    barLayout->setContentsMargins(2, 2, 6, 2);
    barLayout->addWidget(m_sb);
    barLayout->addWidget(m_clock, 1);
    barLayout->addWidget(m_whoLbl);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pageConfig, 1);
    layout->addWidget(bottomBar);
    setCentralWidget(central);
}

void MainWindow::setStatus(const QString& text)
{
    m_sb->setText(text);
}

void MainWindow::EnableAll()
{
    m_wrBtn->setVisible(true);
    m_wrBtn->setEnabled(true);
    for (QAction* item : {m_itemLink->menuAction(), m_itemWr, m_itemRead, m_itemLoad, m_itemSave, m_itemDefault})
        item->setEnabled(true);
}

void MainWindow::DisableAll()
{
    m_wrBtn->setVisible(false);
    m_wrBtn->setEnabled(false);
    for (QAction* item : {m_itemLink->menuAction(), m_itemWr, m_itemRead, m_itemLoad, m_itemSave, m_itemDefault})
        item->setEnabled(false);
}

QAction* MainWindow::itemAction(Item item) const
{
    switch (item) {
    case Item::ItemLink: return m_itemLink->menuAction();
    case Item::ItemRead: return m_itemRead;
    case Item::ItemWr: return m_itemWr;
    case Item::ItemSave: return m_itemSave;
    case Item::ItemLoad: return m_itemLoad;
    case Item::ItemDefault: return m_itemDefault;
    }
    return nullptr;
}

void MainWindow::setItemEnabled(Item item, bool enabled)
{
    itemAction(item)->setEnabled(enabled);
}

void MainWindow::setWrBtnVisible(bool visible)
{
    m_wrBtn->setVisible(visible);
}

void MainWindow::setWrBtnEnabled(bool enabled)
{
    m_wrBtn->setEnabled(enabled);
}

void MainWindow::setGaugeVisible(bool visible)
{
    m_gauge->setVisible(visible);
}

void MainWindow::setGauge(int percent)
{
    m_gauge->setValue(percent);
}

QString MainWindow::confPortText() const
{
    return m_generalPage->confPortEdit()->text();
}

void MainWindow::focusConfPortEdit()
{
    m_generalPage->confPortEdit()->setFocus();
}

void MainWindow::setWhoLit(bool lit)
{
    m_whoLbl->setLit(lit);
}

QString MainWindow::accountText() const
{
    return m_generalPage->editAccount()->text();
}

void MainWindow::showFirstPage()
{
    m_pageConfig->setCurrentIndex(0);
}

void MainWindow::makeVerSimReadOnly()
{
    m_generalPage->pageCh()->remConfSheet->verSim->setReadOnly(true);
}

void MainWindow::restorePages()
{
    m_restorer->RestCh();
    m_restorer->RestDsc();
    m_restorer->RestTxt();
}

void MainWindow::clearSaveRequest()
{
    m_saveRequest = false;
}

void MainWindow::requestClose()
{
    close();
}

void MainWindow::transferDone(Transfer transfer, const Route& route)
{
    m_recording->recordTransfer(m_image, transfer, route);
}

void MainWindow::M_Delay(int wt)
{
    m_platform.clock.delay(Ticks::ticks(wt), [this] { return m_closingFlag; });
}

void MainWindow::ItemExitClick()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::FormCloseQuery()
{
    const auto answer = m_platform.dialogs.message(Dialogs::Message::question(
        tr("Вы действительно хотите завершить программу?"), tr("Завершение работы"),
        Dialogs::Icon::Question, Dialogs::Answer::No));
    if (answer == Dialogs::Answer::Yes)
        m_link->stopListening();
    m_closingFlag = answer == Dialogs::Answer::Yes;
    return m_closingFlag;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    FormShow();
    // After the window is on the screen, so the load's boxes stand over it.
    if (!m_startFiles.isEmpty())
        QMetaObject::invokeMethod(this, &MainWindow::openStartFiles, Qt::QueuedConnection);
}

void MainWindow::FormShow()
{
    m_files.readPresetFolder();
    m_generalPage->phBlkEdit()->setMaxLength(BlockingPhoneLimit);
    m_generalPage->phUnBlkEdit()->setMaxLength(BlockingPhoneLimit);
    setStatus(LinkTexts::standAlone());
    m_generalPage->pageCh()->remConfSheet->verSim->clear();
    m_zonesPage->groups().clear();
    m_zonesPage->zoneLinks().clear();
    ItemDefaultClick();
    m_generalPage->pageCh()->setCurrentIndex(0);
}

void MainWindow::ItemDefaultClick()
{
    FactoryDefaults(m_image, *m_generalPage, *m_zonesPage, *m_textsPage, *m_pageConfig, *m_sheetPblSet).apply();
}

void MainWindow::ItemWrClick()
{
    clearSaveRequest();
    m_pageConfig->setCurrentWidget(m_sheetPblSet);
    m_link->vars().RetryCount = LinkConstants::TransferRetries;
    WrBtnClick();
}

void MainWindow::ItemSaveClick()
{
    m_saveRequest = true;
    WrBtnClick();
}

void MainWindow::WrBtnClick()
{
    ImageBuilder builder(m_image, m_platform.dialogs, *m_generalPage, *m_zonesPage, *m_textsPage,
                         {*m_pageConfig, *m_sheetPblSet, *m_sheetZones});
    const bool complete = builder.build() == ImageBuilder::Result::Complete;
    const bool toPanel = complete && (!m_saveRequest || saveStep());
    clearSaveRequest();
    if (toPanel)
        m_link->startWrite();
}

bool MainWindow::saveStep()
{
    m_files.saveImage(accountText());
    // A stand-alone configuration goes nowhere else; nor does any when no
    // panel is linked, since nothing would answer and enable the menu again.
    return !m_generalPage->voiceBox()->isChecked() && !m_generalPage->avtBox()->isChecked()
           && m_link->vars().PanelLinked;
}

void MainWindow::openStartFiles()
{
    ConfigFiles::Pages pages = loadPages();
    pages.whenUnread = tr("Ничего не загружено: на страницах заводские установки.");
    openFiles(m_startFiles, pages);
}

ConfigFiles::Pages MainWindow::loadPages()
{
    return {[this] { makeVerSimReadOnly(); }, [this] { restorePages(); }};
}

void MainWindow::openFiles(const QStringList& paths, const ConfigFiles::Pages& pages)
{
    if (paths.size() > 1) {
        m_platform.dialogs.message(Dialogs::Message::error(
            tr("Укажите один файл конфигурации, а не %1.").arg(paths.size()),
            tr("Загрузка конфигурации")));
        return;
    }
    m_files.load(paths.constFirst(), pages);
}

QStringList MainWindow::droppedFiles(const QMimeData* data) const
{
    if (!m_itemLoad->isEnabled() || !data->hasUrls())
        return {};
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files << url.toLocalFile();
    }
    const bool lone = files.size() == 1;
    if (lone && !ConfigFile::isConfigFileName(files.constFirst()) && !JsonConfigFile::isJsonName(files.constFirst()))
        return {};
    return files;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // The load's boxes wait for the drop to finish first.
    QMetaObject::invokeMethod(this, [this, files] { openFiles(files, loadPages()); }, Qt::QueuedConnection);
}

PagesImage MainWindow::pagesImage() const
{
    return PagesImage::build(*m_generalPage, *m_zonesPage, *m_textsPage);
}

void MainWindow::showField(const QString& key)
{
    const FieldPlace place = FieldPlace::of(key, *m_generalPage, *m_zonesPage, *m_textsPage);
    if (!place.canBeShown()) {
        m_compareDialog->fieldShown(std::nullopt);
        return;
    }
    activateWindow();
    m_compareDialog->fieldShown(place.show());
}

void MainWindow::ItemCompareClick()
{
    const auto path = m_files.chooseFileToCompare();
    ConfigImage file;
    if (!path || !m_files.readForComparison(*path, file, Comparison::fileTitle()))
        return;
    const QString name = QFileInfo(*path).fileName();
    openComparison([this, file, name] { return Comparison::pagesWithFile(pagesImage(), file, name); }, file);
}

void MainWindow::ItemApplyTemplateClick()
{
    const auto path = m_files.chooseTemplate();
    const std::optional<ConfigTemplate> standard
        = path ? m_files.readTemplate(*path, Comparison::templateTitle()) : std::nullopt;
    if (!standard)
        return;
    const QString name = QFileInfo(*path).fileName();
    openComparison(
        [this, standard = *standard, name] { return Comparison::pagesWithTemplate(pagesImage(), standard, name); },
        standard->values());
}

void MainWindow::openComparison(const std::function<Comparison()>& compare, const std::optional<ConfigImage>& source)
{
    delete m_compareDialog;
    m_change.forget();
    m_compareTakes = source.has_value();
    m_compareDialog = new CompareDialog(compare(), m_platform.dialogs, m_platform.preferences, m_files.presetFolder(),
                                        this);
    m_compareDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_compareDialog->setTakingOffered(m_compareTakes && m_itemSave->isEnabled());
    connect(m_compareDialog, &CompareDialog::fieldWanted, this, &MainWindow::showField);
    if (source) {
        connect(m_compareDialog, &CompareDialog::takeWanted, this,
                [this, source = *source, compare](const QStringList& keys) { takeFields(keys, source, compare); });
        connect(m_compareDialog, &CompareDialog::undoWanted, this, [this, compare] { undoTake(compare); });
    }
    m_compareDialog->show();
}

void MainWindow::takeFields(const QStringList& keys, const ConfigImage& source,
                            const std::function<Comparison()>& compare)
{
    QList<const CatalogueField*> fields;
    for (const QString& key : keys)
        fields << FieldCatalogue::find(key);
    const std::optional<PagesChange::Taken> taken = m_change.take(source, fields, m_compareDialog->windowTitle());
    if (taken)
        m_compareDialog->showTaken(compare(), static_cast<int>(fields.size()), taken->carried);
}

void MainWindow::undoTake(const std::function<Comparison()>& compare)
{
    if (m_change.undo(m_compareDialog->windowTitle()))
        m_compareDialog->showUndone(compare());
}

void MainWindow::ItemReportClick()
{
    // The pages as they are, whatever checks they fail: the report names those.
    // The site as the library knows the panel; left blank, to be filled in by hand, when it does not.
    PagesImage pages = pagesImage();
    ReportContent::Site site = LibrarySite::of(LibrarySettings(m_platform.preferences), panelIdentifier(pages.image));
    auto* dialog = new ReportDialog({std::move(pages), accountText(), ProgramVersion, QDateTime::currentDateTime(),
                                     std::move(site)},
                                    m_platform.dialogs, m_platform.preferences, m_files.presetFolder(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::ItemLibraryClick()
{
    if (m_libraryDialog) {
        m_libraryDialog->raise();
        m_libraryDialog->activateWindow();
        return;
    }
    m_libraryDialog = new LibraryDialog(m_platform.preferences, m_platform.dialogs, m_files.presetFolder(), this);
    m_libraryDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_libraryDialog, &LibraryDialog::openWanted, this, &MainWindow::openVersion);
    connect(m_libraryDialog, &LibraryDialog::compareWithPagesWanted, this, &MainWindow::compareWithVersion);
    // Two versions: the pages are neither side, so nothing is taken onto them.
    connect(m_libraryDialog, &LibraryDialog::comparisonWanted, this,
            [this](const Comparison& comparison) { openComparison([comparison] { return comparison; }, std::nullopt); });
    connect(m_libraryDialog, &LibraryDialog::addPagesWanted, this, &MainWindow::addPagesToLibrary);
    connect(m_recording, &VersionRecording::recorded, m_libraryDialog, &LibraryDialog::refresh);
    m_libraryDialog->choosePanel(accountText());
    m_libraryDialog->show();
}

LibraryDialog* MainWindow::libraryDialog() const
{
    return m_libraryDialog;
}

void MainWindow::openVersion(const ConfigImage& version)
{
    // As "Загрузить": not while a transfer runs, which the pages belong to.
    if (!m_itemLoad->isEnabled()) {
        m_platform.dialogs.message(Dialogs::Message::warning(
            tr("Версия не открыта: дождитесь конца обмена с ППК."), VersionRecording::caption()));
        return;
    }
    m_files.load(version, loadPages());
}

void MainWindow::compareWithVersion(const ConfigImage& version, const QString& versionName)
{
    openComparison(
        [this, version, versionName] {
            return Comparison::pagesWithVersion(pagesImage(), version, panelIdentifier(version), versionName);
        },
        version);
}

void MainWindow::addPagesToLibrary()
{
    // After the checks of "Записать": the library keeps what could go to a panel.
    const PagesImage pages = pagesImage();
    if (!pages.failedChecks.isEmpty()) {
        const QString checks = pages.failedChecks.join(u'\n');
        m_platform.dialogs.message(Dialogs::Message::error(
            tr("Страницы не добавлены: они не проходят проверку перед записью.\n%1").arg(checks),
            VersionRecording::caption()));
        return;
    }
    if (m_recording->recordPages(pages.image) && m_libraryDialog)
        m_libraryDialog->choosePanel(panelIdentifier(pages.image));
}
