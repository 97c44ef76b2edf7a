#include "NonRegularFiles.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool makeSocket(const QByteArray& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    // The socket's file stays once the socket is closed.
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace

bool makeNonRegularFile(const QString& path, NonRegularFile kind)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case NonRegularFile::NamedPipe:
        return ::mkfifo(name.constData(), 0600) == 0;
    case NonRegularFile::CharacterDevice:
        // The numbers of the null device: harmless, should anything write to it.
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    case NonRegularFile::Socket:
        return makeSocket(name);
    case NonRegularFile::Directory:
        return QDir().mkdir(path);
    }
    return false;
}

QString nonRegularTarget(const QString& folder, NonRegularFile kind, bool throughLink)
{
    const QDir dir(folder);
    const QString made = dir.filePath(QStringLiteral("odd"));
    if (!makeNonRegularFile(made, kind))
        return QString();
    if (!throughLink)
        return made;
    const QString link = dir.filePath(QStringLiteral("link"));
    return QFile::link(made, link) ? link : QString();
}

QString kindOf(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("nothing");
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("named pipe");
    if (S_ISCHR(status.st_mode))
        return QStringLiteral("character device");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("socket");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("directory");
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("symbolic link");
    return QStringLiteral("regular file");
}
