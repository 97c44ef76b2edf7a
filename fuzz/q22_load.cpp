// Fuzz target: "Загрузить" on a .q22 file and the restoring of the pages from
// it, in a window on the test doubles (offscreen). The input is the whole file.
//
// Must hold, whatever the bytes: the image holds the file's bytes after the
// six-byte signature, up to its size, and zeros where the file ends early;
// whatever the pages were restored to, an image built from them, restored
// onto the pages and built again, comes out the same.
#include "BuildingWindow.h"
#include "ConfigFile.h"
#include "Require.h"
#include "TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// One application for the whole run, never destroyed: Qt's teardown at exit
// is not the configurator's and would only add noise to the leak checks.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "q22_load";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}

const QString& filePath()
{
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("EC22.q22"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureApplication();
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    require(writeFile(filePath(), file), "the input is on disk");

    BuildingWindow shell;
    shell.dialogs.answerOpen(filePath());
    shell.window.findChild<QAction*>(QStringLiteral("ItemLoad"))->trigger();

    QByteArray expected = file.mid(ConfigFile::Signature.size(), ConfigImage::Size);
    expected.append(ConfigImage::Size - expected.size(), '\0');
    require(shell.window.image().bytes() == expected, "the image is the file's bytes after the signature");

    const QByteArray built = shell.build();
    if (built.isEmpty())
        return 0;
    shell.window.restorePages();
    require(shell.build() == built, "pages restored from an image they built build it again");
    return 0;
}
