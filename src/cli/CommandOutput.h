#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class Console;

// Where a command's -o sends what it makes: standard output for "-" and
// /dev/stdout, otherwise a file written whole or not at all (OutputFile), so
// that a device, a named pipe or a socket is never replaced. Every command
// that writes a file writes it through here.
namespace CommandOutput {

bool isStandardOutput(const QString& target);

// Why the target cannot take the output, told before work is spent on it:
// "zq22: TARGET: cannot write the file: REASON". The exit status to end with.
std::optional<int> refuse(Console& console, const QString& target);

// Writes the output; the exit status, after saying why it failed.
int write(Console& console, const QString& target, const QByteArray& bytes);

} // namespace CommandOutput
