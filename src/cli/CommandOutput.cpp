#include "CommandOutput.h"

#include "Console.h"
#include "ExitStatus.h"
#include "OutputFile.h"

namespace CommandOutput {

bool isStandardOutput(const QString& target)
{
    return target == QLatin1String("-") || target == QLatin1String("/dev/stdout");
}

std::optional<int> refuse(Console& console, const QString& target)
{
    if (isStandardOutput(target))
        return std::nullopt;
    if (const auto error = OutputFile::refusal(target))
        return console.failedWrite(target, error->text);
    return std::nullopt;
}

int write(Console& console, const QString& target, const QByteArray& bytes)
{
    // Whatever standard output is (a pipe, a terminal, a file the shell
    // opened), it is written to as it is; main() tells when it failed.
    if (isStandardOutput(target)) {
        console.writeData(bytes);
        return ExitStatus::Success;
    }
    if (const auto error = OutputFile::write(target, bytes))
        return console.failedWrite(target, error->text);
    return ExitStatus::Success;
}

} // namespace CommandOutput
