#pragma once

#include "SettingsStore.h"

// On Windows the machine-wide registry (HKEY_LOCAL_MACHINE). Elsewhere a
// system-wide INI file named after the key's first two parts
// (for "SOFTWARE\QUORIX\Configs\..." that is QUORIX/Configs.ini in the system
// configuration folder, /etc/xdg on Linux), the rest of the key being its group.
class QtSettingsStore final : public SettingsStore {
public:
    std::optional<QString> readString(const QString& key, const QString& valueName) const override;
};
