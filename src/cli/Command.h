#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <functional>

class Console;

// One command of zq22: what its help says and what it runs. The command line
// checks the options and the number of arguments before run is called.
struct Command {
    struct Argument {
        QString name;          // as the usage line shows it: "FILE", "A"
        QString description;
        bool repeats = false;  // one or more; only the last argument may

        QString usage() const { return repeats ? name + QStringLiteral("...") : name; }
    };

    QString name;
    QString summary;           // one line in the program's help
    QString description;       // the paragraphs of the command's own help
    QList<Argument> arguments; // these, in this order
    QList<QCommandLineOption> options;
    std::function<int(const QCommandLineParser& parsed, Console& console)> run;

    // Whether the command takes this many arguments.
    bool takes(qsizetype count) const
    {
        const bool repeats = !arguments.isEmpty() && arguments.constLast().repeats;
        return repeats ? count >= arguments.size() : count == arguments.size();
    }
};
