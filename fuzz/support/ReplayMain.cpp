// Runs a fuzz target on every file of the folders and files it is given, in
// the ordinary build and without libFuzzer: a crash found once stays a test.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

QStringList inputsOf(const QString& path)
{
    if (!QFileInfo(path).isDir())
        return {path};
    QStringList files;
    QDirIterator it(path, QDir::Files);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace

int main(int argc, char* argv[])
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QString& input : inputsOf(QString::fromLocal8Bit(argv[i]))) {
            QFile file(input);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(input));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            // Named first, so the input that breaks a promise is the last one printed.
            std::fprintf(stderr, "%s\n", qPrintable(input));
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
