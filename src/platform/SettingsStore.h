#pragma once

#include <QString>

#include <optional>

// The per-machine settings, read only: the program never creates a key or
// writes a value.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The string value under the key; an absent value reads as empty.
    // Nothing when the key itself does not exist or cannot be opened.
    virtual std::optional<QString> readString(const QString& key, const QString& valueName) const = 0;
};
