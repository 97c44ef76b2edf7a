#pragma once

#include "SettingsStore.h"

#include <QMap>

// Settings a test decides: a value per key and value name; any other key is absent.
class FixedSettingsStore final : public SettingsStore {
public:
    void set(const QString& key, const QString& valueName, const QString& value) { m_values[key + u'|' + valueName] = value; }

    std::optional<QString> readString(const QString& key, const QString& valueName) const override
    {
        const auto found = m_values.constFind(key + u'|' + valueName);
        return found == m_values.constEnd() ? std::nullopt : std::optional<QString>(*found);
    }

private:
    QMap<QString, QString> m_values;
};
