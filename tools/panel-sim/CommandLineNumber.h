#pragma once

#include <QCommandLineParser>
#include <QString>

#include <chrono>

// Reads a non-negative number given to option <name>, leaving <value> alone
// when the option is absent; false, with the reason, when it is not a number.
bool readNumber(const QCommandLineParser& parser, const QString& name, int* value, QString* error);

// Reads a positive number of seconds, decimals allowed, given to option <name>.
bool readSeconds(const QCommandLineParser& parser, const QString& name, std::chrono::milliseconds* value,
                 QString* error);
