// Runs the main window's Сервис commands with their file dialogs answered from
// the command line, so what they show can be looked at:
//   zq22-command-shot sample FILE       writes a sample configuration, away from the factory one
//   zq22-command-shot site FILE         writes a site's configuration: six zones, three groups, ten users
//   zq22-command-shot compare FILE [PAGES]  the compare dialog, the factory pages (or PAGES opened
//                                       at start) against FILE
//   zq22-command-shot template FILE [PAGES] the same dialog of "Применить шаблон…", FILE the template
//   zq22-command-shot report [FILE] PDF FILE opened at start (or the factory configuration), its
//                                       report saved as PDF; then it ends
//   zq22-command-shot service           the "Сервис" menu opened
//   zq22-command-shot load              Qt's own open dialog of "Загрузить", in the current folder
//   zq22-command-shot library [PAGES]   the library dialog on the library the window uses, showing
//                                       the panel of PAGES opened at start
// It speaks the language the configurator would ("Сервис" → "Язык", or the system's).
#include "Application.h"
#include "ConfigFile.h"
#include "FactoryImage.h"
#include "FieldCatalogue.h"
#include "FieldValue.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "ReportDialog.h"
#include "SampleConfigs.h"

#include <QAction>
#include <QTextStream>
#include <QToolButton>
#include <QTimer>

namespace {

constexpr int SettleMs = 500;

// The real dialogs, except that the open and save dialogs answer with given paths.
class AnsweringDialogs final : public Dialogs {
public:
    AnsweringDialogs(Dialogs& real, QString path)
        : m_real(real)
        , m_path(std::move(path))
    {
    }
    Answer message(const Message& message) override { return m_real.message(message); }
    std::optional<QString> openFile(const FileRequest&) override { return m_path; }
    std::optional<QString> saveFile(const FileRequest&) override { return m_path; }
    std::optional<QString> choosePort() override { return m_real.choosePort(); }
    bool setUpPrinter(QPrinter& printer) override { return m_real.setUpPrinter(printer); }

private:
    Dialogs& m_real;
    QString m_path;
};

int writeSample(const QString& path)
{
    ConfigImage image = factoryImage();
    const std::pair<const char*, QJsonValue> values[] = {
        {"channels[1].account", QStringLiteral("AB12")},
        {"sms.phones[1]", QStringLiteral("+380501234567")},
        {"general.siren_time_s", 60},
        {"zones[Z2].sensitivity_ms", 300},
        {"texts.alarm[1]", QStringLiteral("Тревога на складе")},
    };
    for (const auto& [key, value] : values) {
        QString error;
        if (!FieldValue::write(*FieldCatalogue::find(QLatin1String(key)), value, image, error)) {
            QTextStream(stderr) << key << ": " << error << "\n";
            return 1;
        }
    }
    if (const auto error = ConfigFile::write(path, image)) {
        QTextStream(stderr) << path << ": " << error->text << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    const QStringList args = app.arguments();
    const QString command = args.value(1);
    if (command == QLatin1String("sample") && args.size() == 3)
        return writeSample(args.at(2));
    if (command == QLatin1String("site") && args.size() == 3)
        return SampleConfigs::write(args.at(2), SampleConfigs::siteWithSixZones()) ? 0 : 1;
    // The two commands that open the compare dialog, by their items.
    const QString compareItem = command == QLatin1String("compare")    ? QStringLiteral("ItemCompare")
                                : command == QLatin1String("template") ? QStringLiteral("ItemApplyTemplate")
                                                                       : QString();
    const bool compare = !compareItem.isEmpty() && (args.size() == 3 || args.size() == 4);
    const bool report = command == QLatin1String("report") && (args.size() == 3 || args.size() == 4);
    const bool service = command == QLatin1String("service") && args.size() == 2;
    const bool load = command == QLatin1String("load") && args.size() == 2;
    const bool library = command == QLatin1String("library") && (args.size() == 2 || args.size() == 3);
    if (!compare && !report && !service && !load && !library) {
        QTextStream(stderr) << "usage: zq22-command-shot sample FILE | site FILE | compare FILE [PAGES]"
                               " | template FILE [PAGES] | report [FILE] PDF | service | load | library [PAGES]\n";
        return 2;
    }

    QtPlatform qt;
    qt.useChosenLanguage(app);
    AnsweringDialogs answering(qt.dialogs, compare ? args.at(2) : args.constLast());
    Dialogs& dialogs = compare || report ? static_cast<Dialogs&>(answering) : qt.dialogs;
    Platform platform = qt.platform();
    MainWindow window({dialogs, platform.clock, platform.serial, platform.udp, platform.settings, platform.preferences});
    qt.dialogs.setParent(&window);
    app.setDialogs(&qt.dialogs);
    // A fourth argument is a file opened at start: the pages reported or compared; a third, the library's.
    if ((report || compare) && args.size() == 4)
        window.setStartFiles({report ? args.at(2) : args.at(3)});
    if (library && args.size() == 3)
        window.setStartFiles({args.at(2)});
    window.show();

    QTimer::singleShot(SettleMs, &window, [&] {
        if (service) {
            window.findChild<QToolButton*>(QStringLiteral("ServiceButton"))->showMenu();
            return;
        }
        if (load || library) {
            window.findChild<QAction*>(load ? QStringLiteral("ItemLoad") : QStringLiteral("ItemLibrary"))->trigger();
            return;
        }
        if (compare) {
            window.findChild<QAction*>(compareItem)->trigger();
            return;
        }
        window.findChild<QAction*>(QStringLiteral("ItemReport"))->trigger();
        window.findChild<ReportDialog*>()->saveReportPdf();
        // exit() rather than quit(): quit() closes the window first, which asks the exit question.
        QCoreApplication::exit(0);
    });
    return app.exec();
}
