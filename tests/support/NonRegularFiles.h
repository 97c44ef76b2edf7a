#pragma once

#include <QMetaType>
#include <QString>

// Things in a folder that are not regular files, made by a test in its own
// folder (never under /dev), and a look at what a path names afterwards.
enum class NonRegularFile { NamedPipe, CharacterDevice, Socket, Directory };
Q_DECLARE_METATYPE(NonRegularFile)

// False when the system refuses it: a device node needs root.
bool makeNonRegularFile(const QString& path, NonRegularFile kind);

// A file of that kind named "odd" in the folder, reached directly or through a
// symbolic link named "link": the path to write to, or empty when the system
// refuses to make it.
QString nonRegularTarget(const QString& folder, NonRegularFile kind, bool throughLink);

// What the path names, without following a symbolic link: "named pipe",
// "character device", "socket", "directory", "regular file", "symbolic link"
// or "nothing".
QString kindOf(const QString& path);
