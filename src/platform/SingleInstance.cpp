#include "SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString& folder)
    : m_lock(QDir(folder.isEmpty() ? QDir::tempPath() : folder).filePath(QString::fromLatin1(LockName) + QStringLiteral(".lock")))
{
    // Only a dead owner makes the lock stale, never its age: a copy that has
    // been running for days still holds it.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}
