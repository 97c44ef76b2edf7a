#include "QtSettingsStore.h"

#include <QSettings>

namespace {

// "\SOFTWARE\QUORIX\Configs\Zorvel\Zorvel22" -> {"SOFTWARE", "QUORIX", ...}
QStringList keyParts(const QString& key)
{
    return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// Whether the group path exists, asked of its parent so nothing is created.
bool groupExists(QSettings& settings, const QStringList& path)
{
    for (const QString& part : path) {
        if (!settings.childGroups().contains(part, Qt::CaseInsensitive))
            return false;
        settings.beginGroup(part);
    }
    return true;
}

} // namespace

std::optional<QString> QtSettingsStore::readString(const QString& key, const QString& valueName) const
{
    const QStringList parts = keyParts(key);
#ifdef Q_OS_WIN
    QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE"), QSettings::NativeFormat);
    if (!groupExists(settings, parts))
        return std::nullopt;
#else
    // A registry-style path given to QSettings here would silently become a
    // file in the current folder, so the key maps onto an INI file instead.
    if (parts.size() < 3)
        return std::nullopt;
    QSettings settings(QSettings::IniFormat, QSettings::SystemScope, parts.at(1), parts.at(2));
    if (!groupExists(settings, parts.mid(3)))
        return std::nullopt;
#endif
    return settings.value(valueName).toString();
}
