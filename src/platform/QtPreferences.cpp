#include "QtPreferences.h"

QtPreferences::QtPreferences()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zq22lite"), QStringLiteral("zq22lite"))
{
}

QVariant QtPreferences::value(const QString& key, const QVariant& fallback) const
{
    m_settings.sync();
    return m_settings.value(key, fallback);
}

void QtPreferences::setValue(const QString& key, const QVariant& value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
}
