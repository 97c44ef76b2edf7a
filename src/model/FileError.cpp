#include "FileError.h"

#include <QCoreApplication>

FileError FileError::noSuchFile()
{
    return {QStringLiteral("no such file or directory"), QCoreApplication::translate("FileError", "нет такого файла")};
}

// A device, a named pipe or a socket: reading one may never end, and writing
// a file in its place would replace it.
FileError FileError::notRegularFile()
{
    return {QStringLiteral("not a regular file"), QCoreApplication::translate("FileError", "не является обычным файлом")};
}

FileError FileError::directory()
{
    return {QStringLiteral("it is a directory"), notRegularFile().shownText};
}

FileError FileError::empty()
{
    return {QStringLiteral("the file is empty"), QCoreApplication::translate("FileError", "файл пуст")};
}

FileError FileError::tooShort(qint64 size, qint64 expected)
{
    return {QStringLiteral("the file has %1 bytes, a configuration file has %2").arg(size).arg(expected),
            QCoreApplication::translate("FileError", "в файле %1 байт, а в файле конфигурации их %2")
                .arg(size)
                .arg(expected)};
}

FileError FileError::noDirectory(const QString& folder)
{
    return {QStringLiteral("there is no directory %1").arg(folder),
            QCoreApplication::translate("FileError", "нет папки %1").arg(folder)};
}

FileError FileError::directoryNotWritable(const QString& folder)
{
    return {QStringLiteral("the directory %1 is not writable").arg(folder),
            QCoreApplication::translate("FileError", "в папку %1 запись запрещена").arg(folder)};
}

FileError FileError::readOnlyFileSystem(const QString& mountPoint)
{
    return {QStringLiteral("the file system %1 is read-only").arg(mountPoint),
            QCoreApplication::translate("FileError", "файловая система %1 доступна только для чтения").arg(mountPoint)};
}

FileError FileError::system(const QString& reason)
{
    return {reason, reason};
}
