#pragma once

#include <QString>

#include <functional>

class ConfigImage;
class Dialogs;
class SettingsStore;

// "Сохранить" and "Загрузить" on the file side: the dialogs, the preset folder
// they open in, and the moves between a file and the image.
class ConfigFiles {
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
    };
    void ItemLoadClick(const Pages& pages);

private:
    bool acceptsFile(const QString& path, const QByteArray& header);
    void fatalLoadError();

    ConfigImage& m_image;
    Dialogs& m_dialogs;
    const SettingsStore& m_settings;
    QString m_folder;
};
