#pragma once

#include "ImageLayout.h"

#include <QBitArray>
#include <QByteArray>
#include <QString>

#include <cstdint>

class ConfigImage;

// The builder's hold on the image: every store also notes the bytes it
// covered, so a build that stopped can tell what it filled from what it
// never reached (which stays zero and would read as a value).
class TrackedImage final {
public:
    using Field = ImageLayout::Field;

    explicit TrackedImage(ConfigImage& image);

    void clear();
    void setValue(Field field, std::uint32_t value);
    void setText(Field field, const QString& text);
    void setChars(Field field, const QByteArray& bytes);
    void setSlotText(Field slot, const QString& text);

    // Bit offset set for every byte a store covered since the last clear.
    const QBitArray& written() const { return m_written; }

private:
    void note(Field field);

    ConfigImage& m_image;
    QBitArray m_written;
};
