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
    };

    QString name;
    QString summary;           // one line in the program's help
    QString description;       // the paragraphs of the command's own help
    QList<Argument> arguments; // exactly these, in this order
    QList<QCommandLineOption> options;
    std::function<int(const QCommandLineParser& parsed, Console& console)> run;
};
