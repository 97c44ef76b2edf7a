#pragma once

#include "ConfigTemplate.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class ConfigImage;
class Dialogs;
class SettingsStore;

// "Сохранить" and "Загрузить" on the file side: the dialogs, the preset folder
// they open in, and the moves between a file and the image.
class ConfigFiles {
    Q_DECLARE_TR_FUNCTIONS(ConfigFiles)
public:
    static inline const QString SettingsKey = QStringLiteral("\\SOFTWARE\\QUORIX\\Configs\\Zorvel\\Zorvel22");
    static inline const QString FolderValue = QStringLiteral("DirZorv22");

    ConfigFiles(ConfigImage& image, Dialogs& dialogs, const SettingsStore& settings);

    // Read once, when the window is first shown; a missing key is not reported.
    void readPresetFolder();
    const QString& presetFolder() const { return m_folder; }

    // The save step of the write command, once the image is complete: proposes
    // the panel identifier as the name. True when a file was written.
    bool saveImage(const QString& account);

    // What a load asks of the pages.
    struct Pages {
        std::function<void()> makeVerSimReadOnly;
        std::function<void()> restore;   // RestCh, RestDsc, RestTxt
        // Said after the cause when the file could not be read: what the pages show instead.
        QString whenUnread = {};
    };
    void ItemLoadClick(const Pages& pages);
    // "Загрузить" of a file chosen elsewhere: named at start or dropped on the window.
    void load(const QString& path, const Pages& pages);
    // A configuration kept elsewhere (a version in the library), onto the pages as a load puts a file's.
    void load(const ConfigImage& image, const Pages& pages);

    // The file to compare the pages with: a configuration file or its JSON form.
    std::optional<QString> chooseFileToCompare();
    // A file to compare with, read into `image` with the load's messages (and
    // one of its own for a JSON form it cannot read), under the caption of the
    // comparison, `caption`. True when whole.
    bool readForComparison(const QString& path, ConfigImage& image, const QString& caption);

    // The template to apply to the pages: a JSON document that names some
    // fields, or a configuration file, which names every field.
    std::optional<QString> chooseTemplate();
    // Read with the messages of readForComparison under `caption`; none when it cannot be read.
    std::optional<ConfigTemplate> readTemplate(const QString& path, const QString& caption);

private:
    // Whose boxes a reading shows: the load's, or those of a command that only reads the file.
    struct Voice {
        QString caption;
        QString signatureQuestion;
    };

    // The load's reading: clears `image` and fills it from the file; a file cut
    // short leaves what was read. True when the whole image was read.
    bool readConfigFile(const QString& path, ConfigImage& image, const Voice& voice,
                        const QString& whenUnread = QString());
    bool readJson(const QString& path, ConfigImage& image, const QString& caption);
    bool acceptsFile(const QString& path, const QByteArray& header, const Voice& voice);
    // The last step of a load: the image onto the pages.
    void restore(const Pages& pages);
    // The load's one message for every failure, with the lines that say more.
    void fatalLoadError(const QString& caption, const QStringList& details = {});

    ConfigImage& m_image;
    Dialogs& m_dialogs;
    const SettingsStore& m_settings;
    QString m_folder;
};
