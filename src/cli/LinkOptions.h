#pragma once

#include "LinkSession.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

#include <optional>

class ConfigImage;

// How read and write reach the panel: a serial port, or UDP on a local port
// where the panel announces itself.
namespace LinkOptions {

QList<QCommandLineOption> options();

struct Result {
    std::optional<LinkSession::Target> target;
    QString error;   // what is wrong with the options
};

// configuration: the one the window would show, whose remote port it would listen on.
Result target(const QCommandLineParser& parsed, const ConfigImage& configuration);

} // namespace LinkOptions
