#pragma once

#include <QString>
#include <QVariant>

// The user's own choices that the program keeps between runs (the language,
// the library, the installing company...). Unlike SettingsStore, which only
// reads what the machine's administrator set, these are written by the program.
class Preferences {
public:
    virtual ~Preferences() = default;

    // The value kept under the key, or fallback when there is none.
    virtual QVariant value(const QString& key, const QVariant& fallback = {}) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
};
