#include "LibrarySettings.h"

#include "Preferences.h"
#include "VersionRecorder.h"

LibrarySettings::LibrarySettings(Preferences& preferences)
    : m_preferences(preferences)
{
}

bool LibrarySettings::recording() const
{
    return m_preferences.value(RecordingKey, true).toBool();
}

void LibrarySettings::setRecording(bool on)
{
    m_preferences.setValue(RecordingKey, on);
}

QString LibrarySettings::urlText() const
{
    return m_preferences.value(UrlKey).toString();
}

void LibrarySettings::setUrlText(const QString& text)
{
    m_preferences.setValue(UrlKey, text.trimmed());
}

QString LibrarySettings::operatorText() const
{
    return m_preferences.value(OperatorKey).toString();
}

void LibrarySettings::setOperatorText(const QString& name)
{
    m_preferences.setValue(OperatorKey, name.trimmed());
}

QString LibrarySettings::operatorName() const
{
    const QString chosen = operatorText();
    return chosen.isEmpty() ? VersionRecorder::loginName() : chosen;
}
