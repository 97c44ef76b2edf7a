#pragma once

#include "Preferences.h"

#include <QSettings>

// The user's INI file in the configuration folder (~/.config/zq22lite/zq22lite.ini
// on Linux), written at once so that another running program sees each change.
class QtPreferences final : public Preferences {
public:
    QtPreferences();

    QVariant value(const QString& key, const QVariant& fallback = {}) const override;
    void setValue(const QString& key, const QVariant& value) override;

private:
    mutable QSettings m_settings;
};
