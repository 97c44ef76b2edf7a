#include "PrivateMount.h"

#include <QFile>

#include <sched.h>
#include <sys/mount.h>

PrivateMount::PrivateMount(const QString& folder)
    : m_folder(QFile::encodeName(folder))
{
    m_mounted = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                && ::mount("zq22-test", m_folder.constData(), "tmpfs", 0, "size=64k") == 0;
}

PrivateMount::~PrivateMount()
{
    if (m_mounted)
        ::umount(m_folder.constData());
}

bool PrivateMount::makeReadOnly()
{
    return m_mounted && ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
