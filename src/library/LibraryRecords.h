#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// What the library holds, as its callers see it. Times are UTC.

// How a version came into the library.
enum class Operation { Read, Write, Added };

// "read", "write", "added": as the library stores it and zq22 prints it.
QString operationText(Operation operation);
std::optional<Operation> operationFromText(const QString& text);

// A panel as the list shows it.
struct PanelSummary {
    QString identifier;   // four upper-case hexadecimal digits, as the image holds it
    QString name;
    QString address;
    int versions = 0;
    QDateTime lastChange;   // the newest version's time
};

// What the installer knows of a panel, and when the library saw it.
struct PanelDetails {
    QString identifier;
    QString name;
    QString address;
    QString contact;
    QString notes;
    QDateTime firstSeen;   // the first read or write; invalid when only added by hand
    QDateTime lastSeen;
    int versions = 0;
    QDateTime lastChange;
};

// The details to change; what is left out stays as it is.
struct DetailsChange {
    std::optional<QString> name;
    std::optional<QString> address;
    std::optional<QString> contact;
    std::optional<QString> notes;
};

// Where a new version comes from.
struct VersionOrigin {
    Operation operation = Operation::Added;
    QString how;            // "USB /dev/ttyUSB0", "UDP 10.1.2.3:34463", or the file
    QString operatorName;
    QString host;           // the computer's name
    QString note;
    QDateTime time;         // UTC, to the second
};

// One version of a panel's history.
struct VersionEntry {
    int number = 0;         // rising per panel from 1
    VersionOrigin origin;
    QString imageSha256;
    // How many fields differ from the version before: none for the first
    // version, or when the history was asked without them.
    std::optional<int> changedFields;
};

struct RecordedVersion {
    QString identifier;
    int number = 0;
    bool newImage = false;   // false when the library held the image already
};

struct LibraryCounts {
    int panels = 0;
    int versions = 0;
    int images = 0;
};
