#include "OutputFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace OutputFile {

namespace {

// As many as the system follows before it gives up on a loop.
constexpr int MostLinksFollowed = 40;

// The file a write lands in: the end of a chain of symbolic links, whether or
// not it exists yet, as a shell's redirection finds it.
QString finalPath(const QString& path)
{
    QString current = path;
    for (int followed = 0; followed < MostLinksFollowed && QFileInfo(current).isSymLink(); ++followed)
        current = QFileInfo(current).symLinkTarget();
    return current;
}

std::optional<FileError> refusalOfFinal(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return FileError::directory();
    if (target.exists() && !target.isFile())
        return FileError::notRegularFile();
    // The new file is made beside the old one and renamed over it.
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return FileError::noDirectory(folder.filePath());
    const QStorageInfo storage(folder.filePath());
    if (storage.isValid() && storage.isReadOnly())
        return FileError::readOnlyFileSystem(storage.rootPath());
    if (!folder.isWritable())
        return FileError::directoryNotWritable(folder.filePath());
    return std::nullopt;
}

} // namespace

std::optional<FileError> refusal(const QString& path)
{
    return refusalOfFinal(finalPath(path));
}

std::optional<FileError> write(const QString& path, const QByteArray& bytes)
{
    const QString target = finalPath(path);
    if (auto refused = refusalOfFinal(target))
        return refused;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return FileError::system(file.errorString());
    // A full disk may only show when the buffer is flushed, and commit() does
    // not always notice it there: flush first and give up on any failure.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileError::system(reason);
    }
    if (!file.commit())
        return FileError::system(file.errorString());
    return std::nullopt;
}

} // namespace OutputFile
