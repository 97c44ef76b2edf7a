#include "ConfigFiles.h"

#include "ConfigFile.h"
#include "ConfigImage.h"
#include "Dialogs.h"
#include "JsonConfigFile.h"
#include "SettingsStore.h"

#include <QCoreApplication>

#include <exception>

namespace {

QString loadCaption()
{
    return ConfigFiles::tr("Загрузка конфигурации");
}

QString loadQuestion()
{
    return ConfigFiles::tr("Формат файла не соответствует типу устройства! Загрузить файл конфигурации?");
}

// Every file the program saves shows under the first entry, whatever its name;
// "*" rather than "*.*", which on Linux hides a name without a dot.
QString allFilesFilter()
{
    return ConfigFiles::tr("Все файлы (*)");
}

QStringList filters()
{
    return {ConfigFiles::tr("Конфигурации Зорвел Lite (*.q22)"), allFilesFilter()};
}
const QString Extension = QStringLiteral(".q22");

} // namespace

ConfigFiles::ConfigFiles(ConfigImage& image, Dialogs& dialogs, const SettingsStore& settings)
    : m_image(image)
    , m_dialogs(dialogs)
    , m_settings(settings)
{
}

void ConfigFiles::readPresetFolder()
{
    m_folder = m_settings.readString(SettingsKey, FolderValue).value_or(QString());
}

bool ConfigFiles::saveImage(const QString& account)
{
    const auto path = m_dialogs.saveFile(
        {tr("Сохранение конфигурации"), m_folder, account, filters(), QStringLiteral("q22")});
    if (!path)
        return false;
    if (const auto error = ConfigFile::write(*path, m_image)) {
        // The previous file, if any, is untouched: say why the new one is not there.
        m_dialogs.message(Dialogs::Message::error(
            tr("Не удалось сохранить конфигурацию в файл %1.\n%2").arg(*path, error->shownText),
            tr("Сохранение конфигурации")));
        return false;
    }
    return true;
}

void ConfigFiles::ItemLoadClick(const Pages& pages)
{
    const auto path = m_dialogs.openFile({QString(), m_folder, QString(), filters(), QString()});
    if (path)
        load(*path, pages);
}

void ConfigFiles::load(const QString& path, const Pages& pages)
{
    pages.makeVerSimReadOnly();
    if (!readConfigFile(path, m_image, {loadCaption(), loadQuestion()}, pages.whenUnread))
        return;
    restore(pages);
}

void ConfigFiles::load(const ConfigImage& image, const Pages& pages)
{
    pages.makeVerSimReadOnly();
    m_image = image;
    restore(pages);
}

void ConfigFiles::restore(const Pages& pages)
{
    try {
        pages.restore();
    } catch (const std::exception&) {
        fatalLoadError(loadCaption());
    }
}

std::optional<QString> ConfigFiles::chooseFileToCompare()
{
    // Both forms show under the first entry.
    const QStringList files = {tr("Конфигурации Зорвел Lite (*.q22 *.json)"), tr("Конфигурации в JSON (*.json)"),
                               allFilesFilter()};
    return m_dialogs.openFile({tr("Сравнить с файлом"), m_folder, QString(), files, QString()});
}

bool ConfigFiles::readForComparison(const QString& path, ConfigImage& image, const QString& caption)
{
    if (JsonConfigFile::isJsonName(path))
        return readJson(path, image, caption);
    // Not the load's question: nothing is about to replace the pages.
    return readConfigFile(
        path, image,
        {caption, tr("Формат файла не соответствует типу устройства! Сравнить страницы с этим файлом?")});
}

std::optional<QString> ConfigFiles::chooseTemplate()
{
    const QStringList files = {tr("Шаблоны и конфигурации (*.json *.q22)"), tr("Шаблоны в JSON (*.json)"),
                               allFilesFilter()};
    return m_dialogs.openFile({tr("Применить шаблон"), m_folder, QString(), files, QString()});
}

std::optional<ConfigTemplate> ConfigFiles::readTemplate(const QString& path, const QString& caption)
{
    if (JsonConfigFile::isJsonName(path)) {
        ConfigJson::TemplateResult read = JsonConfigFile::readTemplate(path);
        if (!read.parsed) {
            m_dialogs.message(Dialogs::Message::error(
                tr("Файл %1 не прочитан как шаблон в JSON.\n%2").arg(path, read.error), caption));
        }
        return std::move(read.parsed);
    }
    ConfigImage whole;
    if (!readForComparison(path, whole, caption))
        return std::nullopt;
    return ConfigTemplate::wholeOf(whole);
}

bool ConfigFiles::readConfigFile(const QString& path, ConfigImage& image, const Voice& voice,
                                 const QString& whenUnread)
{
    image.clear();
    const ConfigFile::Contents contents = ConfigFile::read(path);
    // The file's name and what is wrong with it, since the message alone says neither.
    const auto unread = [&] {
        QStringList details{QStringLiteral("%1: %2").arg(path, contents.error->shownText)};
        if (!whenUnread.isEmpty())
            details << whenUnread;
        fatalLoadError(voice.caption, details);
        return false;
    };
    if (!contents.hasHeader())
        return unread();
    if (!acceptsFile(path, contents.header, voice))
        return false;
    image.assign(contents.image);
    if (contents.error)
        return unread();
    return true;
}

bool ConfigFiles::readJson(const QString& path, ConfigImage& image, const QString& caption)
{
    const ConfigJson::ReadResult read = JsonConfigFile::read(path);
    if (!read.image) {
        m_dialogs.message(Dialogs::Message::error(
            tr("Файл %1 не прочитан как конфигурация в JSON.\n%2").arg(path, read.error), caption));
        return false;
    }
    image = *read.image;
    return true;
}

bool ConfigFiles::acceptsFile(const QString& path, const QByteArray& header, const Voice& voice)
{
    // The extension is recognised in either case, but a file that is plainly
    // not a configuration is refused with a word rather than in silence.
    if (!path.contains(Extension, Qt::CaseInsensitive)) {
        m_dialogs.message(Dialogs::Message::warning(
            tr("Файл %1 не является файлом конфигурации (*.q22). Конфигурация не загружена.").arg(path),
            voice.caption));
        return false;
    }
    if (ConfigFile::signatureMatches(header))
        return true;
    const auto answer = m_dialogs.message(Dialogs::Message::question(voice.signatureQuestion, voice.caption,
                                                                      Dialogs::Icon::Warning, Dialogs::Answer::Yes, false));
    return answer == Dialogs::Answer::Yes;
}

void ConfigFiles::fatalLoadError(const QString& caption, const QStringList& details)
{
    const QStringList lines = QStringList{tr("Возникла фатальная ошибка. Часть данных не загружена.")}
                              + details;
    m_dialogs.message(Dialogs::Message::error(lines.join(QLatin1Char('\n')), caption, false));
}
