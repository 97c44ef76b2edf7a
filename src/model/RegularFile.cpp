#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace RegularFile {

std::optional<FileError> openForReading(QFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return FileError::noSuchFile();
    if (info.isDir())
        return FileError::directory();
    if (!info.isFile())
        return FileError::notRegularFile();
    if (!file.open(QIODevice::ReadOnly))
        return FileError::system(file.errorString());
    return std::nullopt;
}

} // namespace RegularFile
