#pragma once

#include <QByteArray>
#include <QString>

// Whole files in and out, for tests that prepare or inspect what is on disk.
QByteArray readFile(const QString& path);   // empty when the file cannot be read
bool writeFile(const QString& path, const QByteArray& bytes);
