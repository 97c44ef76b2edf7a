#pragma once

#include "LibraryUrl.h"

#include <QString>

class Preferences;

// The window's choices about the panel library, kept between runs: whether
// transfers record versions, which library (empty: the default file, the one
// zq22 uses too) and who records (empty: the login name).
class LibrarySettings final {
public:
    static inline const QString RecordingKey = QStringLiteral("library/recording");
    static inline const QString UrlKey = QStringLiteral("library/url");
    static inline const QString OperatorKey = QStringLiteral("library/operator");

    explicit LibrarySettings(Preferences& preferences);

    bool recording() const;
    void setRecording(bool on);

    // As the user gave it; empty for the default library.
    QString urlText() const;
    void setUrlText(const QString& text);
    // The library the text names, or why it names none.
    LibraryResult<LibraryUrl> url() const { return LibraryUrl::parse(urlText()); }

    // As the user gave it; empty for the login name.
    QString operatorText() const;
    void setOperatorText(const QString& name);
    // Who the versions name.
    QString operatorName() const;

private:
    Preferences& m_preferences;
};
