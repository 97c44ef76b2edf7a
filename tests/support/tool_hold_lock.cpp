// Holds the single-instance lock in the given folder until it is killed.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SingleInstance instance(app.arguments().value(1));
    QTextStream out(stdout);
    out << (instance.acquire() ? "locked" : "refused") << Qt::endl;
    return app.exec();
}
