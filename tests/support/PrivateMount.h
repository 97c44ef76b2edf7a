#pragma once

#include <QByteArray>
#include <QString>

// A small file system of its own on a folder, mounted in a mount namespace of
// this process alone, so nothing outside the test sees it or outlives it. It
// needs the right to mount (root); without it, nothing is mounted.
class PrivateMount {
public:
    explicit PrivateMount(const QString& folder);
    ~PrivateMount();
    PrivateMount(const PrivateMount&) = delete;
    PrivateMount& operator=(const PrivateMount&) = delete;

    bool isMounted() const { return m_mounted; }
    bool makeReadOnly();

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
