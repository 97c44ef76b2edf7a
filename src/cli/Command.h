#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <functional>

class Console;

// One command of zq22: what its help says and what it runs. The command line
// checks the options and the number of arguments before run is called. A
// command may instead be a group of commands ("zq22 library list"), each named
// with the group's name before its own.
struct Command {
    struct Argument {
        QString name;          // as the usage line shows it: "FILE", "A"
        QString description;
        bool repeats = false;   // one or more; only the last argument may
        bool optional = false;  // may be left out, and so may every one after it

        QString usage() const { return repeats ? name + QStringLiteral("...") : name; }
    };

    QString name;
    QString summary;           // one line in the program's help
    QString description;       // the paragraphs of the command's own help
    QList<Argument> arguments; // these, in this order
    QList<QCommandLineOption> options;
    std::function<int(const QCommandLineParser& parsed, Console& console)> run;
    QList<Command> commands = {};   // a group's commands, in the order its help lists them

    // Whether the command takes this many arguments.
    bool takes(qsizetype count) const
    {
        qsizetype least = 0;
        for (const Argument& argument : arguments)
            least += argument.optional ? 0 : 1;
        const bool repeats = !arguments.isEmpty() && arguments.constLast().repeats;
        return count >= least && (repeats || count <= arguments.size());
    }
};
