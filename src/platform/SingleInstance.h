#pragma once

#include <QLockFile>
#include <QString>

// The lock that keeps a second copy of the program from starting. It lives in a
// file the system frees with the process: a copy that crashed does not block
// the next start, because a lock whose owner is gone counts as stale.
class SingleInstance {
public:
    static constexpr const char* LockName = "ZQ22Lite_FirstCopy";

    // The lock file lives in the given folder (the temporary folder by default).
    explicit SingleInstance(const QString& folder = QString());

    // True when this process now holds the lock.
    bool acquire();

private:
    QLockFile m_lock;
};
