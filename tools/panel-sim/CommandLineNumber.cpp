#include "CommandLineNumber.h"

bool readNumber(const QCommandLineParser& parser, const QString& name, int* value, QString* error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int number = parser.value(name).toInt(&ok);
    if (!ok || number < 0) {
        *error = QStringLiteral("--%1 takes a number, not \"%2\"").arg(name, parser.value(name));
        return false;
    }
    *value = number;
    return true;
}

bool readSeconds(const QCommandLineParser& parser, const QString& name, std::chrono::milliseconds* value,
                 QString* error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const double seconds = parser.value(name).toDouble(&ok);
    if (!ok || !(seconds > 0) || seconds > 3600) {
        *error = QStringLiteral("--%1 takes seconds above 0, not \"%2\"").arg(name, parser.value(name));
        return false;
    }
    *value = std::chrono::milliseconds(qRound64(seconds * 1000));
    return true;
}
