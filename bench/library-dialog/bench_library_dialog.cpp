// Builds a small library (100 panels, 1,000 versions) and a big one (10,000
// panels, 200,000 versions), then times the library dialog's first paint on
// each: the library opened, the panel list filled, one panel chosen with its
// history (its changed fields counted) and the dialog painted. The runs
// alternate between the two libraries and the medians are compared: the list
// is a model over the query's rows, so ten thousand panels cost no widgets,
// and a panel's history reads its own versions through the index. On SQLite,
// and on PostgreSQL when ZQ22_TEST_PG_URL names a server: run it as
// QT_QPA_PLATFORM=offscreen scripts/with-postgres.sh build/<dir>/bin/bench_library_dialog.
#include "LibraryDialog.h"
#include "LibraryBench.h"
#include "LibrarySettings.h"
#include "MemoryPreferences.h"
#include "ScratchLibrary.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTextStream>

namespace {

using LibraryBench::median;
using LibraryBench::ms;
using LibraryBench::Size;

constexpr int Runs = 9;
const QString ChosenPanel = QStringLiteral("0032");

constexpr Size Small{"100 panels, 1,000 versions", 100, 1000};
constexpr Size Big{"10,000 panels, 200,000 versions", 10000, 200000};

QTextStream out(stdout);

// One first paint, in milliseconds; negative when the dialog did not show what it should.
double firstPaint(const QString& url)
{
    MemoryPreferences preferences;
    preferences.setValue(LibrarySettings::UrlKey, url);
    ScriptedDialogs dialogs;
    QElapsedTimer elapsed;
    elapsed.start();
    LibraryDialog dialog(preferences, dialogs, QString());
    dialog.choosePanel(ChosenPanel);
    dialog.grab();
    const double ms = elapsed.nsecsElapsed() / 1e6;
    const auto* list = dialog.findChild<QTableView*>(QStringLiteral("LibraryPanels"));
    const auto* history = dialog.findChild<QTableView*>(QStringLiteral("LibraryHistory"));
    const bool whole = list->model()->rowCount() > 0 && history->model()->rowCount() > 0 && dialogs.shown().isEmpty();
    return whole ? ms : -1;
}

bool measure(ScratchLibrary::Engine engine, const char* engineName)
{
    ScratchLibrary small;
    ScratchLibrary big;
    const QList<std::pair<ScratchLibrary*, Size>> libraries = {{&small, Small}, {&big, Big}};
    QElapsedTimer filling;
    filling.start();
    for (const auto& [scratch, size] : libraries) {
        QString problem = scratch->create(engine);
        if (problem.isEmpty())
            problem = LibraryBench::fill(scratch->url(), size.panels, size.versions);
        if (!problem.isEmpty()) {
            out << engineName << ": " << problem << Qt::endl;
            return false;
        }
    }
    out << engineName << ": libraries built in " << QString::number(filling.elapsed() / 1000.0, 'f', 1) << " s"
        << Qt::endl;

    QList<QList<double>> times(libraries.size());
    for (int run = 0; run < Runs; ++run) {
        for (qsizetype i = 0; i < libraries.size(); ++i) {
            const double time = firstPaint(libraries[i].first->url());
            if (time < 0) {
                out << engineName << ": the dialog did not list " << libraries[i].second.name << Qt::endl;
                return false;
            }
            times[i] << time;
        }
    }
    const double smallMs = median(times[0]);
    const double bigMs = median(times[1]);
    out << engineName << " dialog's first paint: " << Small.name << " " << ms(smallMs) << ", " << Big.name << " "
        << ms(bigMs) << ", ratio " << QString::number(bigMs / smallMs, 'f', 2) << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return LibraryBench::onEachEngine(measure, out);
}
