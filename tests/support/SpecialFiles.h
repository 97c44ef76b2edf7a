#pragma once

#include <QMetaType>
#include <QString>

// Things in a folder that are not regular files, made by a test in its own
// folder (never under /dev), and a look at what a path names afterwards.
enum class SpecialFile { NamedPipe, CharacterDevice, Socket, Directory };
Q_DECLARE_METATYPE(SpecialFile)

// False when the system refuses it: a device node needs root.
bool makeSpecialFile(const QString& path, SpecialFile kind);

// A special file named "special" in the folder, reached directly or through a
// symbolic link named "link": the path to write to, or empty when the system
// refuses to make it.
QString specialTarget(const QString& folder, SpecialFile kind, bool throughLink);

// What the path names, without following a symbolic link: "named pipe",
// "character device", "socket", "directory", "regular file", "symbolic link"
// or "nothing".
QString kindOf(const QString& path);
