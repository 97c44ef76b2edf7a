#pragma once

#include "Library.h"

// What both programs call once a transfer has ended with a whole image: the
// image recorded as a new version of the panel it names. Each recording opens
// the library afresh, so a library that cannot be reached costs the transfer
// nothing before its end; the caller shows the reason beside the transfer's
// own outcome, which the recording never changes.
class VersionRecorder final {
public:
    explicit VersionRecorder(LibraryUrl url, Library::Options options = {});

    // Who records: the login name unless set.
    void setOperatorName(const QString& name) { m_operatorName = name; }

    LibraryResult<RecordedVersion> record(const ConfigImage& image, Operation operation, const QString& how,
                                          const QString& note = {}) const;

    // How a transfer went, as its version says: "USB /dev/ttyUSB0", "UDP 10.1.2.3:34463".
    static QString serialRoute(const QString& port);
    static QString udpRoute(const QString& address, quint16 port);
    // The user's login name, as the system gives it.
    static QString loginName();
    // A version made on this computer now.
    static VersionOrigin here(Operation operation, const QString& how, const QString& note,
                              const QString& operatorName = loginName());

private:
    LibraryUrl m_url;
    Library::Options m_options;
    QString m_operatorName;
};
