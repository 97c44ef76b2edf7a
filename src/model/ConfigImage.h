#pragma once

#include "ImageLayout.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The panel's whole configuration: 9419 bytes of fixed layout. One object owned
// by the main window and lent to the builder, the restorer, the link and the
// files. Every store is bounded by its field: nothing writes past a field's end.
class ConfigImage {
public:
    using Field = ImageLayout::Field;
    using Octets = std::array<std::uint8_t, 4>;

    static constexpr int Size = ImageLayout::ImageSize;

    ConfigImage();

    void clear();

    // Raw access by 1-based position, as the transfers count.
    std::uint8_t byteAt(int position) const;
    void setByteAt(int position, std::uint8_t value);

    const QByteArray& bytes() const { return m_bytes; }
    // Replaces the image; a shorter source leaves the rest zero, a longer one is cut.
    void assign(const QByteArray& source);

    // Unsigned little-endian values of 1, 2 or 4 bytes.
    std::uint32_t value(Field field) const;
    void setValue(Field field, std::uint32_t value);

    // Character fields: Windows-1251, one byte per character, zero tail.
    QByteArray chars(Field field) const;   // bytes before the first zero
    QString text(Field field) const;       // the same, decoded
    // Every non-zero byte of the field, in order, decoded: how the pages read
    // the phone-like fields, whose zero bytes stand for blanks.
    QString digits(Field field) const;
    void setText(Field field, const QString& text);
    void setChars(Field field, const QByteArray& bytes);

    // IPv4 fields: the first number of the dotted text at the lowest offset.
    Octets octets(Field field) const;
    void setOctets(Field field, const Octets& octets);

    // Notification texts: 30 units of TextCode.
    QString slotText(Field slot) const;
    void setSlotText(Field slot, const QString& text);

    friend bool operator==(const ConfigImage&, const ConfigImage&) = default;

private:
    std::uint8_t at(int offset) const { return static_cast<std::uint8_t>(m_bytes[offset]); }
    void put(int offset, std::uint8_t value) { m_bytes[offset] = static_cast<char>(value); }

    QByteArray m_bytes;
};
