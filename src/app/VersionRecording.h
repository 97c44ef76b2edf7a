#pragma once

#include "LibraryRecords.h"
#include "LibraryResult.h"
#include "LinkHost.h"

#include <QObject>

class ConfigImage;
class Dialogs;
class Preferences;

// The versions the window records, through the one VersionRecorder zq22 uses
// too: each transfer that ended with the whole image (unless the user turned
// that off), and the pages added by hand. A recording that fails is one box
// of its own, after the transfer's, and changes nothing else.
class VersionRecording final : public QObject {
    Q_OBJECT
public:
    VersionRecording(Preferences& preferences, Dialogs& dialogs, QObject* parent = nullptr);

    void recordTransfer(const ConfigImage& image, LinkHost::Transfer transfer, const LinkHost::Route& route);
    // The pages as a version added by hand, whatever the setting; false after the box that says why not.
    bool recordPages(const ConfigImage& image);

    // As the pages' versions name how they came: the program, not a file or a line.
    static inline const QString PagesRoute = QStringLiteral("zq22lite");
    // The caption of every box about the library.
    static QString caption() { return tr("Библиотека"); }
    // A reason the library gave, as a box of its own.
    static void tell(Dialogs& dialogs, const QString& reason);

Q_SIGNALS:
    void recorded(const RecordedVersion& version);

private:
    bool record(const ConfigImage& image, Operation operation, const QString& how);

    Preferences& m_preferences;
    Dialogs& m_dialogs;
};
