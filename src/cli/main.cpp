// zq22: the configurations of the "Зорвел-22 Lite" panel on the command line.
// Qt Core only: it runs where there is no display.
#include "CommandLine.h"
#include "CommandTable.h"
#include "Console.h"
#include "ExitStatus.h"
#include "QtPreferences.h"
#include "Translations.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zq22"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZQ_VERSION));
    // The messages zq22 shares with the window (the link's, the checks before a
    // write) in the window's language; zq22's own, and Qt's, stay English.
    const Translations texts(Translations::chosen(QtPreferences()), Translations::QtTexts::StayEnglish);
    Console console;
    const int status = CommandLine::run(QCoreApplication::arguments(), commandTable(), console);
    return console.flush() ? status : ExitStatus::Failure;
}
