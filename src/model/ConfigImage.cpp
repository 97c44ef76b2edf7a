#include "ConfigImage.h"

#include "Cp1251.h"
#include "TextCode.h"

#include <algorithm>
#include <stdexcept>

namespace {

void requireInside(ImageLayout::Field field)
{
    if (field.offset < 0 || field.size < 0 || field.end() > ConfigImage::Size)
        throw std::out_of_range("field outside the configuration image");
}

} // namespace

ConfigImage::ConfigImage()
    : m_bytes(Size, '\0')
{
}

void ConfigImage::clear()
{
    m_bytes.fill('\0');
}

std::uint8_t ConfigImage::byteAt(int position) const
{
    requireInside({position - 1, 1});
    return at(position - 1);
}

void ConfigImage::setByteAt(int position, std::uint8_t value)
{
    requireInside({position - 1, 1});
    put(position - 1, value);
}

void ConfigImage::assign(const QByteArray& source)
{
    const QByteArray kept = source.left(Size);
    clear();
    m_bytes.replace(0, kept.size(), kept);
}

std::uint32_t ConfigImage::value(Field field) const
{
    requireInside(field);
    std::uint32_t result = 0;
    for (int i = std::min(field.size, 4) - 1; i >= 0; --i)
        result = (result << 8) | at(field.offset + i);
    return result;
}

void ConfigImage::setValue(Field field, std::uint32_t value)
{
    requireInside(field);
    for (int i = 0; i < std::min(field.size, 4); ++i) {
        put(field.offset + i, static_cast<std::uint8_t>(value & 0xFF));
        value >>= 8;
    }
}

QByteArray ConfigImage::chars(Field field) const
{
    requireInside(field);
    const QByteArray raw = m_bytes.mid(field.offset, field.size);
    const qsizetype zero = raw.indexOf('\0');
    return zero < 0 ? raw : raw.left(zero);
}

QString ConfigImage::text(Field field) const
{
    return Cp1251::toUnicode(chars(field));
}

QString ConfigImage::digits(Field field) const
{
    requireInside(field);
    QByteArray digits = m_bytes.mid(field.offset, field.size);
    digits.removeIf([](char byte) { return byte == '\0'; });
    return Cp1251::toUnicode(digits);
}

void ConfigImage::setChars(Field field, const QByteArray& bytes)
{
    requireInside(field);
    for (int i = 0; i < field.size; ++i)
        put(field.offset + i, i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0);
}

void ConfigImage::setText(Field field, const QString& text)
{
    setChars(field, Cp1251::fromUnicode(text));
}

ConfigImage::Octets ConfigImage::octets(Field field) const
{
    requireInside(field);
    Octets result{};
    for (int i = 0; i < 4; ++i)
        result[i] = at(field.offset + i);
    return result;
}

void ConfigImage::setOctets(Field field, const Octets& octets)
{
    requireInside(field);
    for (int i = 0; i < 4; ++i)
        put(field.offset + i, octets[i]);
}

QString ConfigImage::slotText(Field slot) const
{
    requireInside(slot);
    QByteArray bytes;
    for (int k = 0; k < ImageLayout::TextSlotChars; ++k) {
        const auto unit = static_cast<std::uint16_t>(at(slot.offset + 2 * k) | (at(slot.offset + 2 * k + 1) << 8));
        const std::uint8_t byte = TextCode::byteOf(unit);
        if (byte == 0)
            break;
        bytes.append(static_cast<char>(byte));
    }
    return Cp1251::toUnicode(bytes);
}

void ConfigImage::setSlotText(Field slot, const QString& text)
{
    requireInside(slot);
    const QByteArray bytes = Cp1251::fromUnicode(text).left(ImageLayout::TextSlotChars);
    for (int k = 0; k < ImageLayout::TextSlotChars; ++k) {
        const std::uint16_t unit = k < bytes.size() ? TextCode::unitOf(static_cast<std::uint8_t>(bytes[k])) : 0;
        put(slot.offset + 2 * k, static_cast<std::uint8_t>(unit & 0xFF));
        put(slot.offset + 2 * k + 1, static_cast<std::uint8_t>(unit >> 8));
    }
}
