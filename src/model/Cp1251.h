#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the code page of every text in the panel's image. Our own table
// rather than a named codec: Qt's Windows builds carry no ICU, and the unassigned
// byte 0x98 must survive a read and write, so it maps to U+0098 and back.
namespace Cp1251 {

QString toUnicode(const QByteArray& bytes);

// A character the code page cannot represent becomes '?'.
QByteArray fromUnicode(const QString& text);

char encodeChar(char32_t codePoint);

} // namespace Cp1251
