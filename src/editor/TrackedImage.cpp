#include "TrackedImage.h"

#include "ConfigImage.h"

TrackedImage::TrackedImage(ConfigImage& image)
    : m_image(image)
    , m_written(ConfigImage::Size)
{
}

void TrackedImage::clear()
{
    m_image.clear();
    m_written.fill(false);
}

void TrackedImage::setValue(Field field, std::uint32_t value)
{
    m_image.setValue(field, value);
    note(field);
}

void TrackedImage::setText(Field field, const QString& text)
{
    m_image.setText(field, text);
    note(field);
}

void TrackedImage::setChars(Field field, const QByteArray& bytes)
{
    m_image.setChars(field, bytes);
    note(field);
}

void TrackedImage::setSlotText(Field slot, const QString& text)
{
    m_image.setSlotText(slot, text);
    note(slot);
}

void TrackedImage::note(Field field)
{
    m_written.fill(true, field.offset, field.offset + field.size);
}
