#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace AtomicFile {

// Writes the whole file or nothing: an existing file is replaced only once the
// new one is complete. The system's reason when it fails.
std::optional<QString> write(const QString& path, const QByteArray& bytes);

} // namespace AtomicFile
