#pragma once

#include "Preferences.h"

#include <QMap>

// Preferences a test decides, kept in memory only.
class MemoryPreferences final : public Preferences {
public:
    QVariant value(const QString& key, const QVariant& fallback = {}) const override { return m_values.value(key, fallback); }
    void setValue(const QString& key, const QVariant& value) override { m_values.insert(key, value); }

private:
    QMap<QString, QVariant> m_values;
};
