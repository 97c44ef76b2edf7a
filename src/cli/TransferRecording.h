#pragma once

#include "VersionRecorder.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

#include <optional>

class Console;

// The version that zq22 read and write record once the panel has given or
// taken the whole image, unless --no-library: in the library --library or
// ZQ22_LIBRARY names, else the user's library file. A recording that fails is
// one more line on standard error and leaves the transfer's exit status.
class TransferRecording final {
public:
    static QList<QCommandLineOption> options();

    // From the options, before the transfer; none, after saying why, when
    // they name no library (exit status 2).
    static std::optional<TransferRecording> fromOptions(const QCommandLineParser& parsed, Console& console);

    void record(const ConfigImage& image, Operation operation, const QString& how) const;

private:
    explicit TransferRecording(Console& console);

    Console& m_console;
    QString m_subject;
    std::optional<VersionRecorder> m_recorder;   // none with --no-library
};
