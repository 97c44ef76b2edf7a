#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace RegularFile {

std::optional<QString> openForReading(QFile& file)
{
    const QFileInfo info(file.fileName());
    if (info.isDir())
        return QStringLiteral("is a directory");
    if (info.exists() && !info.isFile())
        return QStringLiteral("not a regular file");
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return std::nullopt;
}

} // namespace RegularFile
