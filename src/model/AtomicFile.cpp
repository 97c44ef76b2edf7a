#include "AtomicFile.h"

#include <QSaveFile>

namespace AtomicFile {

std::optional<QString> write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A full disk may only show when the buffer is flushed, and commit() does
    // not always notice it there: flush first and give up on any failure.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace AtomicFile
