#include "ConfigFiles.h"

#include "ConfigFile.h"
#include "ConfigImage.h"
#include "Dialogs.h"
#include "JsonConfigFile.h"
#include "SettingsStore.h"

#include <exception>

namespace {

QString loadCaption()
{
    return ConfigFiles::tr("Загрузка конфигурации");
}

QStringList filters()
{
    return {ConfigFiles::tr("Конфигурации Зорвел Lite (EC*.q22)"), ConfigFiles::tr("Все файлы (*.*)")};
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
    if (!readConfigFile(path, m_image, pages.whenUnread))
        return;
    try {
        pages.restore();
    } catch (const std::exception&) {
        fatalLoadError();
    }
}

std::optional<QString> ConfigFiles::chooseFileToCompare()
{
    const QStringList files = filters();
    return m_dialogs.openFile({tr("Сравнить с файлом"), m_folder, QString(),
                               {files.constFirst(), tr("Конфигурации в JSON (*.json)"), files.constLast()}, QString()});
}

bool ConfigFiles::readForComparison(const QString& path, ConfigImage& image)
{
    if (JsonConfigFile::isJsonName(path))
        return readJson(path, image);
    return readConfigFile(path, image);
}

bool ConfigFiles::readConfigFile(const QString& path, ConfigImage& image, const QString& whenUnread)
{
    image.clear();
    const ConfigFile::Contents contents = ConfigFile::read(path);
    // The file's name and what is wrong with it, since the message alone says neither.
    const auto unread = [&] {
        QStringList details{QStringLiteral("%1: %2").arg(path, contents.error->shownText)};
        if (!whenUnread.isEmpty())
            details << whenUnread;
        fatalLoadError(details);
        return false;
    };
    if (!contents.hasHeader())
        return unread();
    if (!acceptsFile(path, contents.header))
        return false;
    image.assign(contents.image);
    if (contents.error)
        return unread();
    return true;
}

bool ConfigFiles::readJson(const QString& path, ConfigImage& image)
{
    const ConfigJson::ReadResult read = JsonConfigFile::read(path);
    if (!read.image) {
        m_dialogs.message(Dialogs::Message::error(
            tr("Файл %1 не прочитан как конфигурация в JSON.\n%2").arg(path, read.error), loadCaption()));
        return false;
    }
    image = *read.image;
    return true;
}

bool ConfigFiles::acceptsFile(const QString& path, const QByteArray& header)
{
    // The extension is recognised in either case, but a file that is plainly
    // not a configuration is refused with a word rather than in silence.
    if (!path.contains(Extension, Qt::CaseInsensitive)) {
        m_dialogs.message(Dialogs::Message::warning(
            tr("Файл %1 не является файлом конфигурации (*.q22). Конфигурация не загружена.").arg(path),
            loadCaption()));
        return false;
    }
    if (ConfigFile::signatureMatches(header))
        return true;
    const auto answer = m_dialogs.message(Dialogs::Message::question(
        tr("Формат файла не соответствует типу устройства! Загрузить файл конфигурации?"), loadCaption(),
        Dialogs::Icon::Warning, Dialogs::Answer::Yes, false));
    return answer == Dialogs::Answer::Yes;
}

void ConfigFiles::fatalLoadError(const QStringList& details)
{
    const QStringList lines = QStringList{tr("Возникла фатальная ошибка. Часть данных не загружена.")} + details;
    m_dialogs.message(Dialogs::Message::error(lines.join(QLatin1Char('\n')), loadCaption(), false));
}
